#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "core/textfile.hpp"

using namespace tessel;

namespace {

std::string Scratch(const std::string& name) {
  const auto dir = std::filesystem::path(testing::TempDir()) / ("textfile_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  return (dir / name).string();
}

}  // namespace

TEST(TextFile, LinesInEveryLineEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(JoinCrLf({"x", "", "\xe5\x90\x8d"}), "x\r\n\r\n\xe5\x90\x8d\r\n");  // bytes kept
}

TEST(TextFile, WriteReplacesWholeAndReadsBack) {
  const std::string path = Scratch("games.dat");
  ASSERT_TRUE(WriteFileAtomic(path, "old\r\n"));
  ASSERT_TRUE(WriteFileAtomic(path, "new\r\ncontent\r\n"));
  const ReadResult r = ReadWholeFile(path);
  EXPECT_TRUE(r.exists && r.ok);
  EXPECT_EQ(r.bytes, "new\r\ncontent\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  const ReadResult none = ReadWholeFile(Scratch("missing.dat"));
  EXPECT_FALSE(none.exists);
  EXPECT_FALSE(none.ok);
}

TEST(TextFile, AFullDiskLeavesTheOldFileWhole) {
  const std::string path = Scratch("lastgame.dat");
  ASSERT_TRUE(WriteFileAtomic(path, "the old game\r\n"));
  SetWriteFailureAfterBytesForTesting(5);
  std::string error;
  EXPECT_FALSE(WriteFileAtomic(path, "a much longer new game\r\n", &error));
  SetWriteFailureAfterBytesForTesting(-1);
  EXPECT_NE(error.find("lastgame.dat"), std::string::npos);
  EXPECT_EQ(ReadWholeFile(path).bytes, "the old game\r\n");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
  // A folder that does not exist is a failure, not a crash.
  EXPECT_FALSE(WriteFileAtomic(Scratch("no/such/folder/x.dat"), "x", &error));
}
