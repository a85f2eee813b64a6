#include "script/syntax_tree.h"

#include <algorithm>

#include "platform/text_codec.h"
#include "script/script_errors.h"

namespace tagpress {

namespace {

// Operators of each binding level, loosest first; level 7 is the primary.
bool IsOperatorOfLevel(int16_t op, int level) {
  switch (level) {
    case 1:
      return op == opAnd || op == opOr || op == opNot;
    case 2:
      return op == opEqual || op == opNotEqual || op == opLess || op == opGreater || op == opLessEqual ||
             op == opGreaterEqual || op == opIn;
    case 3:
      return op == opAdd || op == opSub;
    case 4:
      return op == opMod;
    case 5:
      return op == opMul || op == opDiv || op == opIntDiv;
    case 6:
      return op == opXor || op == opShr || op == opShl;
    default:
      return false;
  }
}

int32_t DepthOf(const TSyntaxTreeNode* node) { return node ? node->Depth : 0; }

// The greatest height in a chain of argument nodes.
int32_t ChainDepth(const TSyntaxTreeNode* node) {
  int32_t depth = 0;
  for (; node; node = node->Next) depth = std::max(depth, node->Depth);
  return depth;
}

}  // namespace

const std::string& TkxSyntaxTree::FunctionName() const {
  static const std::string kNone;
  const TSyntaxTreeNode* root = Root();
  return root && root->NodeClass == ncFunction && root->NodeKind == kFunctionNode ? root->Text : kNone;
}

void TkxSyntaxTree::Clear() { nodes_.clear(); }

TSyntaxTreeNode* TkxSyntaxTree::NewNode(uint8_t node_class, int16_t kind) {
  TSyntaxTreeNode& node = nodes_.emplace_back();
  node.NodeClass = node_class;
  node.NodeKind = kind;
  return &node;
}

void TkxSyntaxTree::Start(const TkxScriptWordParse& lexer, int index) {
  nodes_.clear();
  lexer_ = &lexer;
  nesting_ = 0;
  current_ = TWordNode();
  index_ = index - 1;
  Advance();
}

void TkxSyntaxTree::Advance() {
  ++index_;
  if (index_ >= 0 && index_ < lexer_->TokenCount()) {
    current_ = lexer_->Token(index_);
  } else {
    // Past the end: kind 0 at the position of the last real token.
    current_.Kind = wtNone;
    current_.Code = 0;
    current_.Text.clear();
    if (lexer_->TokenCount() > 0) {
      const TWordNode& last = lexer_->Token(lexer_->TokenCount() - 1);
      current_.Line = last.Line;
      current_.Column = last.Column;
    }
  }
}

void TkxSyntaxTree::Fail(const std::string& expected) const {
  std::string position = GBK("出错位置：第%d行,第%d位");
  position.replace(position.find("%d"), 2, std::to_string(current_.Line));
  position.replace(position.find("%d"), 2, std::to_string(current_.Column));
  const std::string detail = GBK("脚本语法错！") + "\r\n" + GBK("期待的是：") + expected + "\r\n" + position +
                             "\r\n" + GBK("出错内容：") + current_.Text;
  throw EScriptError(GBK("语法分析错误！") + "\r\n" + GBK("函数/过程：") + FunctionName() + "\r\n\r\n" +
                     detail);
}

std::string TkxSyntaxTree::ExpectKind(uint8_t kind) {
  if (current_.Kind != kind) Fail(WordKindDisplayName(kind));
  std::string text = std::move(current_.Text);
  Advance();
  return text;
}

void TkxSyntaxTree::ExpectWord(int16_t word) {
  if (!IsWord(word)) Fail(WordKindDisplayName(wtReserved) + " " + ReservedWordDisplayName(word));
  Advance();
}

void TkxSyntaxTree::ExpectOperator(int16_t op) {
  if (!IsOperator(op)) Fail(WordKindDisplayName(wtOperator) + " " + std::to_string(op));
  Advance();
}

void TkxSyntaxTree::ExpectLineEnd() {
  ExpectKind(wtLineEnd);
  while (current_.Kind == wtLineEnd) Advance();
}

void TkxSyntaxTree::EnterNesting() {
  if (++nesting_ > kMaxNesting) {
    std::string limit = GBK("嵌套不超过%d层");
    limit.replace(limit.find("%d"), 2, std::to_string(kMaxNesting));
    Fail(limit);
  }
}

// Counts one level of nesting for the lifetime of a parsing routine.
class TNestingGuard {
 public:
  explicit TNestingGuard(int& nesting) : nesting_(nesting) {}
  ~TNestingGuard() { --nesting_; }
  TNestingGuard(const TNestingGuard&) = delete;
  TNestingGuard& operator=(const TNestingGuard&) = delete;

 private:
  int& nesting_;
};

TSyntaxTreeNode* TkxSyntaxTree::ParseFunction(const TkxScriptWordParse& lexer, int& index, bool& no_tokens) {
  Start(lexer, index);
  no_tokens = index < 0 || index >= lexer.TokenCount();
  if (no_tokens) return nullptr;
  while (current_.Kind == wtLineEnd) Advance();
  TSyntaxTreeNode* function = FunctionDefinition();
  index = index_;
  return function;
}

TSyntaxTreeNode* TkxSyntaxTree::ParseFunction(const TkxScriptWordParse& lexer, int& index) {
  bool no_tokens = false;
  return ParseFunction(lexer, index, no_tokens);
}

TSyntaxTreeNode* TkxSyntaxTree::ParseStatements(const TkxScriptWordParse& lexer) {
  Start(lexer, 0);
  if (lexer.TokenCount() == 0) return nullptr;
  while (current_.Kind == wtLineEnd) Advance();
  return StatementList();
}

TSyntaxTreeNode* TkxSyntaxTree::FunctionDefinition() {
  if (!IsWord(rwFunction) && !IsWord(rwPrivate) && !IsWord(rwPublic) && !IsWord(rwProtected)) {
    throw EScriptPlainError(GBK("不正确的过程／函数开头字符：") + std::to_string(current_.Kind));
  }
  TSyntaxTreeNode* function = NewNode(ncFunction, kFunctionNode);
  if (IsWord(rwPrivate)) {
    function->Code = 1;
    Advance();
  } else if (IsWord(rwProtected)) {
    function->Code = 2;
    Advance();
  } else if (IsWord(rwPublic)) {
    Advance();
  }
  ExpectWord(rwFunction);
  function->Text = ExpectKind(wtIdentifier);
  if (current_.Kind == wtLeftParen) {
    Advance();
    function->Child1 = Parameters();
    ExpectKind(wtRightParen);
  }
  if (IsWord(rwAs)) {
    Advance();
    TSyntaxTreeNode* return_type = NewNode(ncFunction, kReturnTypeNode);
    return_type->Text = ExpectKind(wtIdentifier);
    function->Child2 = return_type;
  }
  ExpectLineEnd();
  function->Next = StatementList();
  ExpectWord(rwEnd);
  if (IsWord(rwFunction)) Advance();
  return function;
}

TSyntaxTreeNode* TkxSyntaxTree::Parameters() {
  TSyntaxTreeNode* first = nullptr;
  TSyntaxTreeNode* last = nullptr;
  while (true) {
    TSyntaxTreeNode* parameter = NewNode(ncName);
    if (IsWord(rwByVar)) {
      parameter->Code = 1;
      Advance();
    } else if (IsWord(rwConst)) {
      Advance();
    }
    parameter->Text = ExpectKind(wtIdentifier);
    TSyntaxTreeNode* type = NewNode(ncParamType);
    parameter->Child1 = type;
    if (IsWord(rwAs)) {
      Advance();
      type->Text = ExpectKind(wtIdentifier);
    }
    (last ? last->Next : first) = parameter;
    last = parameter;
    if (current_.Kind != wtComma) break;
    Advance();
  }
  return first;
}

TSyntaxTreeNode* TkxSyntaxTree::StatementList() {
  EnterNesting();
  TNestingGuard guard(nesting_);
  TSyntaxTreeNode* first = nullptr;
  TSyntaxTreeNode* last = nullptr;
  while (current_.Kind != wtNone) {
    if (current_.Kind == wtLineEnd) {
      Advance();
      continue;
    }
    TSyntaxTreeNode* statement = Statement();
    if (!statement) break;
    (last ? last->Next : first) = statement;
    last = statement;
  }
  return first;
}

TSyntaxTreeNode* TkxSyntaxTree::Statement() {
  if (current_.Kind == wtIdentifier) return AssignmentOrCall();
  if (current_.Kind != wtReserved) return nullptr;
  switch (current_.Code) {
    case rwIf:
      return IfStatement();
    case rwWhile:
      return WhileStatement();
    case rwFor:
      return ForStatement();
    case rwDim:
      return DimStatement();
    case rwCase:
      return CaseStatement();
    case rwTry:
      return TryStatement();
    default:
      return nullptr;
  }
}

TSyntaxTreeNode* TkxSyntaxTree::AssignmentOrCall() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skCall);
  statement->Text = ExpectKind(wtIdentifier);
  if (current_.Kind == wtLeftParen) {
    Advance();
    if (current_.Kind != wtRightParen) statement->Child1 = ExpressionList();
    ExpectKind(wtRightParen);
  }
  statement->Child2 = Properties();
  if (IsOperator(opEqual)) {
    statement->NodeKind = skAssign;
    Advance();
    statement->Child3 = Expression();
  }
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::IfStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skIf);
  Advance();
  statement->Child1 = Expression();
  ExpectWord(rwThen);
  if (current_.Kind == wtLineEnd) {
    ExpectLineEnd();
    statement->Child2 = StatementList();
    if (IsWord(rwElse)) {
      Advance();
      ExpectLineEnd();
      statement->Child3 = StatementList();
    }
    ExpectWord(rwEndIf);
    ExpectLineEnd();
  } else {
    // One statement on the same line, without ENDIF.
    EnterNesting();
    TNestingGuard guard(nesting_);
    statement->Child2 = Statement();
  }
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::WhileStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skWhile);
  Advance();
  statement->Child1 = Expression();
  ExpectLineEnd();
  statement->Child2 = StatementList();
  ExpectWord(rwWend);
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::ForStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skFor);
  Advance();
  statement->Text = ExpectKind(wtIdentifier);
  ExpectOperator(opEqual);
  statement->Child1 = Expression();
  if (IsWord(rwDownTo)) {
    statement->Code = kForDownTo;
    Advance();
  } else {
    ExpectWord(rwTo);
    statement->Code = kForTo;
  }
  statement->Child2 = Expression();
  ExpectLineEnd();
  statement->Child3 = StatementList();
  ExpectWord(rwNext);
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::DimStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skDim);
  Advance();
  TSyntaxTreeNode* last = nullptr;
  while (true) {
    TSyntaxTreeNode* name = NewNode(ncName);
    name->Text = ExpectKind(wtIdentifier);
    (last ? last->Next : statement->Child1) = name;
    last = name;
    if (current_.Kind != wtComma) break;
    Advance();
  }
  if (IsWord(rwAs)) {
    Advance();
    statement->Text = ExpectKind(wtIdentifier);
  }
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::CaseStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skCase);
  Advance();
  statement->Child1 = Expression();
  ExpectLineEnd();
  TSyntaxTreeNode* last = nullptr;
  while (!IsWord(rwEndCase)) {
    TSyntaxTreeNode* branch = NewNode(ncStatement);
    if (IsWord(rwElse)) {
      Advance();
    } else {
      branch->Child1 = ExpressionList();
      ExpectKind(wtColon);
    }
    while (current_.Kind == wtLineEnd) Advance();
    branch->Child2 = StatementList();
    if (!branch->Child2) ExpectLineEnd();
    (last ? last->Next : statement->Child2) = branch;
    last = branch;
  }
  ExpectWord(rwEndCase);
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::TryStatement() {
  TSyntaxTreeNode* statement = NewNode(ncStatement, skTryExcept);
  Advance();
  statement->Child1 = StatementList();
  if (IsWord(rwFinally)) {
    statement->NodeKind = skTryFinally;
    Advance();
  } else {
    ExpectWord(rwExcept);
  }
  statement->Child2 = StatementList();
  ExpectWord(rwEndTry);
  ExpectLineEnd();
  return statement;
}

TSyntaxTreeNode* TkxSyntaxTree::Properties() {
  TSyntaxTreeNode* first = nullptr;
  TSyntaxTreeNode* last = nullptr;
  while (current_.Kind == wtDot) {
    Advance();
    TSyntaxTreeNode* property = NewNode(ncStatement);
    property->Text = ExpectKind(wtIdentifier);
    if (current_.Kind == wtLeftParen) {
      Advance();
      if (current_.Kind != wtRightParen) property->Child1 = ExpressionList();
      ExpectKind(wtRightParen);
    }
    property->Depth = ChainDepth(property->Child1) + 1;
    (last ? last->Child2 : first) = property;
    last = property;
  }
  return first;
}

TSyntaxTreeNode* TkxSyntaxTree::ExpressionList() {
  TSyntaxTreeNode* first = nullptr;
  TSyntaxTreeNode* last = nullptr;
  while (true) {
    TSyntaxTreeNode* expression = Expression();
    if (!expression) {
      // An empty slot reads as the empty text.
      expression = NewNode(ncExpression, ekLiteral);
      expression->Code = ltText;
    }
    (last ? last->Next : first) = expression;
    last = expression;
    if (current_.Kind != wtComma) break;
    Advance();
  }
  return first;
}

TSyntaxTreeNode* TkxSyntaxTree::Expression() {
  EnterNesting();
  TNestingGuard guard(nesting_);
  return Level(1);
}

TSyntaxTreeNode* TkxSyntaxTree::OperatorNode(int16_t op, TSyntaxTreeNode* left, TSyntaxTreeNode* right) {
  TSyntaxTreeNode* node = NewNode(ncExpression, ekOperator);
  node->Code = op;
  node->Child1 = left;
  node->Child2 = right;
  node->Depth = std::max(DepthOf(left), DepthOf(right)) + 1;
  if (node->Depth > kMaxExpressionDepth) {
    std::string limit = GBK("表达式不超过%d层");
    limit.replace(limit.find("%d"), 2, std::to_string(kMaxExpressionDepth));
    Fail(limit);
  }
  return node;
}

TSyntaxTreeNode* TkxSyntaxTree::Level(int level) {
  if (level == 7) return Primary();
  TSyntaxTreeNode* left = Level(level + 1);
  while (current_.Kind == wtOperator && IsOperatorOfLevel(current_.Code, level)) {
    const int16_t op = current_.Code;
    Advance();
    TSyntaxTreeNode* right = Level(level + 1);
    left = OperatorNode(op, left, right);
  }
  return left;
}

TSyntaxTreeNode* TkxSyntaxTree::Primary() {
  switch (current_.Kind) {
    case wtNumber: {
      TSyntaxTreeNode* literal = NewNode(ncExpression, ekLiteral);
      literal->Code = current_.Text.find('.') != std::string::npos ? ltReal : ltInteger;
      literal->Text = std::move(current_.Text);
      Advance();
      return literal;
    }
    case wtString: {
      TSyntaxTreeNode* literal = NewNode(ncExpression, ekLiteral);
      literal->Code = ltString;
      literal->Text = std::move(current_.Text);
      Advance();
      return literal;
    }
    case wtLeftParen: {
      Advance();
      TSyntaxTreeNode* inner = Expression();
      ExpectKind(wtRightParen);
      return inner;
    }
    case wtLeftBracket: {
      Advance();
      EnterNesting();
      TNestingGuard guard(nesting_);
      TSyntaxTreeNode* list = ExpressionList();
      ExpectKind(wtRightBracket);
      return list;
    }
    case wtIdentifier: {
      TSyntaxTreeNode* name = NewNode(ncExpression, ekIdentifier);
      name->Text = std::move(current_.Text);
      Advance();
      if (current_.Kind == wtLeftParen) {
        name->NodeKind = ekCall;
        Advance();
        if (current_.Kind != wtRightParen) {
          EnterNesting();
          TNestingGuard guard(nesting_);
          name->Child1 = ExpressionList();
        }
        ExpectKind(wtRightParen);
        name->Child2 = Properties();
      } else {
        name->Child2 = Properties();
        if (name->Child2) name->NodeKind = ekCall;
      }
      int32_t depth = ChainDepth(name->Child1);
      for (const TSyntaxTreeNode* property = name->Child2; property; property = property->Child2) {
        depth = std::max(depth, property->Depth);
      }
      name->Depth = depth + 1;
      if (name->Depth > kMaxExpressionDepth) {
        std::string limit = GBK("表达式不超过%d层");
        limit.replace(limit.find("%d"), 2, std::to_string(kMaxExpressionDepth));
        Fail(limit);
      }
      return name;
    }
    case wtOperator:
      if (current_.Code == opSub) {
        // Unary minus: "-1" times what follows, at the multiplicative level.
        TSyntaxTreeNode* minus_one = NewNode(ncExpression, ekLiteral);
        minus_one->Code = ltText;
        minus_one->Text = "-1";
        current_.Code = opMul;
        return minus_one;
      }
      if (current_.Code != opNot) Advance();
      return nullptr;
    default:
      return nullptr;
  }
}

}  // namespace tagpress
