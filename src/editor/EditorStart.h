#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "CommandLineDocument.h"
#include "MessageSink.h"

namespace korvale {
class FileSystem;
}

// The editor's start-up on every front end: the file named on the command
// line, then the one main window, a `Frame` made over the file system and
// the message sink.
template <class Frame>
class EditorStart {
 public:
  EditorStart(korvale::FileSystem& files, MessageSink& messages)
      : files_(files), messages_(messages) {}

  [[nodiscard]] Frame* MainFrame() const { return frame_.get(); }

 protected:
  // Checks the command line's document (see CommandLineDocumentFailure) and
  // makes the main window. Null when the document cannot be opened: the
  // failure is reported, and the program ends.
  Frame* OpenMainFrame(std::span<const std::string> arguments, std::string_view optionMarks) {
    const std::string failure = CommandLineDocumentFailure(arguments, optionMarks);
    if (!failure.empty()) {
      messages_.Stop(failure);
      return nullptr;
    }
    frame_ = std::make_unique<Frame>(files_, messages_);
    return frame_.get();
  }

 private:
  korvale::FileSystem& files_;
  MessageSink& messages_;
  std::unique_ptr<Frame> frame_;
};
