#include "script/library/format_text.h"

#include <algorithm>
#include <cstdio>

#include "platform/errors.h"
#include "platform/text_codec.h"
#include "script/library/float_text.h"
#include "script/library/text_functions.h"

namespace tagpress {

namespace {

struct Placeholder {
  bool left_aligned = false;
  int64_t width = -1;      // -1: none
  int64_t precision = -1;  // -1: none
  char type = 0;           // upper case
};

class Formatter {
 public:
  Formatter(std::string_view format, const FormatArgument& argument) : format_(format), argument_(argument) {}

  std::string Run() {
    size_t i = 0;
    while (i < format_.size()) {
      const char c = format_[i];
      if (IsGbkLeadByte(static_cast<unsigned char>(c)) && i + 1 < format_.size()) {
        out_.append(format_.substr(i, 2));
        i += 2;
      } else if (c != '%') {
        out_ += c;
        ++i;
      } else if (i + 1 < format_.size() && format_[i + 1] == '%') {
        out_ += '%';
        i += 2;
      } else {
        i = WritePlaceholder(i + 1);
      }
      CheckTextSize(out_.size());
    }
    return out_;
  }

 private:
  [[noreturn]] void Fail() const {
    throw EConvertError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
  }

  // Reads digits or "*" at `at`; returns -1 when there are none.
  int64_t ReadNumber(size_t& at) {
    if (at < format_.size() && format_[at] == '*') {
      ++at;
      return std::max<int64_t>(NextInteger(), 0);
    }
    int64_t value = -1;
    while (at < format_.size() && format_[at] >= '0' && format_[at] <= '9') {
      value = (value < 0 ? 0 : value * 10) + (format_[at++] - '0');
      if (value > static_cast<int64_t>(kMaxTextResult)) CheckTextSize(kMaxTextResult + 1);
    }
    return value;
  }

  const FormatArgument& NextArgument() {
    if (next_index_ != 0) Fail();  // only one argument is ever passed
    ++next_index_;
    return argument_;
  }

  int32_t NextInteger() {
    const FormatArgument& argument = NextArgument();
    if (!std::holds_alternative<int32_t>(argument)) Fail();
    return std::get<int32_t>(argument);
  }

  size_t WritePlaceholder(size_t at) {
    Placeholder placeholder;
    int64_t number = ReadNumber(at);
    if (at < format_.size() && format_[at] == ':') {
      if (number < 0) number = 0;
      next_index_ = static_cast<int>(std::min<int64_t>(number, 1));
      ++at;
      number = -1;
    }
    if (number < 0) {
      if (at < format_.size() && format_[at] == '-') {
        placeholder.left_aligned = true;
        ++at;
      }
      number = ReadNumber(at);
    }
    placeholder.width = number;
    if (at < format_.size() && format_[at] == '.') {
      ++at;
      placeholder.precision = std::max<int64_t>(ReadNumber(at), 0);
    }
    if (at >= format_.size()) Fail();
    placeholder.type = format_[at];
    if (placeholder.type >= 'a' && placeholder.type <= 'z')
      placeholder.type = static_cast<char>(placeholder.type - 32);
    Pad(Convert(placeholder), placeholder);
    return at + 1;
  }

  std::string Convert(const Placeholder& placeholder) {
    switch (placeholder.type) {
      case 'D':
      case 'U':
      case 'X':
      case 'P':
        return IntegerText(placeholder, NextInteger());
      case 'E':
      case 'F':
      case 'G':
      case 'N':
      case 'M':
        return RealText(placeholder, NextReal());
      case 'S': {
        const FormatArgument& argument = NextArgument();
        if (!std::holds_alternative<std::string>(argument)) Fail();
        const std::string& text = std::get<std::string>(argument);
        return placeholder.precision >= 0 ? LeftBytes(text, placeholder.precision) : text;
      }
      default:
        Fail();
    }
  }

  double NextReal() {
    const FormatArgument& argument = NextArgument();
    if (!std::holds_alternative<double>(argument)) Fail();
    return std::get<double>(argument);
  }

  static std::string IntegerText(const Placeholder& placeholder, int32_t value) {
    char buffer[32];
    const auto bits = static_cast<uint32_t>(value);
    bool negative = false;
    switch (placeholder.type) {
      case 'D':
        negative = value < 0;
        std::snprintf(buffer, sizeof buffer, "%u", negative ? 0u - bits : bits);
        break;
      case 'U':
        std::snprintf(buffer, sizeof buffer, "%u", bits);
        break;
      case 'X':
        std::snprintf(buffer, sizeof buffer, "%X", bits);
        break;
      default:  // 'P'
        std::snprintf(buffer, sizeof buffer, "%08X", bits);
        return buffer;
    }
    std::string digits = buffer;
    if (placeholder.precision > static_cast<int64_t>(digits.size()))
      digits.insert(0, static_cast<size_t>(placeholder.precision) - digits.size(), '0');
    return negative ? "-" + digits : digits;
  }

  static std::string RealText(const Placeholder& placeholder, double value) {
    const auto precision = static_cast<int>(std::min<int64_t>(placeholder.precision, 1000));
    switch (placeholder.type) {
      case 'E':
        return FormatExponent(value, precision < 0 ? 15 : precision);
      case 'F':
        return FormatFixed(value, precision < 0 ? 2 : precision);
      case 'G':
        return FormatGeneral(value, precision < 0 ? 15 : precision, 3);
      case 'N':
        return FormatFixed(value, precision < 0 ? 2 : precision, true);
      default:  // 'M': the currency symbol first, the sign after it ("￥-1.00")
        return GBK("￥") + FormatFixed(value, precision < 0 ? 2 : precision, true);
    }
  }

  void Pad(const std::string& text, const Placeholder& placeholder) {
    const int64_t blanks = placeholder.width - static_cast<int64_t>(text.size());
    if (blanks > 0 && !placeholder.left_aligned) out_.append(static_cast<size_t>(blanks), ' ');
    out_ += text;
    if (blanks > 0 && placeholder.left_aligned) out_.append(static_cast<size_t>(blanks), ' ');
  }

  std::string_view format_;
  const FormatArgument& argument_;
  int next_index_ = 0;
  std::string out_;
};

}  // namespace

std::string FormatText(std::string_view format, const FormatArgument& argument) {
  return Formatter(format, argument).Run();
}

}  // namespace tagpress
