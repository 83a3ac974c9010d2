#include "plugin/GenericPlugin.h"

HWND TGPFWinAmpGenericPlugin::GetWindowHandle() { return header_ ? header_->parentWindow : nullptr; }

void TGPFWinAmpGenericPlugin::SetDescription(const std::string& text) {
  TGPFWinAmpCustomPlugin::SetDescription(text);
  if (header_) header_->description = Description().c_str();
}

void TGPFWinAmpGenericPlugin::SetPluginHeader(PluginHeader* header) {
  header_ = header;
  if (header_) header_->description = Description().c_str();
}
