#include <QApplication>
#include <QMessageBox>

#include "MessageSink.h"

namespace {

class ScreenMessageSink final : public MessageSink {
 public:
  void Warn(const QString& text) override { Show(QMessageBox::Warning, text); }
  void Stop(const QString& text) override { Show(QMessageBox::Critical, text); }

 private:
  static void Show(QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.exec();
  }
};

}  // namespace

MessageSink& ScreenMessages() {
  static ScreenMessageSink sink;
  return sink;
}
