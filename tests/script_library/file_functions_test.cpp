#include "script/library/file_functions.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

using testing::TempDir;

TEST(FileNames, PathNameAndExtension) {
  struct Case {
    const char* path;
    const char* directory;
    const char* name;
    const char* with_txt;  // ChangeFileExt(path, ".txt")
  };
  static const Case kCases[] = {
      /*0*/ {"/data/labels/a.csv", "/data/labels/", "a.csv", "/data/labels/a.txt"},
      /*1*/ {"a.csv", "", "a.csv", "a.txt"},
      /*2*/ {"C:", "C:/", "", "C:.txt"},
      /*3*/ {"C:\\data\\a", "C:\\data\\", "a", "C:\\data\\a.txt"},
      /*4*/ {"/x.y/z", "/x.y/", "z", "/x.y/z.txt"},
      /*5*/ {"", "", "", ".txt"},
      /*6*/ {"a.tar.gz", "", "a.tar.gz", "a.tar.txt"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ExtractFilePath(kCases[i].path), kCases[i].directory);
    EXPECT_EQ(ExtractFileName(kCases[i].path), kCases[i].name);
    EXPECT_EQ(ChangeFileExt(kCases[i].path, ".txt"), kCases[i].with_txt);
  }
}

TEST(FileNames, SecondBytesOfChineseCharactersAreNoDelimiters) {
  // 螈 is F2 5C in GBK: its second byte is a backslash.
  const std::string name = "/data/\xF2\x5C.txt";
  EXPECT_EQ(ExtractFilePath(name), "/data/");
  EXPECT_EQ(ExtractFileName(name), "\xF2\x5C.txt");
}

TEST(FileOperations, ChangeTheFileSystem) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "12345");
  EXPECT_EQ(FileSizeOf(file), 5);
  EXPECT_EQ(FileSizeOf(dir.File("none")), std::nullopt);
  EXPECT_EQ(FileSizeOf(dir.path().string()), std::nullopt);  // a directory has no file size

  const std::string renamed = dir.File("b.txt");
  EXPECT_TRUE(RenameFileTo(file, renamed));
  EXPECT_TRUE(FileExists(renamed));
  dir.Write("c.txt", "keep");
  EXPECT_FALSE(RenameFileTo(renamed, dir.File("c.txt")));  // never overwrites
  EXPECT_EQ(TempDir::Read(dir.File("c.txt")), "keep");

  EXPECT_TRUE(DeleteFileAt(renamed));
  EXPECT_FALSE(FileExists(renamed));
  EXPECT_FALSE(DeleteFileAt(renamed));

  const std::string sub = dir.File("sub");
  EXPECT_TRUE(CreateDirAt(sub));
  EXPECT_TRUE(DirectoryExists(sub));
  EXPECT_FALSE(CreateDirAt(dir.File("x/y")));  // the parent must exist
  EXPECT_FALSE(DeleteFileAt(sub));             // not a file
  EXPECT_TRUE(RemoveDirAt(sub));
  EXPECT_FALSE(DirectoryExists(sub));
  EXPECT_FALSE(CurrentDirectory().empty());
}

TEST(FileOperations, ForbiddenChangesLeaveEverythingAsItWas) {
  TempDir dir;
  const std::string file = dir.Write("a.txt", "data");
  const std::string empty_dir = dir.File("empty");
  ASSERT_TRUE(CreateDirAt(empty_dir));
  {
    FileChangesAllowed forbid(false);
    EXPECT_FALSE(FileChangesAllowed::Current());
    EXPECT_FALSE(DeleteFileAt(file));
    EXPECT_FALSE(RenameFileTo(file, dir.File("b.txt")));
    EXPECT_FALSE(CreateDirAt(dir.File("new")));
    EXPECT_FALSE(RemoveDirAt(empty_dir));
    { FileChangesAllowed nested(false); }
    EXPECT_FALSE(FileChangesAllowed::Current());  // the inner guard restores "forbidden"
  }
  EXPECT_TRUE(FileChangesAllowed::Current());
  EXPECT_EQ(TempDir::Read(file), "data");
  EXPECT_FALSE(FileExists(dir.File("b.txt")));
  EXPECT_FALSE(DirectoryExists(dir.File("new")));
  EXPECT_TRUE(DirectoryExists(empty_dir));
}

}  // namespace
}  // namespace tagpress
