#pragma once

#include <QValidator>

// Keeps typing and pasting within a text field: at most `limit` characters
// (none when 0), each one the file can hold. Text the program puts in with
// setText() is not cut, so a stored value longer than the limit shows whole.
class TextLimitValidator : public QValidator {
  Q_OBJECT

 public:
  TextLimitValidator(int limit, QObject* parent);

  State validate(QString& input, int& pos) const override;

 private:
  int limit_;
};
