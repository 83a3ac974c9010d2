#include "dialogs/HistoryList.h"

void PushHistory(TStringList& items, const std::string& entry, bool onlyIfAbsent) {
  if (onlyIfAbsent && items.IndexOf(entry) >= 0) return;
  items.Insert(0, entry);
  if (items.Count() > HistoryCap) items.Delete(HistoryCap);
}
