#pragma once
// The parser: recursive descent over the lexer's tokens into a tree of
// nodes that the executor walks.

#include <cstdint>
#include <deque>
#include <string>

#include "script/word_parse.h"

namespace tagpress {

// Node classes.
enum TNodeClass : uint8_t {
  ncFunction = 0,   // function or return type
  ncStatement = 1,  // statement, CASE branch, property element
  ncExpression = 2,
  ncName = 5,  // parameter or DIM name
  ncParamType = 6,
};

// Statement kinds (class 1).
enum TStatementKind : int16_t {
  skIf = 0,
  skFor = 1,
  skWhile = 2,
  skDim = 3,
  skCase = 4,
  skAssign = 5,
  skCall = 6,
  skTryExcept = 9,
  skTryFinally = 10,
};

// Expression kinds (class 2).
enum TExpressionKind : int16_t {
  ekOperator = 0,
  ekLiteral = 1,
  ekIdentifier = 2,
  ekCall = 3,
};

// Literal types (Code of a literal node).
enum TLiteralType : int16_t {
  ltText = 0,
  ltInteger = 1,
  ltString = 2,
  ltDateTime = 4,
  ltReal = 5,
};

// Function node kinds (class 0).
constexpr int16_t kFunctionNode = 0;
constexpr int16_t kReturnTypeNode = 2;

// FOR loop directions (Code of a FOR node).
constexpr int16_t kForTo = 10;
constexpr int16_t kForDownTo = 11;

struct TSyntaxTreeNode {
  uint8_t NodeClass = 0;
  int16_t NodeKind = 0;
  TSyntaxTreeNode* Child1 = nullptr;
  TSyntaxTreeNode* Child2 = nullptr;
  TSyntaxTreeNode* Child3 = nullptr;
  TSyntaxTreeNode* Next = nullptr;
  int16_t Code = 0;
  std::string Text;
  // Height of the expression below this node, bounded so that evaluating a
  // tree can never exhaust the stack.
  int32_t Depth = 1;
};

class TkxSyntaxTree {
 public:
  // Nesting of brackets, arguments and blocks, and height of an expression,
  // beyond which the parser refuses the text with an EScriptError.
  static constexpr int kMaxNesting = 256;
  static constexpr int kMaxExpressionDepth = 1024;

  TkxSyntaxTree() = default;
  TkxSyntaxTree(const TkxSyntaxTree&) = delete;
  TkxSyntaxTree& operator=(const TkxSyntaxTree&) = delete;

  // Parses one function definition starting at token `index`; `index` then
  // names the first token after it. Returns nullptr and sets `no_tokens`
  // when there is no token at `index`.
  TSyntaxTreeNode* ParseFunction(const TkxScriptWordParse& lexer, int& index, bool& no_tokens);
  TSyntaxTreeNode* ParseFunction(const TkxScriptWordParse& lexer, int& index);
  // Parses a bare statement list from the first token; nullptr when there are no tokens.
  TSyntaxTreeNode* ParseStatements(const TkxScriptWordParse& lexer);

  bool IsEmpty() const { return nodes_.empty(); }
  // The first node created (the function node, or the first statement).
  TSyntaxTreeNode* Root() const {
    return nodes_.empty() ? nullptr : const_cast<TSyntaxTreeNode*>(&nodes_.front());
  }
  // The name of the root function, empty when the root is no function.
  const std::string& FunctionName() const;
  void Clear();

 private:
  TSyntaxTreeNode* NewNode(uint8_t node_class, int16_t kind = 0);
  void Start(const TkxScriptWordParse& lexer, int index);
  void Advance();
  bool IsWord(int16_t word) const { return current_.Kind == wtReserved && current_.Code == word; }
  bool IsOperator(int16_t op) const { return current_.Kind == wtOperator && current_.Code == op; }
  std::string ExpectKind(uint8_t kind);
  void ExpectWord(int16_t word);
  void ExpectOperator(int16_t op);
  void ExpectLineEnd();
  [[noreturn]] void Fail(const std::string& expected) const;
  void EnterNesting();

  TSyntaxTreeNode* FunctionDefinition();
  TSyntaxTreeNode* Parameters();
  TSyntaxTreeNode* StatementList();
  TSyntaxTreeNode* Statement();
  TSyntaxTreeNode* AssignmentOrCall();
  TSyntaxTreeNode* IfStatement();
  TSyntaxTreeNode* WhileStatement();
  TSyntaxTreeNode* ForStatement();
  TSyntaxTreeNode* DimStatement();
  TSyntaxTreeNode* CaseStatement();
  TSyntaxTreeNode* TryStatement();
  TSyntaxTreeNode* Properties();
  TSyntaxTreeNode* ExpressionList();
  TSyntaxTreeNode* Expression();
  TSyntaxTreeNode* Level(int level);
  TSyntaxTreeNode* Primary();
  TSyntaxTreeNode* OperatorNode(int16_t op, TSyntaxTreeNode* left, TSyntaxTreeNode* right);

  std::deque<TSyntaxTreeNode> nodes_;
  const TkxScriptWordParse* lexer_ = nullptr;
  TWordNode current_;
  int index_ = -1;
  int nesting_ = 0;
};

}  // namespace tagpress
