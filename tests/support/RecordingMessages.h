#pragma once

#include <QString>
#include <QStringList>

#include "MessageSink.h"

// Keeps every message instead of showing it.
class RecordingMessages final : public MessageSink {
 public:
  void Warn(const std::string& text) override { warnings << QString::fromStdString(text); }
  void Stop(const std::string& text) override { stops << QString::fromStdString(text); }
  void Clear() {
    warnings.clear();
    stops.clear();
  }

  QStringList warnings;
  QStringList stops;
};
