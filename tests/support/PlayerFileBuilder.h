#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "RecordLayout.h"

namespace korvale::testing {

// Builds player files for tests: a dBase III header (3745 bytes) and N blank
// records of 614 bytes, with any field of any record set through the layout.
class PlayerFileBuilder {
 public:
  explicit PlayerFileBuilder(int records);

  // The exact stored bytes, space-filled to the field's read width.
  PlayerFileBuilder& Raw(int record, FieldId field, std::string_view bytes);
  // A value in the field's stored form.
  PlayerFileBuilder& Number(int record, FieldId field, std::int64_t value);
  PlayerFileBuilder& Text(int record, FieldId field, std::string_view text);
  // Bytes at an absolute file offset (the file grows if needed).
  PlayerFileBuilder& At(std::uint64_t offset, std::string_view bytes);
  // Cuts the file to this many bytes.
  PlayerFileBuilder& Truncate(std::uint64_t length);

  [[nodiscard]] const std::string& Bytes() const { return bytes_; }
  std::filesystem::path WriteTo(const std::filesystem::path& path) const;

 private:
  std::string bytes_;
};

// Three players, "Abe Adams", "Abe Baker" and "Abe Cole", playing
// position 1, every ranged field at its lowest value: every page's values
// pass their checks.
[[nodiscard]] PlayerFileBuilder CheckedRoster();

// Record k with the fields the editor's lists show.
PlayerFileBuilder& Player(PlayerFileBuilder& b, int k, std::string_view last,
                          std::string_view first, int id, int team, int slot);
// Three players for the lists: "Moss, Eli" (101, slot 4) and "Cole, Ray"
// (103, slot 0) on team 2, "Avery, Tom" (102, slot 0) on team 4.
[[nodiscard]] PlayerFileBuilder ThreeOnTwoTeams();

// A fresh directory under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  [[nodiscard]] const std::filesystem::path& Path() const { return path_; }
  [[nodiscard]] std::filesystem::path operator/(std::string_view name) const {
    return path_ / name;
  }

 private:
  std::filesystem::path path_;
};

[[nodiscard]] std::string ReadAll(const std::filesystem::path& path);
// The bytes of one field of one record in a whole-file image.
[[nodiscard]] std::string FieldBytes(const std::string& file, int record, FieldId field);
// The bytes at 614*record + position, `width` of them.
[[nodiscard]] std::string SpanBytes(const std::string& file, int record, std::uint16_t position,
                                    std::size_t width);

}  // namespace korvale::testing
