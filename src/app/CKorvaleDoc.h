#pragma once

#include <QString>

// The document holds nothing and is never modified. Opening one by name
// (from the command line) opens the file for reading, reads nothing and
// closes it again; it never selects a player file.
class CKorvaleDoc {
 public:
  // Empty when the file could be opened, otherwise the message that says why.
  [[nodiscard]] static QString OnOpenDocument(const QString& path);
};
