#include <sys/resource.h>
#include <sys/stat.h>

#include <functional>

#include "core/gamefile.hpp"
#include "core/gamestore.hpp"
#include "core/settings.hpp"
#include "core/textfile.hpp"
#include "test_util.hpp"

using namespace tessel;
namespace fs = std::filesystem;

namespace {

class TextFile : public testutil::TempFolderTest {
 protected:
  void TearDown() override {
    SetWriteFailureAfterBytesForTesting(-1);
    TempFolderTest::TearDown();
  }
  static unsigned Mode(const std::string& path) { return unsigned(fs::status(path).permissions()) & 0777; }
  // Every entry of the folder, so a left-behind temporary file shows.
  std::vector<std::string> Entries() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir_)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }
};

}  // namespace

TEST_F(TextFile, WriteReplacesWholeReadsBackAndFollowsLinks) {
  const std::string path = Path("games.dat");
  ASSERT_TRUE(WriteFileAtomic(path, "old\r\n"));
  ASSERT_TRUE(WriteFileAtomic(path, "new\r\ncontent\r\n"));
  const ReadResult r = ReadWholeFile(path);
  EXPECT_TRUE(r.exists && r.ok);
  EXPECT_EQ(r.bytes, "new\r\ncontent\r\n");
  EXPECT_EQ(Entries(), std::vector<std::string>{"games.dat"});
  const ReadResult none = ReadWholeFile(Path("missing.dat"));
  EXPECT_FALSE(none.exists || none.ok);
  EXPECT_NE(none.error.find("does not exist"), std::string::npos);
  // A folder under a file's name is named as such.
  fs::create_directory(Path("folder.dat"));
  EXPECT_NE(ReadWholeFile(Path("folder.dat")).error.find("is a folder"), std::string::npos);
  std::string error;
  EXPECT_FALSE(WriteFileAtomic(Path("folder.dat"), "x", &error));
  EXPECT_TRUE(fs::is_directory(Path("folder.dat")));

  // A data file linked into another folder stays a link, and the file behind it
  // keeps its permissions.
  fs::create_directory(Path("synced"));
  const std::string real = Path("synced/doda.ini");
  ASSERT_TRUE(WriteFileAtomic(real, "a=1\r\n"));
  ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
  fs::create_symlink("synced/doda.ini", Path("doda.ini"));

  ASSERT_TRUE(WriteFileAtomic(Path("doda.ini"), "a=2\r\n"));
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Path("doda.ini"))));
  EXPECT_EQ(ReadWholeFile(real).bytes, "a=2\r\n");
  EXPECT_EQ(Mode(real), 0640u);
  EXPECT_EQ(Entries(), (std::vector<std::string>{"doda.ini", "folder.dat", "games.dat", "synced"}));
}

// A full disk, a file size limit and a missing folder all fail the write the
// same way: no crash, the old file whole, no temporary file left.
TEST_F(TextFile, AFailedWriteLeavesTheOldFileWholeAndNoTemporaryFile) {
  const std::string path = Path("lastgame.dat");
  const std::string old = "the old game\r\n";
  ASSERT_TRUE(WriteFileAtomic(path, old));
  std::string error;

  SetWriteFailureAfterBytesForTesting(5);
  EXPECT_FALSE(WriteFileAtomic(path, "a much longer new game\r\n", &error));
  SetWriteFailureAfterBytesForTesting(-1);
  EXPECT_NE(error.find("lastgame.dat"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path).bytes, old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"lastgame.dat"});

  // Without care the limit ends the process with SIGXFSZ.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileAtomic(path, std::string(100000, 'x'), &error);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &saved), 0);
  EXPECT_FALSE(written);
  EXPECT_EQ(ReadWholeFile(path).bytes, old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"lastgame.dat"});

  EXPECT_FALSE(WriteFileAtomic(Path("no/such/folder/x.dat"), "x", &error));
}

// Every data file of the game is written the safe way: a full disk part way
// through any of them leaves the old file whole and no temporary file.
TEST_F(TextFile, EveryDataFileWriterKeepsTheOldFileOnAFailedWrite) {
  const Board board = testutil::BoardWith({});
  TQJ store;
  History history;
  history.Reset(board);
  SettingsText settings(Path("doda.ini"));
  settings.SetLines({"Board color1=255", "Board color2=16777215", "Auto_check=1"});
  const std::vector<std::string> games(13, "0123456789");
  const std::pair<const char*, std::function<bool(std::string*)>> writers[] = {
      {"games.dat", [&](std::string* e) { return WriteGamesFile(Path("games.dat"), games, e); }},
      {"lastgame.dat",
       [&](std::string* e) { return WriteGameFileAt(Path("lastgame.dat"), board, store, history, e); }},
      {"doda.ini", [&](std::string* e) { return settings.SaveSettings(e); }},
  };
  for (const auto& [name, write] : writers) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(WriteFileAtomic(Path(name), "old\r\n"));
    for (long long n : {0LL, 1LL, 40LL}) {
      SetWriteFailureAfterBytesForTesting(n);
      std::string error;
      EXPECT_FALSE(write(&error)) << n;
      EXPECT_FALSE(error.empty());
      SetWriteFailureAfterBytesForTesting(-1);
      EXPECT_EQ(ReadWholeFile(Path(name)).bytes, "old\r\n") << n;
    }
    std::string error;
    EXPECT_TRUE(write(&error)) << error;
    EXPECT_NE(ReadWholeFile(Path(name)).bytes, "old\r\n");
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"doda.ini", "games.dat", "lastgame.dat"}));
}

// The print page's folder in a shared temporary folder: the user's own, and
// nothing another user planted there is followed.
TEST_F(TextFile, PrivateFolderIsTheUsersOwn) {
  std::string error;
  const std::string dir = PrivateFolderIn(dir_.string(), &error);
  ASSERT_FALSE(dir.empty()) << error;
  EXPECT_EQ(Mode(dir), 0700u);
  EXPECT_EQ(PrivateFolderIn(dir_.string(), &error), dir);  // again: the same folder
  ASSERT_EQ(::chmod(dir.c_str(), 0777), 0);
  EXPECT_EQ(PrivateFolderIn(dir_.string(), &error), dir);
  EXPECT_EQ(Mode(dir), 0700u);

  // A link planted under the name is refused, and so is another user's folder.
  fs::remove(dir);
  fs::create_directory(Path("elsewhere"));
  fs::create_directory_symlink(Path("elsewhere"), dir);
  EXPECT_EQ(PrivateFolderIn(dir_.string(), &error), "");
  EXPECT_NE(error.find("not a folder of your own"), std::string::npos) << error;
  fs::remove(dir);
  if (::geteuid() == 0) {
    fs::create_directory(dir);
    ASSERT_EQ(::chown(dir.c_str(), 12345, 12345), 0);
    EXPECT_EQ(PrivateFolderIn(dir_.string(), &error), "");
  }
  error.clear();
  EXPECT_EQ(PrivateFolderIn(Path("missing/parent"), &error), "");
  EXPECT_FALSE(error.empty());
}
