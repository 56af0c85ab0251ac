#pragma once

#include <utility>

#include "FileError.h"
#include "MessageSink.h"

// The one boundary per event handler: a file error ends the handler, keeps
// what was done before it and is reported with its message.
template <typename Action>
bool Guarded(MessageSink& messages, Action&& action) {
  try {
    std::forward<Action>(action)();
    return true;
  } catch (const korvale::FileError& error) {
    messages.Stop(error.Message());
    return false;
  }
}
