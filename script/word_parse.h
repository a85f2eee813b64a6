#pragma once
// The lexer: a byte-level state machine over GBK script text that cuts it
// into tokens stamped with their line and step count.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tagpress {

// Token kinds.
enum TWordKind : uint8_t {
  wtNone = 0,
  wtString = 1,
  wtOperator = 2,
  wtNumber = 3,
  wtLeftParen = 4,
  wtRightParen = 5,
  wtDot = 6,
  wtComma = 7,
  wtIdentifier = 8,
  wtReserved = 9,
  wtColon = 10,
  wtLineEnd = 11,
  wtMacroMark = 12,
  wtLeftBracket = 13,
  wtRightBracket = 14,
};

// Operator codes, shared by the lexer, the parser and the evaluator.
enum TOperatorCode : int16_t {
  opAdd = 1,
  opSub = 2,
  opMul = 3,
  opDiv = 4,
  opMod = 5,
  opPower = 6,
  opAnd = 7,
  opOr = 8,
  opNot = 9,
  opGreater = 10,
  opLess = 11,
  opEqual = 12,
  opGreaterEqual = 13,
  opLessEqual = 14,
  opNotEqual = 15,
  opXor = 17,
  opShr = 18,
  opShl = 19,
  opIntDiv = 20,
  opIn = 21,
};

// Reserved-word codes.
enum TReservedWord : int16_t {
  rwFunction = 1,
  rwEnd = 2,
  rwIf = 3,
  rwElse = 4,
  rwThen = 5,
  rwEndIf = 6,
  rwWhile = 7,
  rwWend = 8,
  rwFor = 9,
  rwTo = 10,
  rwDownTo = 11,
  rwNext = 12,
  rwDim = 13,
  rwAs = 14,
  rwByVar = 15,
  rwConst = 16,
  rwCase = 17,
  rwEndCase = 18,
  rwTry = 19,
  rwExcept = 20,
  rwFinally = 21,
  rwEndTry = 22,
  rwPrivate = 23,
  rwPublic = 24,
  rwProtected = 25,
};

// The display name of a token kind in syntax error messages (GBK).
const std::string& WordKindDisplayName(int kind);
// The display name of a reserved word ("Function", "End", ...; "无" for 0).
const std::string& ReservedWordDisplayName(int code);

struct TWordNode {
  uint8_t Kind = wtNone;
  int16_t Code = 0;
  std::string Text;
  int32_t Line = 0;
  int32_t Column = 0;
};

class TkxScriptWordParse {
 public:
  // Scans `text` followed by a line break; true when no invalid byte was met.
  // On failure the tokens before the fault remain.
  bool Parse(std::string_view text);

  int TokenCount() const { return static_cast<int>(tokens_.size()); }
  TWordNode GetToken(int index) const { return tokens_[static_cast<size_t>(index)]; }
  const TWordNode& Token(int index) const { return tokens_[static_cast<size_t>(index)]; }
  // 1-based position of the offending byte (after escape deletion); below 1
  // when there was no error.
  int32_t ErrorPos() const { return error_pos_; }

 private:
  void Emit(uint8_t kind, int16_t code, std::string text, int32_t line, int32_t column);

  std::vector<TWordNode> tokens_;
  int32_t error_pos_ = 0;
};

}  // namespace tagpress
