#include "script/library/file_functions.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "platform/text_codec.h"
#include "platform/text_file.h"

namespace tagpress {

namespace {

thread_local bool file_changes_allowed = true;

bool IsDelimiter(char c) { return c == '/' || c == '\\'; }

// Position of the last byte that is one of the delimiters (and, when
// `with_drive`, a colon), skipping the second bytes of Chinese characters;
// npos when there is none.
size_t LastDelimiter(std::string_view path, bool with_drive, bool with_dot) {
  size_t last = std::string_view::npos;
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (IsGbkLeadByte(static_cast<unsigned char>(c))) {
      ++i;
      continue;
    }
    if (IsDelimiter(c) || (with_drive && c == ':') || (with_dot && c == '.')) last = i;
  }
  return last;
}

}  // namespace

std::string ExtractFilePath(std::string_view path) {
  const size_t last = LastDelimiter(path, true, false);
  if (last == std::string_view::npos) return {};
  std::string directory(path.substr(0, last + 1));
  if (!IsDelimiter(directory.back())) directory += '/';
  return directory;
}

std::string ExtractFileName(std::string_view path) {
  const size_t last = LastDelimiter(path, true, false);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext) {
  const size_t last = LastDelimiter(path, true, true);
  const size_t end = last != std::string_view::npos && path[last] == '.' ? last : path.size();
  return std::string(path.substr(0, end)) + std::string(ext);
}

FileChangesAllowed::FileChangesAllowed(bool allowed) : previous_(file_changes_allowed) {
  file_changes_allowed = allowed;
}

FileChangesAllowed::~FileChangesAllowed() { file_changes_allowed = previous_; }

bool FileChangesAllowed::Current() { return file_changes_allowed; }

bool DeleteFileAt(const std::string& path) {
  if (!file_changes_allowed || !FileExists(path)) return false;
  return ::unlink(path.c_str()) == 0;
}

bool RenameFileTo(const std::string& old_path, const std::string& new_path) {
  if (!file_changes_allowed) return false;
  return ::renameat2(AT_FDCWD, old_path.c_str(), AT_FDCWD, new_path.c_str(), RENAME_NOREPLACE) == 0;
}

bool CreateDirAt(const std::string& path) {
  if (!file_changes_allowed) return false;
  return ::mkdir(path.c_str(), 0777) == 0;
}

bool RemoveDirAt(const std::string& path) {
  if (!file_changes_allowed) return false;
  return ::rmdir(path.c_str()) == 0;
}

std::optional<int64_t> FileSizeOf(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  return static_cast<int64_t>(info.st_size);
}

std::string CurrentDirectory() {
  std::string buffer(4096, '\0');
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return {};
  buffer.resize(buffer.find('\0'));
  return buffer;
}

}  // namespace tagpress
