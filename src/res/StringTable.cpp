#include "StringTable.h"

#include "Strings.h"

namespace korvale::res {

QString LoadString(int id) {
  const std::string_view text = StringText(id);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString StatusPrompt(int id) { return LoadString(id).section(QLatin1Char('\n'), 0, 0); }

QString ToolTip(int id) { return LoadString(id).section(QLatin1Char('\n'), 1, 1); }

}  // namespace korvale::res
