#include "core/textfile.hpp"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#define TESSEL_FSYNC(fd) _commit(fd)
#define TESSEL_FILENO(f) _fileno(f)
#else
#include <unistd.h>
#define TESSEL_FSYNC(fd) ::fsync(fd)
#define TESSEL_FILENO(f) ::fileno(f)
#endif

namespace tessel {

namespace {

std::atomic<long long> g_failAfter{-1};

std::string ErrnoText(const std::string& what, const std::string& path) {
  return what + " '" + path + "': " + std::strerror(errno);
}

}  // namespace

void SetWriteFailureAfterBytesForTesting(long long bytes) { g_failAfter = bytes; }

ReadResult ReadWholeFile(const std::string& path) {
  ReadResult r;
  std::error_code ec;
  r.exists = std::filesystem::is_regular_file(path, ec);
  if (!r.exists) {
    r.error = "'" + path + "' does not exist";
    return r;
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    r.error = ErrnoText("Cannot open", path);
    return r;
  }
  std::ostringstream ss;
  ss << in.rdbuf();
  if (in.bad()) {
    r.error = ErrnoText("Cannot read", path);
    return r;
  }
  r.bytes = ss.str();
  r.ok = true;
  return r;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char ch = text[i];
    if (ch == '\r' || ch == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line += ch;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error) {
  auto fail = [&](const std::string& message) {
    if (error) *error = message;
    return false;
  };
  const std::string temp = path + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return fail(ErrnoText("Cannot create", temp));

  std::size_t allowed = bytes.size();
  const long long limit = g_failAfter.load();
  const bool injected = limit >= 0 && static_cast<unsigned long long>(limit) < bytes.size();
  if (injected) allowed = static_cast<std::size_t>(limit);
  const bool written = std::fwrite(bytes.data(), 1, allowed, f) == allowed && !injected;
  const bool flushed = written && std::fflush(f) == 0 && TESSEL_FSYNC(TESSEL_FILENO(f)) == 0;
  const int savedErrno = injected ? ENOSPC : errno;
  std::fclose(f);
  if (!flushed) {
    std::remove(temp.c_str());
    errno = savedErrno;
    return fail(ErrnoText("Cannot write", path));
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::remove(temp.c_str());
    return fail("Cannot replace '" + path + "': " + ec.message());
  }
  return true;
}

}  // namespace tessel
