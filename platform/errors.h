#pragma once
// The error classes shared by the whole core.
//
// Messages inside the core are GBK text, like every other text there; the
// edges (windows, terminal) convert them with GbkToUtf8 before showing them.

#include <stdexcept>
#include <string>

namespace tagpress {

// Base of every error the core raises on purpose.
class ETagpressError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A file could not be read, written, created or replaced.
class EFileError : public ETagpressError {
 public:
  EFileError(std::string path, std::string reason);

  const std::string& Path() const { return path_; }
  const std::string& Reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

// A text did not convert to the number, boolean or structure it should hold.
class EConvertError : public ETagpressError {
 public:
  using ETagpressError::ETagpressError;
};

// The reason of the last failed system call, as GBK text.
std::string SystemErrorText(int error_number);

}  // namespace tagpress
