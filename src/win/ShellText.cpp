#include "ShellText.h"

#include "DialogTemplateW.h"
#include "Strings.h"

std::wstring StringLine(int id, int index) {
  return korvale::win::Widen(korvale::res::StringLine(id, index));
}
