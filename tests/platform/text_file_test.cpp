#include "platform/text_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TEST(SplitTextLines, LineEndsAndNul) {
  struct Case {
    std::string text;
    TextLines lines;
  };
  const Case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb", {"a", "b"}},
      {"a\nb\rc\r\nd", {"a", "b", "c", "d"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},  // LF then CR are two line ends
      {std::string("a\r\nb\0c\r\nd", 9), {"a", "b"}},
      {std::string("\0abc", 4), {}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(SplitTextLines(cases[i].text), cases[i].lines);
  }
}

TEST(TextFile, WritesCrLfWithoutBomAndReadsBack) {
  TempDir dir;
  const std::string file = dir.File("t.txt");
  const TextLines lines = {"BarHeight=8.00", GBK("UpText=品牌"), ""};
  WriteTextLines(file, lines);
  EXPECT_EQ(TempDir::Read(file), "BarHeight=8.00\r\n" + GBK("UpText=品牌") + "\r\n\r\n");
  EXPECT_EQ(ReadTextLines(file), lines);
}

TEST(TextFile, DataFilesInUtf8AreConvertedAndOthersKept) {
  TempDir dir;
  const std::string gbk_line = GBK("6920,苹果,单价");
  struct Case {
    std::string bytes;
    TextLines expected;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF" "6920,苹果,单价\r\n", {gbk_line}},  // byte-order mark
      {"6920,苹果,单价\n", {gbk_line}},                   // valid UTF-8 with Chinese
      {gbk_line + "\r\n", {gbk_line}},                    // GBK stays as it is
      {"\xEF\xBB\xBF" "abc", {"abc"}},
      {"plain,ascii", {"plain,ascii"}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ReadDataFileLines(dir.Write("d" + std::to_string(i), cases[i].bytes)), cases[i].expected);
  }
}

TEST(TextFile, MissingFileNamesPathAndReason) {
  TempDir dir;
  const std::string missing = dir.File("missing.bcf");
  try {
    ReadTextLines(missing);
    FAIL() << "no error";
  } catch (const EFileError& e) {
    EXPECT_EQ(e.Path(), missing);
    EXPECT_NE(std::string(e.what()).find("missing.bcf"), std::string::npos);
    EXPECT_FALSE(e.Reason().empty());
  }
  EXPECT_THROW(ReadTextLines(dir.path().string()), EFileError);  // a directory
}

TEST(AtomicReplace, ReplacesAndKeepsPermissionsWithoutLeftovers) {
  TempDir dir;
  const std::string file = dir.Write("Default.bct", "old\r\n");
  ::chmod(file.c_str(), 0640);
  ReplaceFileAtomically(file, "new\r\n");
  EXPECT_EQ(TempDir::Read(file), "new\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

TEST(AtomicReplace, FailureLeavesOldFileAlone) {
  TempDir dir;
  // The target is a directory holding a file: the save fails and both stay.
  std::filesystem::create_directory(dir.path() / "target");
  const std::string inner = dir.Write("target/keep", "keep");
  EXPECT_THROW(ReplaceFileAtomically(dir.File("target"), "x"), EFileError);
  EXPECT_EQ(TempDir::Read(inner), "keep");
  // A folder that does not exist.
  EXPECT_THROW(ReplaceFileAtomically(dir.File("nowhere/file"), "x"), EFileError);
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1u);
}

}  // namespace
}  // namespace tagpress
