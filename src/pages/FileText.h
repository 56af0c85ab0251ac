#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <QString>

// File text is single-byte Windows-1252.
[[nodiscard]] QString FromFileBytes(std::string_view bytes);
// Nothing when a character has no single byte in the file's code page.
[[nodiscard]] std::optional<std::string> ToFileBytes(const QString& text);
// A character a text box accepts: one byte in the file, not NUL, CR or LF.
[[nodiscard]] bool IsAcceptedCharacter(QChar c);
