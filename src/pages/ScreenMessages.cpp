#include <QApplication>
#include <QMessageBox>

#include "ScreenMessages.h"

namespace {

class ScreenMessageSink final : public MessageSink {
 public:
  void Warn(const std::string& text) override { Show(QMessageBox::Warning, text); }
  void Stop(const std::string& text) override { Show(QMessageBox::Critical, text); }

 private:
  static void Show(QMessageBox::Icon icon, const std::string& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), QString::fromStdString(text),
                    QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
  }
};

}  // namespace

MessageSink& ScreenMessages() {
  static ScreenMessageSink sink;
  return sink;
}
