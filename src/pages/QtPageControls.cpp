#include "QtPageControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTimer>

#include "TextLimitValidator.h"

QtPageControls::QtPageControls(QWidget* page, korvale::res::ControlMap controls)
    : page_(page), controls_(std::move(controls)) {}

std::string QtPageControls::Text(int control) const {
  if (const auto* edit = controls_.Get<QLineEdit>(control)) return edit->text().toStdString();
  return {};
}

void QtPageControls::SetText(int control, const std::string& text) {
  if (auto* edit = controls_.Get<QLineEdit>(control)) edit->setText(QString::fromStdString(text));
}

void QtPageControls::LimitText(int control, int limit, const std::string& shown) {
  auto* edit = controls_.Get<QLineEdit>(control);
  if (edit == nullptr) return;
  auto* validator = edit->findChild<TextLimitValidator*>(QString(), Qt::FindDirectChildrenOnly);
  if (validator == nullptr) {
    validator = new TextLimitValidator(limit, edit);
    edit->setValidator(validator);
  }
  validator->SetShownText(QString::fromStdString(shown));
}

bool QtPageControls::Checked(int control) const {
  const auto* box = controls_.Get<QCheckBox>(control);
  return box != nullptr && box->isChecked();
}

void QtPageControls::SetChecked(int control, bool checked) {
  if (auto* box = controls_.Get<QCheckBox>(control)) box->setChecked(checked);
}

void QtPageControls::SetEntries(int control, const std::vector<std::string_view>& entries) {
  auto* list = controls_.Get<QComboBox>(control);
  if (list == nullptr) return;
  list->clear();
  QStringList texts;  // all at once
  texts.reserve(static_cast<qsizetype>(entries.size()));
  for (std::string_view entry : entries) {
    texts << QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size()));
  }
  list->addItems(texts);
  // A filled list shows nothing until a record selects an entry.
  list->setCurrentIndex(-1);
}

int QtPageControls::Selection(int control) const {
  const auto* list = controls_.Get<QComboBox>(control);
  return list != nullptr ? list->currentIndex() : -1;
}

void QtPageControls::Select(int control, int index) {
  if (auto* list = controls_.Get<QComboBox>(control)) {
    list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
  }
}

void QtPageControls::SetEnabled(int control, bool enabled) {
  if (QWidget* widget = controls_.Find(control)) widget->setEnabled(enabled);
}

// Queued behind the message box's own events, on the page: nothing runs
// once the page (and the rules it holds) has gone.
void QtPageControls::FocusLater(int control, std::function<void()> done) {
  QPointer<QWidget> target(controls_.Find(control));
  QTimer::singleShot(0, page_.data(), [target, done = std::move(done)] {
    if (target) {
      target->setFocus(Qt::OtherFocusReason);
      if (auto* edit = qobject_cast<QLineEdit*>(target.data())) edit->selectAll();
    }
    done();
  });
}
