#pragma once

#include <functional>

#include <QString>
#include <QStringList>

#include "MessageSink.h"

// Keeps every message instead of showing it.
class RecordingMessages final : public MessageSink {
 public:
  void Warn(const std::string& text) override {
    warnings << QString::fromStdString(text);
    if (whileShown) whileShown();
  }
  void Stop(const std::string& text) override {
    stops << QString::fromStdString(text);
    if (whileShown) whileShown();
  }
  void Clear() {
    warnings.clear();
    stops.clear();
  }

  QStringList warnings;
  QStringList stops;
  // What arrives while a box would be up, through its loop.
  std::function<void()> whileShown;
};
