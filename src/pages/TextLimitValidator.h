#pragma once

#include <QString>
#include <QValidator>

// Keeps typing and pasting within a text field: at most `limit` characters
// (none when 0), each one the file can hold. Text the program shows is not
// cut: a stored value longer than the limit shows whole and may be left as
// it is or shortened, but not lengthened or changed in place, as with a
// Windows edit's length limit.
class TextLimitValidator : public QValidator {
  Q_OBJECT

 public:
  TextLimitValidator(int limit, QObject* parent);

  // The text the program is about to put into the edit.
  void SetShownText(const QString& text) { shown_ = text; }

  State validate(QString& input, int& pos) const override;

 private:
  int limit_;
  QString shown_;
};
