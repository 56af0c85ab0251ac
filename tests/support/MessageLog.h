#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"

// Keeps every message instead of showing it, without a toolkit: the Windows
// tests' recorder, and any test that compares messages as plain strings.
class MessageLog final : public MessageSink {
 public:
  void Warn(const std::string& text) override { warnings.push_back(text); }
  void Stop(const std::string& text) override { stops.push_back(text); }
  void Clear() {
    warnings.clear();
    stops.clear();
  }

  std::vector<std::string> warnings;
  std::vector<std::string> stops;
};
