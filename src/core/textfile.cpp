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
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
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
    const auto kind = std::filesystem::status(path, ec).type();
    r.error = kind == std::filesystem::file_type::not_found ? "'" + path + "' does not exist"
              : kind == std::filesystem::file_type::directory ? "'" + path + "' is a folder, not a file"
                                                               : "'" + path + "' is not a plain file";
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

#if defined(_WIN32)

std::string PrivateFolderIn(const std::string& parent, std::string* error) {
  const std::filesystem::path dir = std::filesystem::path(parent) / "sudokutessel";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec && error) *error = "Cannot create '" + dir.string() + "': " + ec.message();
  return ec ? std::string() : dir.string();
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

#else

namespace {

// A data file may be a link (into a synced folder, say): the new bytes go to
// the file it names, and the link stays.
std::string FollowLinks(const std::string& path) {
  namespace fs = std::filesystem;
  fs::path p(path);
  std::error_code ec;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(p, ec)); ++hops) {
    const fs::path target = fs::read_symlink(p, ec);
    if (ec) break;
    p = target.is_absolute() ? target : p.parent_path() / target;
  }
  return p.string();
}

// A file size limit must fail the write like a full disk, not end the
// program with SIGXFSZ; the old disposition comes back afterwards.
class IgnoreFileSizeSignal {
 public:
  IgnoreFileSizeSignal() {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, &old_);
  }
  ~IgnoreFileSizeSignal() { ::sigaction(SIGXFSZ, &old_, nullptr); }
  IgnoreFileSizeSignal(const IgnoreFileSizeSignal&) = delete;
  IgnoreFileSizeSignal& operator=(const IgnoreFileSizeSignal&) = delete;

 private:
  struct sigaction old_ {};
};

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A fresh name beside the target, created exclusively and never through a
// link, so two running copies (or a planted link) cannot share it.
int CreateTemp(const std::string& target, mode_t mode, std::string& temp) {
  static std::atomic<unsigned> counter{0};
  const std::filesystem::path t(target);
  const std::string base = (t.parent_path() / ("." + t.filename().string())).string();
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = base + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

}  // namespace

std::string PrivateFolderIn(const std::string& parent, std::string* error) {
  const std::string dir = (std::filesystem::path(parent) / ("sudokutessel-" + std::to_string(::getuid()))).string();
  auto fail = [&](const std::string& message) {
    if (error) *error = message;
    return std::string();
  };
  if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST) return fail(ErrnoText("Cannot create", dir));
  struct stat st {};
  if (::lstat(dir.c_str(), &st) != 0) return fail(ErrnoText("Cannot use", dir));
  if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid())
    return fail("Cannot use '" + dir + "': it is not a folder of your own");
  if ((st.st_mode & 077) != 0 && ::chmod(dir.c_str(), 0700) != 0) return fail(ErrnoText("Cannot protect", dir));
  return dir;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, std::string* error) {
  auto fail = [&](const std::string& message) {
    if (error) *error = message;
    return false;
  };
  const std::string target = FollowLinks(path);
  struct stat old {};
  const bool replacing = ::stat(target.c_str(), &old) == 0;
  if (replacing && S_ISDIR(old.st_mode)) return fail("Cannot replace '" + path + "': it is a folder");

  IgnoreFileSizeSignal noSignal;
  std::string temp;
  const int fd = CreateTemp(target, replacing ? 0600 : 0666, temp);
  if (fd < 0) return fail(ErrnoText("Cannot create", temp));

  std::string_view out = bytes;
  const long long limit = g_failAfter.load();
  const bool injected = limit >= 0 && static_cast<unsigned long long>(limit) < bytes.size();
  if (injected) out = bytes.substr(0, static_cast<std::size_t>(limit));
  // The file keeps the permissions it had.
  bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
  ok = ok && WriteAll(fd, out) && !injected && ::fsync(fd) == 0;
  const int savedErrno = injected ? ENOSPC : errno;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    ::unlink(temp.c_str());
    errno = savedErrno;
    return fail(ErrnoText("Cannot write", path));
  }
  if (::rename(temp.c_str(), target.c_str()) != 0) {
    const int renameErrno = errno;
    ::unlink(temp.c_str());
    errno = renameErrno;
    return fail(ErrnoText("Cannot replace", path));
  }
  // The rename itself reaches the disk with its folder.
  const std::string folder = std::filesystem::path(target).parent_path().string();
  const int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

#endif

}  // namespace tessel
