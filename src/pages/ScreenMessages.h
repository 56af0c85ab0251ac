#pragma once

#include "MessageSink.h"

// Message boxes on the screen, over the active window.
MessageSink& ScreenMessages();
