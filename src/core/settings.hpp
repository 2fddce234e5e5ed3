// The appearance settings file doda.ini: an ordered list of "key=value" and
// section lines, read and written whole. Bytes are kept as they are; only the
// line ends change (CR LF or LF on read, CR LF on write).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tessel {

inline constexpr const char* kSettingsFileName = "doda.ini";

// The keys, as they stand in the file.
namespace settingkey {
inline constexpr const char* kDefaultColor = "default color";
inline constexpr const char* kBoardColor1 = "Board color1";
inline constexpr const char* kBoardColor2 = "Board color2";
inline constexpr const char* kDefaultFont = "default font";
inline constexpr const char* kFixedNumberColor = "Fixed Number color";
inline constexpr const char* kBigNumberColor = "Big Number color";
inline constexpr const char* kCandidateColor = "Candidate color";
inline constexpr const char* kDefaultHighlight = "default highlight color";
inline constexpr const char* kHighlightColor = "highlight_color";
inline constexpr const char* kAutoCheck = "Auto_check";
}  // namespace settingkey

// Built-in colours used while a group's default switch holds 1 (0x00BBGGRR).
inline constexpr std::uint32_t kDefaultBoardColor1 = 16777215;
inline constexpr std::uint32_t kDefaultBoardColor2 = 16747403;
inline constexpr std::uint32_t kDefaultFixedColor = 0;
inline constexpr std::uint32_t kDefaultBigColor = 16711680;
inline constexpr std::uint32_t kDefaultCandidateColor = 128;
inline constexpr std::uint32_t kDefaultHighColor = 9813909;

// The 14 lines the defaults routine writes, in order.
const std::vector<std::string>& DefaultSettingsLines();

// A colour value: optional sign and decimal digits, within 32-bit signed.
// Anything else is nullopt; *error then gets the standard conversion text
// "'<text>' is not a valid integer value".
std::optional<std::int32_t> ParseSettingInt(std::string_view text, std::string* error = nullptr);
// A colour as the file holds it: the signed decimal of its 32 bits.
std::string FormatColour(std::uint32_t colour);

class SettingsText {
 public:
  SettingsText() = default;
  explicit SettingsText(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  void SetPath(std::string path) { path_ = std::move(path); }

  const std::vector<std::string>& lines() const { return lines_; }
  void SetLines(std::vector<std::string> lines) { lines_ = std::move(lines); }
  void SetBytes(std::string_view bytes);
  std::string Bytes() const;  // every line followed by CR LF

  // The value after the first "key=" found anywhere in a line, trimmed;
  // empty when no line holds it.
  std::string ReadSetting(std::string_view key) const;
  // Replaces the first line holding "key=" by "key=value", else appends it.
  void WriteSetting(std::string_view key, std::string_view value);

  // Reads the file into the lines. False (lines untouched) when it is
  // missing or unreadable; *error says why.
  bool LoadFile(std::string* error = nullptr);
  // Writes the lines through the atomic writer: on failure the old file
  // stays whole and *error says why.
  bool SaveSettings(std::string* error = nullptr) const;
  // Sets one key here and in the file as it is now, leaving every other line
  // of the file alone: another running copy may have saved its colours since
  // this one read them. A missing file gets these lines; an unreadable one is
  // left as it is (false).
  bool StoreOneSetting(std::string_view key, std::string_view value, std::string* error = nullptr);
  // The 14 default lines, in memory only.
  void SetDefaultLines() { lines_ = DefaultSettingsLines(); }
  // The 14 default lines, then SaveSettings. The lines hold the defaults
  // even when the write fails.
  bool WriteDefaultSettings(std::string* error = nullptr);

 private:
  std::string path_;
  std::vector<std::string> lines_;
};

}  // namespace tessel
