#include "platform/errors.h"

#include <cstring>

#include "platform/text_codec.h"

namespace tagpress {

namespace {
std::string FileErrorMessage(const std::string& path, const std::string& reason) {
  // Paths come from the file system (UTF-8 on this platform); the message is core text.
  return GBK("文件") + " \"" + Utf8ToGbk(path) + "\": " + reason;
}
}  // namespace

EFileError::EFileError(std::string path, std::string reason)
    : ETagpressError(FileErrorMessage(path, reason)), path_(std::move(path)), reason_(std::move(reason)) {}

std::string SystemErrorText(int error_number) { return Utf8ToGbk(std::strerror(error_number)); }

}  // namespace tagpress
