#include "ShellText.h"

#include <windows.h>

#include "DialogTemplateW.h"
#include "Strings.h"

std::wstring StringLine(int id, int index) {
  std::string_view text = korvale::res::StringText(id);
  for (int i = 0; i < index; ++i) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) return {};
    text.remove_prefix(end + 1);
  }
  return korvale::win::Widen(text.substr(0, text.find('\n')));
}
