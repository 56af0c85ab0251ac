#include "OutputFileBuffer.h"

#include <cerrno>
#include <cstdio>

namespace korvale {

OutputFileBuffer::~OutputFileBuffer() { Close(); }

void OutputFileBuffer::Failed() {
  if (!error_) error_ = {errno != 0 ? errno : EIO, std::generic_category()};
}

bool OutputFileBuffer::Open(const std::filesystem::path& path, bool replace) {
  errno = 0;
  file_ = OpenOutputFile(path, replace).file;
  if (!file_) Failed();
  return IsOpen();
}

bool OutputFileBuffer::Drain() {
  const auto held = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (error_ || !file_) return false;
  errno = 0;
  if (held > 0 && std::fwrite(buffer_.data(), 1, held, file_.get()) != held) {
    Failed();
    return false;
  }
  return true;
}

OutputFileBuffer::int_type OutputFileBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

int OutputFileBuffer::sync() {
  if (!Drain()) return -1;
  errno = 0;
  if (std::fflush(file_.get()) != 0) {
    Failed();
    return -1;
  }
  return 0;
}

bool OutputFileBuffer::Close() {
  if (!file_) return false;
  const bool drained = sync() == 0;
  errno = 0;
  if (!CloseOutputFile(std::move(file_))) Failed();
  return drained && !error_;
}

}  // namespace korvale
