#include "platform/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/errors.h"
#include "platform/text_codec.h"

namespace tagpress {

namespace {

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }
  int release() {
    int fd = fd_;
    fd_ = -1;
    return fd;
  }

 private:
  int fd_;
};

[[noreturn]] void ThrowFileError(const std::string& path, int error_number) {
  throw EFileError(path, SystemErrorText(error_number));
}

void WriteAll(int fd, std::string_view content, const std::string& path) {
  const char* p = content.data();
  size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(path, errno);
    }
    p += n;
    left -= static_cast<size_t>(n);
  }
}

std::string TemporaryNameBeside(const std::string& path) {
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".tmp%016llx", static_cast<unsigned long long>(generator()));
  std::filesystem::path p(path);
  std::filesystem::path dir = p.parent_path();
  std::string name = "." + p.filename().string() + suffix;
  return dir.empty() ? name : (dir / name).string();
}

}  // namespace

std::string ReadFileBytes(const std::string& path) {
  FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) ThrowFileError(path, errno);
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) ThrowFileError(path, errno);
  if (S_ISDIR(st.st_mode)) ThrowFileError(path, EISDIR);
  std::string content;
  if (st.st_size > 0) content.reserve(static_cast<size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
    if (n < 0) {
      if (errno == EINTR) continue;
      ThrowFileError(path, errno);
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  return content;
}

TextLines SplitTextLines(std::string_view text) {
  size_t nul = text.find('\0');
  if (nul != std::string_view::npos) text = text.substr(0, nul);
  TextLines lines;
  size_t start = 0;
  const size_t size = text.size();
  size_t i = 0;
  while (i < size) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(text.substr(start, i - start));
      if (c == '\r' && i + 1 < size && text[i + 1] == '\n') ++i;
      ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < size) lines.emplace_back(text.substr(start));
  return lines;
}

std::string JoinTextLines(const TextLines& lines) {
  size_t total = 0;
  for (const auto& line : lines) total += line.size() + 2;
  std::string text;
  text.reserve(total);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

TextLines ReadTextLines(const std::string& path) { return SplitTextLines(ReadFileBytes(path)); }

std::string DataFileTextToGbk(std::string_view bytes) {
  static constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) return Utf8ToGbk(bytes.substr(kBom.size()));
  // The NUL rule applies before the encoding is judged.
  std::string_view text = bytes.substr(0, bytes.find('\0'));
  if (LooksLikeUtf8(text)) return Utf8ToGbk(text);
  return std::string(bytes);
}

TextLines ReadDataFileLines(const std::string& path) {
  return SplitTextLines(DataFileTextToGbk(ReadFileBytes(path)));
}

void WriteTextLines(const std::string& path, const TextLines& lines) {
  ReplaceFileAtomically(path, JoinTextLines(lines));
}

void ReplaceFileAtomically(const std::string& path, std::string_view content) {
  // Keep the permissions of an existing file; new files get the usual 0666 & ~umask.
  mode_t mode = 0666;
  struct stat old {};
  bool exists = ::stat(path.c_str(), &old) == 0;
  if (exists && S_ISDIR(old.st_mode)) ThrowFileError(path, EISDIR);
  if (exists) mode = old.st_mode & 07777;

  const std::string temporary = TemporaryNameBeside(path);
  FileDescriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (fd.get() < 0) ThrowFileError(path, errno);
  try {
    WriteAll(fd.get(), content, path);
    if (exists) {
      if (::fchmod(fd.get(), mode) != 0) ThrowFileError(path, errno);
    } else {
      mode_t mask = ::umask(0);
      ::umask(mask);
      if (::fchmod(fd.get(), 0666 & ~mask) != 0) ThrowFileError(path, errno);
    }
    if (::fsync(fd.get()) != 0) ThrowFileError(path, errno);
    if (::close(fd.release()) != 0) ThrowFileError(path, errno);
    if (::rename(temporary.c_str(), path.c_str()) != 0) ThrowFileError(path, errno);
  } catch (...) {
    ::unlink(temporary.c_str());
    throw;
  }
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

}  // namespace tagpress
