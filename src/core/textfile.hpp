// Whole-file reading and crash-safe writing for the game's small text files.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessel {

struct ReadResult {
  bool exists = false;  // the path names a file
  bool ok = false;      // it was read whole
  std::string bytes;
  std::string error;    // why not, when !ok and exists
};
ReadResult ReadWholeFile(const std::string& path);

// Lines split at CR LF, LF or a lone CR; a final line break adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by CR LF.
std::string JoinCrLf(const std::vector<std::string>& lines);

// Writes to a temporary file in the same folder, flushes it to disk and
// renames it over `path`, so a crash or a full disk leaves the old file
// whole. False with a message in *error on any failure.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error = nullptr);

// A folder of this user's own inside `parent` (the temporary folder, which
// other users share): created with mode 0700, refused when it is a link or
// belongs to someone else, tightened when others could read it. Empty, with
// *error set, when no such folder can be had.
std::string PrivateFolderIn(const std::string& parent, std::string* error = nullptr);

// Test hook: writes fail once this many bytes have gone out (a full disk);
// negative switches it off.
void SetWriteFailureAfterBytesForTesting(long long bytes);

}  // namespace tessel
