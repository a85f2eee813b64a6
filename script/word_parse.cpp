#include "script/word_parse.h"

#include "platform/text_codec.h"
#include "platform/ascii_text.h"

namespace tagpress {

namespace {

struct TWord {
  std::string_view name;
  int16_t code;
};

// The word operators, recognised wherever an identifier ends.
constexpr TWord kWordOperators[] = {
    {"and", opAnd}, {"or", opOr},   {"not", opNot}, {"shl", opShl},
    {"shr", opShr}, {"xor", opXor}, {"mod", opMod}, {"in", opIn},
};

// The reserved words with their codes.
constexpr TWord kReservedWords[] = {
    {"FUNCTION", rwFunction},
    {"END", rwEnd},
    {"IF", rwIf},
    {"ELSE", rwElse},
    {"THEN", rwThen},
    {"ENDIF", rwEndIf},
    {"WHILE", rwWhile},
    {"WEND", rwWend},
    {"FOR", rwFor},
    {"TO", rwTo},
    {"DOWNTO", rwDownTo},
    {"NEXT", rwNext},
    {"DIM", rwDim},
    {"AS", rwAs},
    {"BYVAR", rwByVar},
    {"CONST", rwConst},
    {"CASE", rwCase},
    {"ENDCASE", rwEndCase},
    {"TRY", rwTry},
    {"EXCEPT", rwExcept},
    {"FINALLY", rwFinally},
    {"ENDTRY", rwEndTry},
    {"PRIVATE", rwPrivate},
    {"PUBLIC", rwPublic},
    {"PROTECTED", rwProtected},
};

int16_t FindWord(const TWord* words, size_t count, std::string_view name) {
  if (name.size() > 9) return 0;
  for (size_t i = 0; i < count; ++i) {
    if (SameTextAscii(words[i].name, name)) return words[i].code;
  }
  return 0;
}

// Full-width punctuation (GB 2312 rows 1 and 3) read as its ASCII twin.
struct TFullWidthMark {
  unsigned char lead, trail;
  uint8_t kind;
  int16_t code;
};

constexpr TFullWidthMark kFullWidthMarks[] = {
    {0xA1, 0xB2, wtLeftParen, 0},          // 〔
    {0xA1, 0xB3, wtRightParen, 0},         // 〕
    {0xA1, 0xC1, wtOperator, opMul},       // ×
    {0xA1, 0xC2, wtOperator, opDiv},       // ÷
    {0xA1, 0xD9, wtOperator, opNotEqual},  // ≠
    {0xA1, 0xDC, wtOperator, opLessEqual},     // ≤
    {0xA1, 0xDD, wtOperator, opGreaterEqual},  // ≥
    {0xA3, 0xA8, wtLeftParen, 0},          // （
    {0xA3, 0xA9, wtRightParen, 0},         // ）
    {0xA3, 0xAB, wtOperator, opAdd},       // ＋
    {0xA3, 0xAD, wtOperator, opSub},       // －
    {0xA3, 0xBC, wtOperator, opLess},      // ＜
    {0xA3, 0xBD, wtOperator, opEqual},     // ＝
    {0xA3, 0xBE, wtOperator, opGreater},   // ＞
};

const TFullWidthMark* FindFullWidthMark(unsigned char lead, unsigned char trail) {
  for (const TFullWidthMark& mark : kFullWidthMarks)
    if (mark.lead == lead && mark.trail == trail) return &mark;
  return nullptr;
}

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0xA0) || (c >= 0xAA && c <= 0xFE); }
bool IsTrailByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

const std::string& WordKindDisplayName(int kind) {
  static const std::string kNames[] = {
      GBK("无"),     GBK("字符串"),   GBK("操作符"), GBK("数字"),     GBK("左括号"),
      GBK("右括号"), GBK("圆点"),     GBK("逗号"),   GBK("标识符"),   GBK("保留字"),
      GBK("冒号"),   GBK("行结束符"), GBK("宏标记"), GBK("左中括号"), GBK("右中括号"),
  };
  if (kind < 0 || kind > 14) return kNames[0];
  return kNames[kind];
}

const std::string& ReservedWordDisplayName(int code) {
  static const std::string kNames[] = {
      GBK("无"), "Function", "End",    "If",      "Else",   "Then",    "EndIf",  "While",     "Wend",
      "For",     "To",       "DownTo", "Next",    "Dim",    "As",      "ByVar",  "Const",     "Case",
      "EndCase", "Try",      "Except", "Finally", "EndTry", "Private", "Public", "Protected",
  };
  if (code < 0 || code > 25) return kNames[0];
  return kNames[code];
}

void TkxScriptWordParse::Emit(uint8_t kind, int16_t code, std::string text, int32_t line, int32_t column) {
  if (kind == wtIdentifier) {
    if (int16_t op = FindWord(kWordOperators, std::size(kWordOperators), text)) {
      kind = wtOperator;
      code = op;
      text.clear();
    } else if (tokens_.empty() || tokens_.back().Kind != wtDot) {
      if (int16_t word = FindWord(kReservedWords, std::size(kReservedWords), text)) {
        kind = wtReserved;
        code = word;
      }
    }
  }
  tokens_.push_back(TWordNode{kind, code, std::move(text), line, column});
}

bool TkxScriptWordParse::Parse(std::string_view text) {
  tokens_.clear();
  error_pos_ = 0;
  std::string d;
  d.reserve(text.size() + 2);
  d.append(text);
  d.append("\r\n");

  // Positions are 1-based as in the error position the caller sees.
  int64_t n = static_cast<int64_t>(d.size());
  int64_t p = 1;  // next byte to examine
  int64_t b = 1;  // token start
  int state = 0;
  int32_t line = 1;
  int32_t column = 0;  // steps within the line
  unsigned char lead = 0;
  auto at = [&d](int64_t pos) { return static_cast<unsigned char>(d[static_cast<size_t>(pos - 1)]); };
  auto slice = [&d](int64_t from, int64_t to) {  // bytes from..to, 1-based, inclusive
    return to < from ? std::string()
                     : d.substr(static_cast<size_t>(from - 1), static_cast<size_t>(to - from + 1));
  };
  auto emit = [&](uint8_t kind, int16_t code, std::string token_text = std::string()) {
    Emit(kind, code, std::move(token_text), line, column);
    state = -1;
  };
  bool failed = false;

  while (p <= n && b <= n && !failed) {
    ++column;
    const unsigned char x = at(p);
    switch (state) {
      case 0:
        switch (x) {
          case 7:
          case ' ':
            b = p + 1;
            ++p;
            break;
          case '\r':
            state = 100;
            ++p;
            break;
          case '(':
            emit(wtLeftParen, 0);
            ++p;
            break;
          case ')':
            emit(wtRightParen, 0);
            ++p;
            break;
          case ',':
            emit(wtComma, 0);
            ++p;
            break;
          case '.':
            emit(wtDot, 0);
            ++p;
            break;
          case ':':
            emit(wtColon, 0);
            ++p;
            break;
          case '&':
            emit(wtMacroMark, 0);
            ++p;
            break;
          case '[':
            emit(wtLeftBracket, 0);
            ++p;
            break;
          case ']':
            emit(wtRightBracket, 0);
            ++p;
            break;
          case '+':
            emit(wtOperator, opAdd);
            ++p;
            break;
          case '-':
            emit(wtOperator, opSub);
            ++p;
            break;
          case '*':
            emit(wtOperator, opMul);
            ++p;
            break;
          case '^':
            emit(wtOperator, opPower);
            ++p;
            break;
          case '=':
            emit(wtOperator, opEqual);
            ++p;
            break;
          case '\\':
            emit(wtOperator, opIntDiv);
            ++p;
            break;
          case '/':
            state = 15;
            ++p;
            break;
          case '<':
            state = 30;
            ++p;
            break;
          case '>':
            state = 20;
            ++p;
            break;
          case '{':
            state = 17;
            ++p;
            break;
          case '"':
            state = 70;
            ++p;
            break;
          case '\'':
            state = 75;
            ++p;
            break;
          case 0xA1:
            state = 41;
            ++p;
            break;
          case 0xA3:
            state = 42;
            ++p;
            break;
          default:
            if (IsDigit(x)) {
              state = 50;
              ++p;
            } else if (IsAsciiLetter(x) || x == '_') {
              state = 40;
              lead = 0;
              ++p;
            } else if (IsLeadByte(x)) {
              state = 40;
              lead = x;
              ++p;
            } else {
              error_pos_ = static_cast<int32_t>(p);
              failed = true;
            }
        }
        break;
      case 15:
        if (x == '/') {
          state = 16;
          ++p;
        } else {
          emit(wtOperator, opDiv);
        }
        break;
      case 16:
        if (x == '\r') {
          state = -1;
        } else {
          ++p;
        }
        break;
      case 17:
        ++p;
        if (x == '}') state = -1;
        break;
      case 20:
        if (x == '=') {
          emit(wtOperator, opGreaterEqual);
          ++p;
        } else {
          emit(wtOperator, opGreater);
        }
        break;
      case 30:
        if (x == '>') {
          emit(wtOperator, opNotEqual);
          ++p;
        } else if (x == '=') {
          emit(wtOperator, opLessEqual);
          ++p;
        } else {
          emit(wtOperator, opLess);
        }
        break;
      case 40:
        if (lead != 0 && IsTrailByte(x)) {
          lead = 0;
          ++p;
        } else if (lead == 0 && IsLeadByte(x)) {
          lead = x;
          ++p;
        } else if (IsAsciiLetter(x) || IsDigit(x) || x == '_') {
          ++p;
        } else {
          emit(wtIdentifier, 0, slice(b, p - 1));
        }
        break;
      case 41:
      case 42:
        if (const TFullWidthMark* mark = FindFullWidthMark(state == 41 ? 0xA1 : 0xA3, x)) {
          emit(mark->kind, mark->code);
          ++p;
        } else {
          error_pos_ = static_cast<int32_t>(p);
          failed = true;
        }
        break;
      case 50:
      case 51:
        if (IsDigit(x)) {
          ++p;
        } else if (x == '.' && state == 50) {
          state = 51;
          ++p;
        } else if (x == 'E' || x == 'e') {
          state = 52;
          ++p;
        } else if (x == '%') {
          state = 54;
          ++p;
        } else {
          emit(wtNumber, 0, slice(b, p - 1));
        }
        break;
      case 52:
        if (x == '-') {
          state = 53;
          ++p;
        } else if (IsDigit(x)) {
          ++p;
        } else {
          emit(wtNumber, 0, slice(b, p - 1));
        }
        break;
      case 53:
        if (IsDigit(x)) {
          ++p;
        } else {
          emit(wtNumber, 0, slice(b, p - 1));
        }
        break;
      case 54:
        // "15%" reads as 15 / 100.
        Emit(wtNumber, 0, slice(b, p - 2), line, column);
        Emit(wtOperator, opDiv, std::string(), line, column);
        emit(wtNumber, 0, "100");
        break;
      case 70:
      case 75: {
        const unsigned char quote = state == 70 ? '"' : '\'';
        if (x == '\\') {
          state += 1;
        } else if (x == quote) {
          emit(wtString, 0, slice(b + 1, p - 1));
        }
        ++p;
        break;
      }
      case 71:
      case 76: {
        const unsigned char quote = state == 71 ? '"' : '\'';
        if (x == quote || x == '\\') {
          // The escaping backslash goes; the kept byte is now just before p.
          d.erase(static_cast<size_t>(p - 2), 1);
          --n;
        } else {
          ++p;
        }
        state -= 1;
        break;
      }
      case 100:
        if (x == '\n') {
          ++p;
        } else {
          emit(wtLineEnd, 0);
          ++line;
          column = 0;
        }
        break;
    }
    if (state == -1) {
      state = 0;
      b = p;
    }
  }
  if (!failed && state != 0 && state != 100) error_pos_ = static_cast<int32_t>(p);
  return error_pos_ < 1;
}

}  // namespace tagpress
