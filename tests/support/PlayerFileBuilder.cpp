#include "PlayerFileBuilder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "DbaseHeader.h"
#include "StoredForms.h"

namespace korvale::testing {

PlayerFileBuilder::PlayerFileBuilder(int records)
    : bytes_(DbaseHeader(static_cast<std::uint32_t>(records))) {
  for (int k = 0; k < records; ++k) bytes_ += BlankRecord();
}

PlayerFileBuilder& Player(PlayerFileBuilder& b, int k, std::string_view last,
                          std::string_view first, int id, int team, int slot) {
  return b.Text(k, FieldId::LastName, last)
      .Text(k, FieldId::FirstName, first)
      .Number(k, FieldId::PlayerId, id)
      .Number(k, FieldId::Team, team)
      .Number(k, FieldId::RosterSlot, slot);
}

PlayerFileBuilder ThreeOnTwoTeams() {
  PlayerFileBuilder b(3);
  Player(b, 0, "Moss", "Eli", 101, 2, 4);
  Player(b, 1, "Avery", "Tom", 102, 4, 0);
  Player(b, 2, "Cole", "Ray", 103, 2, 0);
  return b;
}

PlayerFileBuilder CheckedRoster() {
  PlayerFileBuilder file(3);
  const char* const last[] = {"Adams", "Baker", "Cole"};
  for (int r = 0; r < 3; ++r) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
      const auto id = static_cast<FieldId>(i);
      if (Field(id).hasRange) file.Number(r, id, Field(id).low);
    }
    file.Text(r, FieldId::FirstName, "Abe").Text(r, FieldId::LastName, last[r]);
    file.Number(r, FieldId::Position, 1);
  }
  return file;
}

PlayerFileBuilder& PlayerFileBuilder::At(std::uint64_t offset, std::string_view bytes) {
  if (bytes_.size() < offset + bytes.size()) bytes_.resize(offset + bytes.size(), ' ');
  bytes_.replace(offset, bytes.size(), bytes);
  return *this;
}

PlayerFileBuilder& PlayerFileBuilder::Raw(int record, FieldId field, std::string_view bytes) {
  const FieldDescriptor& f = Field(field);
  std::string padded(bytes);
  if (padded.size() < f.readWidth) padded.append(f.readWidth - padded.size(), ' ');
  return At(f.OffsetIn(record), padded);
}

PlayerFileBuilder& PlayerFileBuilder::Number(int record, FieldId field, std::int64_t value) {
  return Raw(record, field, EncodeValue(Field(field), value));
}

PlayerFileBuilder& PlayerFileBuilder::Text(int record, FieldId field, std::string_view text) {
  return Raw(record, field, EncodeText(text, Field(field).writeWidth));
}

PlayerFileBuilder& PlayerFileBuilder::Truncate(std::uint64_t length) {
  bytes_.resize(length);
  return *this;
}

std::filesystem::path PlayerFileBuilder::WriteTo(const std::filesystem::path& path) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
  return path;
}

TempDir::TempDir() {
  // A random name, created only if new: the same on every system.
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    char name[32];
    std::snprintf(name, sizeof name, "korvale-test-%08x", static_cast<unsigned>(random()));
    path_ = std::filesystem::temp_directory_path() / name;
    if (std::filesystem::create_directory(path_)) return;
  }
  throw std::runtime_error("cannot make a temporary directory");
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string SpanBytes(const std::string& file, int record, std::uint16_t position,
                      std::size_t width) {
  const std::uint64_t at = kRecordLength * static_cast<std::uint64_t>(record) + position;
  if (at >= file.size()) return {};
  return file.substr(at, width);
}

std::string FieldBytes(const std::string& file, int record, FieldId field) {
  const FieldDescriptor& f = Field(field);
  return SpanBytes(file, record, f.position, f.readWidth);
}

}  // namespace korvale::testing
