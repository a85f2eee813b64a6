#pragma once
// File names and file operations of the script library.
//
// Names are split at "/" and also at "\" and a drive colon, so names written
// the Windows way ("C:\data\a.txt") split the same way; a Chinese character
// whose second byte is "\" is never taken for a delimiter.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tagpress {

// Drive and directory part with its final delimiter ("/" appended when it has
// none, so "C:" gives "C:/"); empty when the name has no directory part.
std::string ExtractFilePath(std::string_view path);
// The part after the last delimiter or drive colon.
std::string ExtractFileName(std::string_view path);
// The extension (from the last "." of the file name on) replaced by `ext`,
// or `ext` appended when there is none.
std::string ChangeFileExt(std::string_view path, std::string_view ext);

// Whether scripts may change the file system (delete, rename, create and
// remove). Label texts come from data files that anyone may have written, so
// the text expansion forbids it while it evaluates them; scripts run on
// their own keep it. The switch holds for the current thread: construct one
// to set it, and the previous state returns when it goes out of scope.
class FileChangesAllowed {
 public:
  explicit FileChangesAllowed(bool allowed);
  ~FileChangesAllowed();
  FileChangesAllowed(const FileChangesAllowed&) = delete;
  FileChangesAllowed& operator=(const FileChangesAllowed&) = delete;

  // The state on this thread; true unless a guard forbids it.
  static bool Current();

 private:
  bool previous_;
};

// Each returns true when it did what it names. The changing ones return
// false without touching anything while file changes are forbidden.
bool DeleteFileAt(const std::string& path);
// Fails when the new name exists already (nothing is overwritten).
bool RenameFileTo(const std::string& old_path, const std::string& new_path);
bool CreateDirAt(const std::string& path);  // the parent must exist
bool RemoveDirAt(const std::string& path);  // the directory must be empty

// The size in bytes of a regular file; empty when there is none.
std::optional<int64_t> FileSizeOf(const std::string& path);

// The process's current directory (empty when it cannot be read).
std::string CurrentDirectory();

}  // namespace tagpress
