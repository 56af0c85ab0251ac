#include "MessageBoxSink.h"

#include "ResourceIds.h"
#include "ShellText.h"

void MessageBoxSink::Warn(const std::string& text) { Show(text, MB_ICONEXCLAMATION); }

void MessageBoxSink::Stop(const std::string& text) { Show(text, MB_ICONSTOP); }

void MessageBoxSink::Show(const std::string& text, UINT icon) {
  const std::wstring caption = StringLine(korvale::res::kIdApplicationTitle, 0);
  MessageBoxW(GetActiveWindow(), Widen(text).c_str(), caption.c_str(), MB_OK | icon);
}
