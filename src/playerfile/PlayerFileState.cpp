#include "PlayerFileState.h"

#include <utility>
#include <vector>

#include "DbaseHeader.h"
#include "LittleEndian.h"

namespace korvale {
namespace {

// Bytes 8-11 of a dBase header: header length and record length, each
// little-endian in two bytes.
constexpr std::size_t kPlayerHeaderProbe = 12;

// A field's text ends at its first zero byte.
std::string_view UpToZero(std::string_view bytes) { return bytes.substr(0, bytes.find('\0')); }

}  // namespace

PlayerFileState::PlayerFileState(FileSystem& system) : system_(system) {}

PlayerFileState::~PlayerFileState() {
  if (handle_) (void)system_.Close(*handle_);
}

void PlayerFileState::OpenPlayerFile(const std::string& path) { Adopt(system_.Open(path), path); }

void PlayerFileState::OpenPlayerFileToRead(const std::string& path) {
  Adopt(system_.OpenShared(path), path);
}

void PlayerFileState::Adopt(const SysResult& opened, const std::string& path) {
  if (!opened.ok) throw FileError(opened.cause, path);
  if (handle_) (void)system_.Close(*handle_);
  handle_ = static_cast<int>(opened.value);
  filePath_ = path;
}

void PlayerFileState::CheckPlayerFile() {
  if (!IsPlayerFileHeader(ReadBytes(0, kPlayerHeaderProbe))) {
    throw FileError(FileErrorCause::NotPlayerFile, filePath_);
  }
}

void PlayerFileState::ClosePlayerFile() {
  currentRecord_ = 0;
  const std::optional<int> handle = std::exchange(handle_, std::nullopt);
  filePath_.clear();
  if (!handle) return;
  const SysResult closed = system_.Close(*handle);
  if (!closed.ok) throw FileError(closed.cause, FileError::kUnnamedFile);
}

int PlayerFileState::Handle() const {
  if (!handle_) throw FileError(FileErrorCause::InvalidHandle, FileError::kUnnamedFile);
  return *handle_;
}

std::uint64_t PlayerFileState::FileLength() {
  const SysResult length = system_.Length(Handle());
  if (!length.ok) throw FileError(length.cause, FileError::kUnnamedFile);
  return static_cast<std::uint64_t>(length.value);
}

void PlayerFileState::SeekTo(std::uint64_t offset) {
  const SysResult moved = system_.Seek(Handle(), offset);
  if (!moved.ok) throw FileError(moved.cause, FileError::kUnnamedFile);
}

std::string PlayerFileState::ReadBytes(std::uint64_t offset, std::size_t size) {
  std::string buffer;
  ReadBytesInto(offset, size, buffer);
  return buffer;
}

void PlayerFileState::ReadBytesInto(std::uint64_t offset, std::size_t size, std::string& buffer) {
  buffer.resize(size);
  buffer.resize(ReadBytesTo(offset, buffer.data(), size));
}

std::size_t PlayerFileState::ReadBytesTo(std::uint64_t offset, char* out, std::size_t size) {
  SeekTo(offset);
  const SysResult got = system_.Read(Handle(), out, size);
  if (!got.ok) throw FileError(got.cause, FileError::kUnnamedFile);
  return static_cast<std::size_t>(got.value);
}

std::string PlayerFileState::ReadField(std::int64_t record, std::uint16_t position,
                                       std::size_t width) {
  std::string bytes =
      ReadBytes(kRecordLength * static_cast<std::uint64_t>(record) + position, width);
  bytes.resize(UpToZero(bytes).size());
  return bytes;
}

std::string PlayerFileState::ReadField(std::int64_t record, FieldId field) {
  const FieldDescriptor& f = Field(field);
  return ReadField(record, f.position, f.readWidth);
}

void PlayerFileState::WriteField(std::uint16_t position, std::string_view bytes) {
  const std::uint64_t offset =
      kRecordLength * static_cast<std::uint64_t>(currentRecord_) + position;
  if (offset + bytes.size() > FileLength()) {
    throw FileError(FileErrorCause::BeyondEnd, filePath_);
  }
  PutBytes(offset, bytes);
}

void PlayerFileState::Sync() {
  const SysResult synced = system_.Sync(Handle());
  if (!synced.ok) throw FileError(synced.cause, filePath_);
}

void PlayerFileState::PutBytes(std::uint64_t offset, std::string_view bytes) {
  const int handle = Handle();
  const SysResult moved = system_.Seek(handle, offset);
  if (!moved.ok) throw FileError(moved.cause, FileError::kUnnamedFile);
  const SysResult put = system_.Write(handle, bytes.data(), bytes.size());
  if (!put.ok) throw FileError(put.cause, filePath_);
  if (static_cast<std::size_t>(put.value) < bytes.size()) {
    throw FileError(FileErrorCause::DiskFull, filePath_);
  }
}

void PlayerFileState::WriteField(FieldId field, std::string_view bytes) {
  WriteField(Field(field).position, bytes);
}

bool PlayerFileState::RecordReaches(std::uint64_t length, std::int64_t record, FieldId bounding) {
  return Field(bounding).OffsetIn(record) < length;
}

std::int64_t PlayerFileState::RecordCount(std::uint64_t length) {
  const std::uint64_t first = Field(FieldId::LastName).position;
  if (length <= first) return 0;
  return static_cast<std::int64_t>((length - first - 1) / kRecordLength + 1);
}

bool IsPlayerFileHeader(std::string_view firstBytes) {
  if (firstBytes.size() < kPlayerHeaderProbe) return false;
  return ReadLittleEndian(firstBytes, 8, 2) == kDbaseHeaderLength &&
         ReadLittleEndian(firstBytes, 10, 2) == kRecordLength;
}

std::string FieldFromSpan(std::string_view span, std::uint16_t spanStart,
                          const FieldDescriptor& field) {
  const std::size_t from = field.position - spanStart;
  if (from >= span.size()) return {};
  return std::string(UpToZero(span.substr(from, field.readWidth)));
}

}  // namespace korvale
