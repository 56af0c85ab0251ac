#include "OutputFileBuffer.h"

namespace korvale {

std::error_code ErrorCodeOf(FileErrorCause cause) {
  switch (cause) {
    case FileErrorCause::NotFound:
      return std::make_error_code(std::errc::no_such_file_or_directory);
    case FileErrorCause::AccessDenied: return std::make_error_code(std::errc::permission_denied);
    case FileErrorCause::SharingViolation:
      return std::make_error_code(std::errc::device_or_resource_busy);
    case FileErrorCause::DiskFull: return std::make_error_code(std::errc::no_space_on_device);
    case FileErrorCause::InvalidHandle: return std::make_error_code(std::errc::bad_file_descriptor);
    default: return std::make_error_code(std::errc::io_error);
  }
}

OutputFileBuffer::~OutputFileBuffer() { Abandon(); }

void OutputFileBuffer::Abandon() {
  if (IsOpen()) (void)system_.Close(handle_);
  handle_ = -1;
}

bool OutputFileBuffer::Check(const SysResult& result) {
  if (!result.ok && !error_) error_ = ErrorCodeOf(result.cause);
  return result.ok;
}

bool OutputFileBuffer::Open(const std::string& path, bool create) {
  error_.clear();
  const SysResult opened = create ? system_.Create(path) : system_.OpenToWrite(path);
  if (Check(opened)) handle_ = static_cast<int>(opened.value);
  return IsOpen();
}

bool OutputFileBuffer::Drain() {
  const auto held = static_cast<std::size_t>(pptr() - pbase());
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  if (error_ || !IsOpen()) return false;
  if (held == 0) return true;
  SysResult put = system_.Write(handle_, buffer_.data(), held);
  if (put.ok && static_cast<std::size_t>(put.value) < held) {
    put = SysResult::Failure(FileErrorCause::DiskFull);
  }
  return Check(put);
}

OutputFileBuffer::int_type OutputFileBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (!traits_type::eq_int_type(c, traits_type::eof())) sputc(traits_type::to_char_type(c));
  return traits_type::not_eof(c);
}

int OutputFileBuffer::sync() { return Drain() ? 0 : -1; }

bool OutputFileBuffer::Close(bool toDisk) {
  if (!IsOpen()) return false;
  const bool drained = Drain();
  if (drained && toDisk) Check(system_.Sync(handle_));
  Check(system_.Close(handle_));
  handle_ = -1;
  return drained && !error_;
}

}  // namespace korvale
