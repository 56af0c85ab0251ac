#include "StringTable.h"

#include "Strings.h"

namespace korvale::res {

namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString LoadString(int id) { return FromUtf8(StringText(id)); }

QString StatusPrompt(int id) { return FromUtf8(StringLine(id, 0)); }

QString ToolTip(int id) { return FromUtf8(StringLine(id, 1)); }

}  // namespace korvale::res
