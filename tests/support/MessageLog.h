#pragma once

#include <functional>
#include <string>
#include <vector>

#include "MessageSink.h"

// Keeps every message instead of showing it, without a toolkit.
class MessageLog final : public MessageSink {
 public:
  void Warn(const std::string& text) override {
    warnings.push_back(text);
    if (whileShown) whileShown();
  }
  void Stop(const std::string& text) override {
    stops.push_back(text);
    if (whileShown) whileShown();
  }
  void Clear() {
    warnings.clear();
    stops.clear();
  }

  std::vector<std::string> warnings;
  std::vector<std::string> stops;
  // What arrives while a box would be up, through its loop.
  std::function<void()> whileShown;
};
