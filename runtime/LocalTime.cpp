#include "runtime/LocalTime.h"

#include <windows.h>

TTime LocalTimeOfDay() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return EncodeTime(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds);
}
