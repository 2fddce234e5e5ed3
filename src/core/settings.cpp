#include "core/settings.hpp"

#include <filesystem>
#include <limits>

#include "core/textfile.hpp"

namespace tessel {

namespace {

// Blanks and control characters, as the platform's trim removes them.
bool IsBlank(char ch) { return static_cast<unsigned char>(ch) <= ' '; }

std::string Trim(std::string_view s) {
  std::size_t b = 0;
  std::size_t e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return std::string(s.substr(b, e - b));
}

// Index of the first line holding "key=", or -1. An empty key would match
// any "=", which no caller means.
long FindKeyLine(const std::vector<std::string>& lines, std::string_view key, std::size_t* valueAt) {
  if (key.empty()) return -1;
  const std::string needle = std::string(key) + "=";
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t at = lines[i].find(needle);
    if (at != std::string::npos) {
      if (valueAt) *valueAt = at + needle.size();
      return static_cast<long>(i);
    }
  }
  return -1;
}

}  // namespace

const std::vector<std::string>& DefaultSettingsLines() {
  static const std::vector<std::string> lines = {
      "[Board background]",
      "default color=1",
      "Board color1=16777215",
      "Board color2=16747403",
      "[Font color]",
      "default font=1",
      "Fixed Number color=6250335",
      "Big Number color=-1",
      "Candidate color=-1",
      "[High Light color]",
      "default highlight color=1",
      "highlight_color=9938691",
      "[Auto Check New version]",
      "Auto_check=0",
  };
  return lines;
}

std::optional<std::int32_t> ParseSettingInt(std::string_view text, std::string* error) {
  auto fail = [&]() -> std::optional<std::int32_t> {
    if (error) *error = "'" + std::string(text) + "' is not a valid integer value";
    return std::nullopt;
  };
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return fail();
  // Accumulate as a negative magnitude so INT32_MIN fits.
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch < '0' || ch > '9') return fail();
    value = value * 10 + (ch - '0');
    if (value > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) return fail();
  }
  if (negative) value = -value;
  if (value > std::numeric_limits<std::int32_t>::max()) return fail();
  return static_cast<std::int32_t>(value);
}

std::string FormatColour(std::uint32_t colour) { return std::to_string(static_cast<std::int32_t>(colour)); }

void SettingsText::SetBytes(std::string_view bytes) { lines_ = SplitLines(bytes); }

std::string SettingsText::Bytes() const { return JoinCrLf(lines_); }

std::string SettingsText::ReadSetting(std::string_view key) const {
  std::size_t valueAt = 0;
  const long i = FindKeyLine(lines_, key, &valueAt);
  if (i < 0) return {};
  return Trim(std::string_view(lines_[static_cast<std::size_t>(i)]).substr(valueAt));
}

void SettingsText::WriteSetting(std::string_view key, std::string_view value) {
  std::string line = std::string(key) + "=" + std::string(value);
  const long i = FindKeyLine(lines_, key, nullptr);
  if (i < 0) {
    lines_.push_back(std::move(line));
  } else {
    lines_[static_cast<std::size_t>(i)] = std::move(line);
  }
}

bool SettingsText::LoadFile(std::string* error) {
  ReadResult r = ReadWholeFile(path_);
  if (!r.ok) {
    if (error) *error = r.error;
    return false;
  }
  SetBytes(r.bytes);
  return true;
}

bool SettingsText::SaveSettings(std::string* error) const { return WriteFileAtomic(path_, Bytes(), error); }

bool SettingsText::StoreOneSetting(std::string_view key, std::string_view value, std::string* error) {
  WriteSetting(key, value);
  SettingsText onDisk(path_);
  const ReadResult r = ReadWholeFile(path_);
  if (r.ok) {
    onDisk.SetBytes(r.bytes);
  } else if (r.exists || std::filesystem::exists(path_)) {
    // There but unreadable: leave it as it is.
    if (error) *error = r.error;
    return false;
  } else {
    onDisk.SetLines(lines_);
  }
  onDisk.WriteSetting(key, value);
  return onDisk.SaveSettings(error);
}

bool SettingsText::WriteDefaultSettings(std::string* error) {
  SetDefaultLines();
  return SaveSettings(error);
}

}  // namespace tessel
