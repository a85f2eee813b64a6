#include "script/syntax_tree.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "script/script_errors.h"

namespace tagpress {
namespace {

std::string OperatorName(int code) {
  static const char* const kNames[] = {"?", "+", "-",  "*",  "/",  "mod", "^",   "and", "or",  "not", ">",
                                       "<", "=", ">=", "<=", "<>", "?",   "xor", "shr", "shl", "\\",  "in"};
  return code >= 0 && code <= 21 ? kNames[code] : "?";
}

std::string Show(const TSyntaxTreeNode* node);

std::string ShowList(const TSyntaxTreeNode* first) {
  std::string out;
  for (const TSyntaxTreeNode* node = first; node; node = node->Next) {
    if (node != first) out += ", ";
    out += Show(node);
  }
  return out;
}

// Expressions as prefix forms: (op left right), literals as text:type,
// calls as name(arguments).property(arguments).
std::string Show(const TSyntaxTreeNode* node) {
  if (!node) return "_";
  switch (node->NodeKind) {
    case ekOperator: {
      std::string right = Show(node->Child2);
      if (node->Child2) {
        for (const TSyntaxTreeNode* more = node->Child2->Next; more; more = more->Next)
          right += " " + Show(more);
      }
      return "(" + OperatorName(node->Code) + " " + Show(node->Child1) + " " + right + ")";
    }
    case ekLiteral:
      return node->Text + ":" + std::to_string(node->Code);
    case ekIdentifier:
      return node->Text;
    default: {
      std::string out = node->Text + "(" + ShowList(node->Child1) + ")";
      for (const TSyntaxTreeNode* property = node->Child2; property; property = property->Child2) {
        out += "." + property->Text + "(" + ShowList(property->Child1) + ")";
      }
      return out;
    }
  }
}

// The value expression of the single assignment "r=<expr>".
std::string ParseExpression(const std::string& expr) {
  TkxScriptWordParse lexer;
  EXPECT_TRUE(lexer.Parse("r=" + expr + "\r\n"));
  TkxSyntaxTree tree;
  const TSyntaxTreeNode* statement = tree.ParseStatements(lexer);
  EXPECT_NE(statement, nullptr);
  EXPECT_EQ(statement->NodeKind, skAssign);
  return Show(statement->Child3);
}

TEST(SyntaxTree, Precedence) {
  struct Case {
    const char* expr;
    const char* tree;
  };
  const Case cases[] = {
      /* 0 */ {"1+2*3", "(+ 1:1 (* 2:1 3:1))"},
      /* 1 */ {"1 - 2 - 3", "(- (- 1:1 2:1) 3:1)"},
      /* 2 */ {"2 * 3 mod 4", "(mod (* 2:1 3:1) 4:1)"},
      /* 3 */ {"1 + 2 mod 3", "(+ 1:1 (mod 2:1 3:1))"},
      /* 4 */ {"1 shl 2 * 3", "(* (shl 1:1 2:1) 3:1)"},
      /* 5 */ {"a = 1 and b = 2", "(and (= a 1:1) (= b 2:1))"},
      /* 6 */ {"-5", "(* -1:0 5:1)"},
      /* 7 */ {"2*-x", "(* (* 2:1 -1:0) x)"},
      /* 8 */ {"not a = b", "(not _ (= a b))"},
      /* 9 */ {"x and not y", "(not (and x _) y)"},
      /* 10 */ {"x and (not y)", "(and x (not _ y))"},
      /* 11 */ {"x in [1, 2, 3]", "(in x 1:1 2:1 3:1)"},
      /* 12 */ {"f(1,,3)", "f(1:1, :0, 3:1)"},
      /* 13 */ {"1.5 + 'a'", "(+ 1.5:5 a:2)"},
      /* 14 */ {"a.b(1).c", "a().b(1:1).c()"},
      /* 15 */ {"g()", "g()"},
      /* 16 */ {"", "_"},
      /* 17 */ {"(1 + 2) * 3", "(* (+ 1:1 2:1) 3:1)"},
      /* 18 */ {"a <> b >= c", "(>= (<> a b) c)"},
      /* 19 */ {"7 \\ 2 / 3", "(/ (\\ 7:1 2:1) 3:1)"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ParseExpression(cases[i].expr), cases[i].tree);
  }
}

TEST(SyntaxTree, FunctionNode) {
  TkxScriptWordParse lexer;
  ASSERT_TRUE(lexer.Parse("private function f as variant\r\n  Result=1+2*3\r\nend function\r\nx"));
  TkxSyntaxTree tree;
  int index = 0;
  const TSyntaxTreeNode* function = tree.ParseFunction(lexer, index);
  ASSERT_NE(function, nullptr);
  EXPECT_EQ(tree.Root(), function);
  EXPECT_EQ(tree.FunctionName(), "f");
  EXPECT_EQ(function->NodeClass, ncFunction);
  EXPECT_EQ(function->Code, 1);
  ASSERT_NE(function->Child2, nullptr);
  EXPECT_EQ(function->Child2->NodeKind, kReturnTypeNode);
  EXPECT_EQ(function->Child2->Text, "variant");
  const TSyntaxTreeNode* body = function->Next;
  ASSERT_NE(body, nullptr);
  EXPECT_EQ(body->NodeKind, skAssign);
  EXPECT_EQ(body->Text, "Result");
  EXPECT_EQ(Show(body->Child3), "(+ 1:1 (* 2:1 3:1))");
  EXPECT_EQ(body->Next, nullptr);
  EXPECT_EQ(lexer.Token(index).Kind, wtLineEnd);  // the index names the first token after the function
}

TEST(SyntaxTree, Parameters) {
  TkxScriptWordParse lexer;
  ASSERT_TRUE(lexer.Parse("function f(byvar a as integer, const b, c)\r\nend"));
  TkxSyntaxTree tree;
  int index = 0;
  const TSyntaxTreeNode* function = tree.ParseFunction(lexer, index);
  const TSyntaxTreeNode* a = function->Child1;
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->Code, 1);
  EXPECT_EQ(a->Child1->Text, "integer");
  EXPECT_EQ(a->Next->Text, "b");
  EXPECT_EQ(a->Next->Code, 0);
  EXPECT_EQ(a->Next->Child1->Text, "");
  EXPECT_EQ(a->Next->Next->Text, "c");
}

TEST(SyntaxTree, NoTokens) {
  TkxScriptWordParse lexer;
  ASSERT_TRUE(lexer.Parse(""));
  TkxSyntaxTree tree;
  int index = 0;
  bool no_tokens = false;
  EXPECT_EQ(tree.ParseFunction(lexer, index, no_tokens), nullptr);
  EXPECT_TRUE(no_tokens);
  EXPECT_EQ(tree.ParseStatements(lexer), nullptr);
  EXPECT_TRUE(tree.IsEmpty());
}

TEST(SyntaxTree, StatementShapes) {
  TkxScriptWordParse lexer;
  ASSERT_TRUE(
      lexer.Parse("IF a THEN x = 1\r\n"
                  "FOR i = 3 DOWNTO 1\r\n  p(i)\r\nNEXT\r\n"
                  "DIM u, v AS integer\r\n"
                  "CASE k\r\n  1, 2: y = 1\r\n  ELSE\r\n  y = 2\r\nENDCASE\r\n"
                  "TRY\r\n  z\r\nFINALLY\r\n  w\r\nENDTRY\r\n"
                  "o.m(1)\r\n"
                  "END\r\nignored = 1"));
  TkxSyntaxTree tree;
  const TSyntaxTreeNode* s = tree.ParseStatements(lexer);
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(tree.Root(), s);
  EXPECT_EQ(s->NodeKind, skIf);
  EXPECT_EQ(s->Child2->NodeKind, skAssign);
  EXPECT_EQ(s->Child3, nullptr);
  s = s->Next;
  EXPECT_EQ(s->NodeKind, skFor);
  EXPECT_EQ(s->Code, kForDownTo);
  EXPECT_EQ(s->Text, "i");
  EXPECT_EQ(Show(s->Child3->Child1), "i");
  s = s->Next;
  EXPECT_EQ(s->NodeKind, skDim);
  EXPECT_EQ(s->Text, "integer");
  EXPECT_EQ(s->Child1->Text, "u");
  EXPECT_EQ(s->Child1->Next->Text, "v");
  s = s->Next;
  EXPECT_EQ(s->NodeKind, skCase);
  EXPECT_EQ(ShowList(s->Child2->Child1), "1:1, 2:1");
  EXPECT_EQ(s->Child2->Next->Child1, nullptr);  // ELSE
  EXPECT_EQ(s->Child2->Next->Child2->Text, "y");
  s = s->Next;
  EXPECT_EQ(s->NodeKind, skTryFinally);
  EXPECT_EQ(s->Child1->Text, "z");
  EXPECT_EQ(s->Child2->Text, "w");
  s = s->Next;
  EXPECT_EQ(s->NodeKind, skCall);
  EXPECT_EQ(s->Child2->Text, "m");
  EXPECT_EQ(s->Next, nullptr);  // the list ends at the unmatched END
}

std::string SyntaxMessage(const std::string& function, const std::string& expected, int line, int column,
                          const std::string& content) {
  return GBK("语法分析错误！") + "\r\n" + GBK("函数/过程：") + function + "\r\n\r\n" + GBK("脚本语法错！") +
         "\r\n" + GBK("期待的是：") + expected + "\r\n" + GBK("出错位置：第") + std::to_string(line) +
         GBK("行,第") + std::to_string(column) + GBK("位") + "\r\n" + GBK("出错内容：") + content;
}

std::string ParseError(const std::string& text, bool as_function) {
  TkxScriptWordParse lexer;
  EXPECT_TRUE(lexer.Parse(text));
  TkxSyntaxTree tree;
  try {
    int index = 0;
    if (as_function) {
      tree.ParseFunction(lexer, index);
    } else {
      tree.ParseStatements(lexer);
    }
  } catch (const EScriptError& error) {
    return error.what();
  }
  return "no error";
}

TEST(SyntaxTree, ErrorMessages) {
  struct Case {
    std::string text;
    bool as_function;
    std::string message;
  };
  const Case cases[] = {
      /* 0 */ {"function f\r\nResult=2^3\r\nend", true, SyntaxMessage("f", GBK("行结束符"), 2, 11, "")},
      /* 1 */ {"FOR i = 1 TO 2\r\nNEXT i", false, SyntaxMessage("", GBK("行结束符"), 2, 8, "i")},
      /* 2 */ {"FUNCTION f()\r\nEND", true, SyntaxMessage("f", GBK("标识符"), 1, 14, "")},
      /* 3 */ {"IF a THEN\r\nx=1\r\nELSE x=2\r\nENDIF", false, SyntaxMessage("", GBK("行结束符"), 3, 8, "x")},
      /* 4 */ {"function g\r\nx=1", true, SyntaxMessage("g", GBK("行结束符"), 2, 5, "")},
      /* 8 */ {"function g\r\nx=1\r\n", true, SyntaxMessage("g", GBK("保留字") + " End", 2, 8, "")},
      /* 5 */ {"FOR i 1 TO 2\r\nNEXT", false, SyntaxMessage("", GBK("操作符") + " 12", 1, 10, "1")},
      /* 6 */ {"TRY\r\nx\r\nENDTRY", false, SyntaxMessage("", GBK("保留字") + " Except", 3, 7, "ENDTRY")},
      /* 7 */ {"CASE 1\r\n1:\r\n2: x\r\nENDCASE", false, SyntaxMessage("", GBK("行结束符"), 3, 2, "2")},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(ParseError(cases[i].text, cases[i].as_function), cases[i].message);
  }
}

TEST(SyntaxTree, WrongFunctionStartIsAPlainError) {
  TkxScriptWordParse lexer;
  ASSERT_TRUE(lexer.Parse("x=1"));
  TkxSyntaxTree tree;
  int index = 0;
  try {
    tree.ParseFunction(lexer, index);
    FAIL();
  } catch (const EScriptPlainError& error) {
    EXPECT_EQ(error.what(), GBK("不正确的过程／函数开头字符：") + "8");
  }
}

TEST(SyntaxTree, DeepNestingIsRefusedNotCrashed) {
  const std::string texts[] = {
      std::string(100000, '(') + "1",
      "1" +
          [] {
            std::string s;
            for (int i = 0; i < 50000; ++i) s += "+1";
            return s;
          }(),
      [] {
        std::string s;
        for (int i = 0; i < 50000; ++i) s += "not ";
        return s + "x";
      }(),
      [] {
        std::string s;
        for (int i = 0; i < 50000; ++i) s += "f(";
        return s;
      }(),
      [] {
        std::string s = "\r\n";
        for (int i = 0; i < 50000; ++i) s += "IF a THEN\r\n";
        return s;
      }(),
  };
  for (size_t i = 0; i < std::size(texts); ++i) {
    SCOPED_TRACE(i);
    const std::string message = ParseError("r=" + texts[i], false);
    EXPECT_TRUE(message.find("256") != std::string::npos || message.find("1024") != std::string::npos)
        << message;
  }
  // Nesting below the limits parses.
  EXPECT_EQ(ParseExpression(std::string(200, '(') + "1" + std::string(200, ')')), "1:1");
}

}  // namespace
}  // namespace tagpress
