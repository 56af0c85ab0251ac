#pragma once

#include <QString>
#include <QStringList>

#include "MessageSink.h"

// Keeps every message instead of showing it.
class RecordingMessages final : public MessageSink {
 public:
  void Warn(const QString& text) override { warnings << text; }
  void Stop(const QString& text) override { stops << text; }
  void Clear() {
    warnings.clear();
    stops.clear();
  }

  QStringList warnings;
  QStringList stops;
};
