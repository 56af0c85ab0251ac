#include "CloseGate.h"

#include <utility>

bool CloseGate::MayClose(std::function<void()> again) {
  if (depth_ == 0) return true;
  again_ = std::move(again);
  return false;
}

// The gate may be gone once `again` has run: nothing follows it.
void CloseGate::Release() {
  if (--depth_ > 0 || !again_) return;
  const std::function<void()> again = std::exchange(again_, nullptr);
  again();
}
