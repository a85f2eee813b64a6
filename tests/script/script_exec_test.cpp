#include "script/script_exec.h"

#include <gtest/gtest.h>

#include "platform/text_codec.h"
#include "script/script_errors.h"
#include "script/value_operators.h"

namespace tagpress {
namespace {

// A small library standing in for the standard one: Twice(x), Answer,
// Fail(...) which always fails, and Log(x) which records its argument.
class TTestFunctions final : public TkxCustomFunctions {
 public:
  TTestFunctions() { DefineFunctions(); }
  std::vector<std::string> logged;

  bool CallFunction(std::string_view name, const TkxScriptVariants* params, TkxValue& result) override {
    result = TkxValue::Null();
    const TkxFuncDesc* function = FindFunction(name);
    const int count = params ? params->Count() : 0;
    if (!function || count < function->MinParams) return false;
    switch (function->Id) {
      case 1:
        result = ValueMultiply(params->Items(0).GetValue(), TkxValue::FromInteger(2));
        return true;
      case 2:
        result = TkxValue::FromInteger(42);
        return true;
      case 3:
        return false;
      case 4:
        logged.push_back(params->Items(0).AsString());
        return true;
    }
    return false;
  }

 protected:
  void DefineFunctions() override {
    AddFunction("Twice") = TkxFuncDesc{1, 1};
    AddFunction("Answer") = TkxFuncDesc{2, 0};
    AddFunction("Fail") = TkxFuncDesc{3, 0};
    AddFunction("Log") = TkxFuncDesc{4, 1};
  }
};

class Executor : public ::testing::Test {
 protected:
  Executor() {
    exec.SetFunctionLibrary(&library);
    exec.GlobalVars = &globals;
    globals.Add(GBK("条码数字")).SetValue(TkxValue::FromString("123"));
  }

  // Runs a whole script text and returns its result.
  const TkxScriptVar& Run(const std::string& text, TkxScriptVariants* args = nullptr) {
    TkxScriptWordParse lexer;
    EXPECT_TRUE(lexer.Parse(text));
    TkxSyntaxTree tree;
    int index = 0;
    tree.ParseFunction(lexer, index);
    exec.Execute(tree, args, nullptr);
    return exec.ResultVar();
  }

  // The message of the EScriptError that running the text raises.
  std::string RunError(const std::string& text) {
    try {
      Run(text);
    } catch (const EScriptError& error) {
      return error.what();
    }
    return "no error";
  }

  std::string EvaluateError(const std::string& expr) {
    try {
      exec.Evaluate(expr);
    } catch (const EScriptError& error) {
      return error.what();
    }
    return "no error";
  }

  TTestFunctions library;
  TkxScriptVariants globals;
  TkxScriptExec exec;
};

std::string RuntimeMessage(const std::string& function, int code, const std::string& message) {
  return GBK("程序执行错误！") + "\r\n\r\n" + GBK("所在函数/过程：") + function + "\r\n" + GBK("错误号：") +
         std::to_string(code) + "\r\n" + GBK("错误信息：") + message;
}

TEST_F(Executor, EvaluateResults) {
  struct Case {
    std::string expr;
    std::string text;
    TVarType type;
  };
  const Case cases[] = {
      /* 0 */ {"1+2*3", "7", TVarType::Integer},
      /* 1 */ {"1/3", "0.333333333333333", TVarType::Double},
      /* 2 */ {"", "", TVarType::Null},
      /* 3 */ {"1+", "", TVarType::Null},
      /* 4 */ {"-5", "-5", TVarType::Double},
      /* 5 */ {GBK("条码数字"), "123", TVarType::String},
      /* 6 */ {GBK("条码数字") + "+1", "124", TVarType::Double},
      /* 7 */ {"5 and 3", "1", TVarType::Integer},
      /* 8 */ {"True and 'yes'", "True", TVarType::Boolean},
      /* 9 */ {"True xor False", "0", TVarType::Integer},
      /* 10 */ {"7 mod 3", "1", TVarType::Integer},
      /* 11 */ {"-7 mod 3", "-1", TVarType::Integer},
      /* 12 */ {"7 \\ 2", "3", TVarType::Integer},
      /* 13 */ {"1 shl 4", "16", TVarType::Integer},
      /* 14 */ {"2 in [1, 2, 3]", "True", TVarType::Boolean},
      /* 15 */ {"5 in [1, 2]", "False", TVarType::Boolean},
      /* 16 */ {"Twice(21)", "42", TVarType::Integer},
      /* 17 */ {"answer", "42", TVarType::Integer},
      /* 18 */ {"not 0", "-1", TVarType::Integer},
      /* 19 */ {"not True", "False", TVarType::Boolean},
      /* 20 */ {"15%", "0.15", TVarType::Double},
      /* 21 */ {"'10' < 9", "False", TVarType::Boolean},
      /* 22 */ {"Null = Null", "True", TVarType::Boolean},
      /* 23 */ {"'a' + 'b'", "ab", TVarType::String},
      /* 24 */ {"x and not y", "-1", TVarType::Integer},  // reads as not y, y being the empty text
      /* 25 */ {"1 = 1 and 2 < 1", "False", TVarType::Boolean},
      /* 26 */ {"null", "", TVarType::Null},
      /* 27 */ {"(1+2)*3", "9", TVarType::Integer},
      /* 28 */ {"2147483647 + 1", "2147483648", TVarType::Int64},
  };
  globals.Add("x").SetValue(TkxValue::FromInteger(6));
  globals.Add("y").SetValue(TkxValue::FromString(""));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(exec.Evaluate(cases[i].expr));
    EXPECT_EQ(exec.ResultVar().AsString(), cases[i].text);
    EXPECT_EQ(exec.ResultVar().Value().Type(), cases[i].type);
  }
}

TEST_F(Executor, EvaluateFailures) {
  EXPECT_FALSE(exec.Evaluate("1\t+1"));
  EXPECT_EQ(EvaluateError("1/0"), GBK("表达式计算除零！"));
  EXPECT_EQ(EvaluateError("1.0E308*10"), GBK("表达式计算溢出！"));
  EXPECT_THROW(exec.Evaluate("1\\0"), EDivByZero);
  EXPECT_THROW(exec.Evaluate("1 mod 0"), EDivByZero);
  EXPECT_THROW(exec.Evaluate("1e5"), EConvertError);
  EXPECT_THROW(exec.Evaluate("'a' + 1"), EConvertError);
  EXPECT_THROW(exec.Evaluate("0/0"), EInvalidOp);
  EXPECT_EQ(EvaluateError("foo"),
            RuntimeMessage("__exp_comput", 1, GBK("未定义的变量< foo >！")) + "\r\nfoo");
  EXPECT_EQ(EvaluateError("Fail(1)"),
            RuntimeMessage("__exp_comput", 5, GBK("函数/过程< Fail >调用出错！")) + "\r\nFail(1)");
  EXPECT_EQ(EvaluateError("nothing(1)"),
            RuntimeMessage("__exp_comput", 2, GBK("未知函数/过程调用< nothing >！")) + "\r\nnothing(1)");
  // Syntax errors leave Evaluate without the expression appended.
  EXPECT_EQ(EvaluateError("2^3").substr(0, GBK("语法分析错误！").size()), GBK("语法分析错误！"));
  EXPECT_EQ(EvaluateError("2^3").find("2^3"), std::string::npos);
  try {
    exec.Evaluate("self.Caption");
    FAIL();
  } catch (const EScriptPlainError& error) {
    EXPECT_EQ(error.what(), GBK("未定义脚本宿主对象Self！"));
  }
  globals.Add("five").SetValue(TkxValue::FromInteger(5));
  EXPECT_EQ(EvaluateError("five.Prop"),
            RuntimeMessage("__exp_comput", 100, GBK("非对象变量拥有属性列表！")) + "\r\nfive.Prop");
}

TEST_F(Executor, EvaluateRefusesLineEndsThatWouldStartStatements) {
  // A line end would turn the rest of the text into statements of the
  // wrapper function: loops, procedure calls, macros and threads.
  const char* const refused[] = {"1\r\nLog('injected')", "1\rLog('injected')", "1\nLog('injected')",
                                 "1\r\nmacro('Log(1)')", "1\r\n"};
  for (size_t i = 0; i < std::size(refused); ++i) {
    SCOPED_TRACE(i);
    EXPECT_FALSE(exec.Evaluate(refused[i]));
  }
  EXPECT_TRUE(library.logged.empty());
  // Line ends inside a string or a comment are no line ends of the script.
  ASSERT_TRUE(exec.Evaluate("'a\r\nb'"));
  EXPECT_EQ(exec.ResultVar().AsString(), "a\r\nb");
  ASSERT_TRUE(exec.Evaluate("1 {\r\n} + 1"));
  EXPECT_EQ(exec.ResultVar().AsString(), "2");
}

TEST_F(Executor, ForLoops) {
  struct Case {
    std::string loop;
    std::string result;
  };
  const Case cases[] = {
      /* 0 */ {"for i = 3 downto 1", "321"},
      /* 1 */ {"for i = 1 to 0", "0"},
      /* 2 */ {"for i = 1 to 2.5", "12"},
      /* 3 */ {"for i = 1 to 3.5", "1234"},
      /* 4 */ {"for i = '2' to '4'", "234"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const auto& result = Run("function f as integer\r\ndim i\r\n" + cases[i].loop +
                             "\r\n  Result = Result * 10 + i\r\nnext\r\nend");
    EXPECT_EQ(result.AsString(), cases[i].result);
  }
  // The pass count is fixed before the first pass; the variable keeps the last value.
  EXPECT_EQ(
      Run("function f as integer\r\ndim i\r\nfor i = 1 to 3\r\n  i = 10\r\n  Result = Result + 1\r\nnext\r\n"
          "end")
          .AsInteger(),
      3);
  EXPECT_EQ(Run("function f\r\ndim i\r\nfor i = 1 to 3\r\nnext\r\nResult = i\r\nend").AsInteger(), 3);
  EXPECT_EQ(RunError("function f\r\nfor j = 1 to 3\r\nnext\r\nend"),
            RuntimeMessage("f", 101, GBK("FOR 语句中的循环变量只能是局部变量，请先定义变量 <j>")));
}

TEST_F(Executor, FlowControl) {
  struct Case {
    std::string body;
    std::string result;
  };
  const Case cases[] = {
      /* 0 */ {"Result = 1\r\nbreak\r\nResult = 2", "1"},  // BREAK outside a loop ends the function
                                                           /* 1 */
      {"dim i\r\nfor i = 1 to 10\r\n  if i = 3 then break\r\n  Result = i\r\nnext\r\nResult = Result * 10",
       "20"},
      /* 2 */
      {"dim i\r\nResult = 0\r\nfor i = 1 to 4\r\n  if i mod 2 = 0 then continue\r\n  Result = Result + i\r\n"
       "next",
       "4"},
      /* 3 */
      {"dim i\r\ni = 0\r\nwhile i < 5\r\n  i = i + 1\r\n  if i = 4 then exit\r\nwend\r\nResult = 99\r\n"
       "Result = i",
       ""},
      /* 4 */ {"dim i\r\ni = 0\r\nwhile i < 5\r\n  i = i + 1\r\nwend\r\nResult = i", "5"},
      /* 5 */ {"case 2\r\n  1, 2: Result = 'first'\r\n  2, 3: Result = 'second'\r\nendcase", "first"},
      /* 6 */ {"case 2\r\n  else\r\n  Result = 'else'\r\n  2: Result = 'two'\r\nendcase", "else"},
      /* 7 */ {"case 9\r\n  1: Result = 'one'\r\nendcase", ""},
      /* 8 */
      {"try\r\n  x = undefinedname\r\nexcept\r\n  Result = 1\r\n  Result = 2\r\nendtry\r\nResult = 3", "1"},
      /* 9 */
      {"try\r\n  Result = 1 \\ 0\r\nexcept\r\n  Result = 'caught'\r\nendtry\r\nResult = Result + '!'",
       "caught!"},
      /* 10 */ {"if 1 < 2 then\r\n  Result = 'yes'\r\nelse\r\n  Result = 'no'\r\nendif", "yes"},
      /* 11 */ {"if 'false' then\r\n  Result = 'yes'\r\nelse\r\n  Result = 'no'\r\nendif", "no"},
      /* 12 */ {"Log('a')\r\nLog('b')\r\nResult = 'logged'", "logged"},
      /* 13 */ {"macro('Result = 5')\r\nmacro('')\r\nResult = Result + 1", "6"},
      /* 14 */ {"macro('exit')\r\nResult = 'after'", "after"},
      /* 15 */ {"dim x\r\nx = 1\r\nmacro('x = x + 4')\r\nResult = x", "5"},
      /* 16 */ {"macro('dim y', 'ignored')\r\ny = 3\r\nResult = y", "3"},
      // A runtime error in a macro stops the macro's run, not its caller's:
      // the whole EXCEPT block runs.
      /* 17 */
      {"try\r\n  macro('x = nobody')\r\nexcept\r\n  Result = 1\r\n  Result = 2\r\nendtry", "2"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(Run("function f\r\n" + cases[i].body + "\r\nend").AsString(), cases[i].result);
  }
  EXPECT_EQ(library.logged, (std::vector<std::string>{"a", "b"}));
}

TEST_F(Executor, TryFinallyRunsAndPassesTheErrorOn) {
  EXPECT_THROW(Run("function f\r\ntry\r\n  Result = 1 \\ 0\r\nfinally\r\n  Log('finally')\r\nendtry\r\nend"),
               EDivByZero);
  EXPECT_EQ(library.logged, (std::vector<std::string>{"finally"}));
}

TEST_F(Executor, RuntimeErrors) {
  EXPECT_EQ(RunError("function f\r\nnobody = 1\r\nend"),
            RuntimeMessage("f", 1, GBK("未定义的变量< nobody >！")));
  EXPECT_EQ(RunError("function f\r\ng(1) = 1\r\nend"),
            RuntimeMessage("f", 103, GBK("不能给函数< g >赋值！")));
  EXPECT_EQ(RunError("function f\r\nnoproc(1)\r\nend"),
            RuntimeMessage("f", 5, GBK("函数/过程< noproc >调用出错！")));
  EXPECT_EQ(RunError("function f\r\nmacro\r\nend"),
            RuntimeMessage("f", 5, GBK("函数/过程< macro >调用出错！")));
  EXPECT_EQ(RunError("function f\r\nmacrothread\r\nend"),
            RuntimeMessage("f", 5, GBK("函数/过程< macrothread >调用出错！")));
  // The statements of a macro belong to no function.
  EXPECT_EQ(RunError("function f\r\nmacro('x = nobody')\r\nend"),
            RuntimeMessage("", 1, GBK("未定义的变量< nobody >！")));
  EXPECT_EQ(RunError("function f\r\ndim a\r\ndim A\r\nend"), GBK("变量< A >已经定义！"));
  EXPECT_THROW(Run("function f\r\nif Null then x = 1\r\nend"), EConvertError);
  try {
    Run("function f(p)\r\ndim p\r\nend");
    FAIL();
  } catch (const EScriptPlainError& error) {
    EXPECT_EQ(error.what(), GBK("变量定义冲突! 已存在形式参数 ") + "p !");
  }
}

TEST_F(Executor, ARunStartedFromAHandlerIsRefused) {
  std::string inner_error;
  exec.OnAction = [&](TkxScriptExec& sender, TkxActionType, TkxHostObject*, const std::string&,
                      TkxScriptVariants*, TkxScriptVar& value, bool& succeed) {
    try {
      sender.Evaluate("1");
    } catch (const EScriptError& error) {
      inner_error = error.what();
    }
    value.SetValue(TkxValue::FromInteger(1));
    succeed = true;
  };
  EXPECT_EQ(Run("function f\r\ndim a\r\na = 2\r\nResult = a + hostvalue\r\nend").AsInteger(), 3);
  EXPECT_EQ(inner_error, GBK("脚本正在执行，不能重入！") + "\r\n1");
  exec.OnAction = nullptr;
  EXPECT_TRUE(exec.Evaluate("1"));  // the executor is usable again after the run
}

TEST_F(Executor, MacroThatRunsItselfIsRefused) {
  globals.Add("m").SetValue(TkxValue::FromString("macro(m)"));
  EXPECT_THROW(Run("function f\r\nmacro(m)\r\nend"), EScriptError);
}

TEST_F(Executor, OnErrorCanKeepTheFlowGoing) {
  std::vector<int> codes;
  exec.OnError = [&](TkxScriptExec&, int code, const std::string&, bool& can_stop) {
    codes.push_back(code);
    can_stop = false;
  };
  // With CanStop cleared the EXCEPT block runs to its end.
  EXPECT_EQ(
      Run("function f\r\ntry\r\n  x = nobody\r\nexcept\r\n  Result = 1\r\n  Result = 2\r\nendtry\r\nend")
          .AsInteger(),
      2);
  EXPECT_EQ(codes, std::vector<int>{1});
}

TEST_F(Executor, TypedResultsAndParameters) {
  const auto& floating = Run("function f as float\r\nend");
  EXPECT_EQ(floating.Kind(), vkInteger);
  EXPECT_EQ(floating.AsString(), "0");
  EXPECT_EQ(Run("function f as string\r\nend").Kind(), vkString);
  EXPECT_EQ(Run("function f as bool\r\nend").AsString(), "False");
  EXPECT_TRUE(Run("function f as variant\r\nend").Value().IsNull());
  // Arguments bind by position; a parameter without argument keeps its default.
  TkxScriptVariants args;
  args.Add("first").SetValue(TkxValue::FromInteger(5));
  EXPECT_EQ(Run("function f(a, b as integer)\r\nResult = a * 10 + b\r\nend", &args).AsString(), "50");
  EXPECT_EQ(exec.Locals().Count(), 0);  // cleared after the run
}

TEST_F(Executor, LookupOrderLocalsParametersContextGlobals) {
  globals.Add("n").SetValue(TkxValue::FromString("global"));
  TkxScriptVariants context;
  context.Add("N").SetValue(TkxValue::FromString("context"));
  TkxScriptWordParse lexer;
  ASSERT_TRUE(lexer.Parse(
      "function f(n)\r\nResult = n\r\nmacro('dim n')\r\nn = 'local'\r\nResult = Result + n\r\nend"));
  TkxSyntaxTree tree;
  int index = 0;
  tree.ParseFunction(lexer, index);
  // A DIM clashing with a parameter is refused, also inside a macro.
  EXPECT_THROW(exec.Execute(tree, nullptr, &context), EScriptPlainError);

  ASSERT_TRUE(
      lexer.Parse("function f\r\nResult = n\r\nmacro('dim n')\r\nn = 'local'\r\nResult = Result + n\r\nend"));
  tree.ParseFunction(lexer, index = 0);
  exec.Execute(tree, nullptr, &context);
  EXPECT_EQ(exec.ResultVar().AsString(), "contextlocal");  // the macro declared a local of its caller
  exec.Execute(tree, nullptr, nullptr);
  EXPECT_EQ(exec.ResultVar().AsString(), "globallocal");
  EXPECT_EQ(context.Items(0).AsString(), "context");
}

TEST_F(Executor, HostAnswersNamesAndEvents) {
  std::vector<std::string> events;
  exec.OnBegin = [&](TkxScriptExec&) { events.push_back("begin"); };
  exec.OnEnd = [&](TkxScriptExec&) { events.push_back("end"); };
  exec.OnAction = [&](TkxScriptExec&, TkxActionType act, TkxHostObject*, const std::string& name,
                      TkxScriptVariants* params, TkxScriptVar& value, bool& succeed) {
    events.push_back(std::to_string(act) + ":" + name);
    if (act == atReadVar && name == "hostvar") {
      value.SetValue(TkxValue::FromInteger(7));
      succeed = true;
    } else if (act == atGetFunc && name == "hostfn") {
      value.SetValue(TkxValue::FromInteger(params ? params->Count() : -1));
      succeed = true;
    } else if (act == atWriteVar && name == "sink") {
      succeed = value.AsInteger() == 3;
    }
  };
  EXPECT_EQ(Run("function f\r\nsink = 3\r\nResult = hostvar + hostfn(1, 2)\r\nend").AsInteger(), 9);
  EXPECT_EQ(events, (std::vector<std::string>{"begin", "1:sink", "0:hostvar", "3:hostfn", "end"}));
}

class TTestObject final : public TkxHostObject {
 public:
  explicit TTestObject(std::string class_name = "TTestObject") : class_name_(std::move(class_name)) {}
  std::string ClassName() const override { return class_name_; }

 private:
  std::string class_name_;
};

TEST_F(Executor, PropertyChainsThroughTheHost) {
  TTestObject object;
  TTestObject child;
  exec.OnAction = [&](TkxScriptExec&, TkxActionType act, TkxHostObject* target, const std::string& name,
                      TkxScriptVariants*, TkxScriptVar& value, bool& succeed) {
    if (act == atObjRead && target == &object && name == "Child") {
      value.SetObject(&child);
      succeed = true;
    } else if (act == atObjRead && target == &child && name == "B") {
      value.SetValue(TkxValue::FromInteger(7));
      succeed = true;
    }
  };
  exec.HostObject = &object;
  EXPECT_EQ(Run("function f\r\nResult = self.Child.B.C\r\nend").AsInteger(), 7);
  exec.HostObject = &object;
  EXPECT_EQ(RunError("function f\r\nself.Child.B = 1\r\nend"),
            RuntimeMessage("f", 3, GBK("类<TTestObject>未知的对象属性调用< B >！")));
  exec.HostObject = &object;
  EXPECT_EQ(RunError("function f\r\nResult = self + 1\r\nend"),
            RuntimeMessage("f", 1001, GBK("表达式中变量类型不一致，其中有对象的算术运算")));
}

TEST_F(Executor, HostObjectErrors) {
  // obj.Child is a TChild object; obj.B reads 7 and takes writes; the child
  // declines writes; obj.Gone holds no object; every method call is noted.
  TTestObject object;
  TTestObject child("TChild");
  std::vector<std::string> calls;
  exec.OnAction = [&](TkxScriptExec&, TkxActionType act, TkxHostObject* target, const std::string& name,
                      TkxScriptVariants* params, TkxScriptVar& value, bool& succeed) {
    if (act == atObjRead && target == &object && name == "Child") {
      value.SetObject(&child);
    } else if (act == atObjRead && target == &object && name == "B") {
      value.SetValue(TkxValue::FromInteger(7));
    } else if (act == atObjRead && target == &object && name == "Gone") {
      value.SetObject(nullptr);
    } else if (act == atObjWrite && target == &object && name == "B") {
      calls.push_back("B=" + value.AsString());
    } else if (act == atObjMethod) {
      calls.push_back((target ? target->ClassName() : "nil") + "." + name + "/" +
                      std::to_string(params->Count()));
      return;  // an unhandled method is no error either
    } else {
      return;
    }
    succeed = true;
  };
  globals.Add("obj").SetObject(&object);
  globals.Add("none").SetObject(nullptr);
  globals.Add("five").SetValue(TkxValue::FromInteger(5));
  const std::string not_object =
      GBK(":只有对象变量才能拥有属性！") + "\r\nOnly ObjectVariant can use property!";
  struct Case {
    std::string statement;
    int code;  // 0: no error
    std::string message;
  };
  const Case cases[] = {
      // Reading in an expression.
      /* 0 */ {"Result = five.Prop", 100, GBK("非对象变量拥有属性列表！")},
      /* 1 */ {"Result = none.Prop", 103, GBK("无效对象变量< none >访问，对象为nil！")},
      /* 2 */ {"Result = obj.Child.Size", 3, GBK("类<TChild>未知的对象属性调用< Size >！")},
      /* 3 */ {"Result = obj.B.C", 0, ""},  // reading stops at the first value that is no object
                                            // Assigning through a chain.
      /* 4 */ {"none.B = 1", 103, GBK("无效对象变量< none >访问，对象为nil！")},
      /* 5 */ {"five.B = 1", 103, GBK("无效对象变量< five >访问，对象为nil！")},
      /* 6 */ {"nobody.B = 1", 1, GBK("未定义的变量< nobody >！")},
      /* 7 */ {"nofn(1).B = 1", 1, GBK("未知函数/过程调用< nofn >！")},
      /* 8 */ {"obj.Missing.B = 1", 3, GBK("类<TTestObject>未知的对象属性调用< Missing >！")},
      /* 9 */ {"obj.Child.B = 1", 3, GBK("类<TChild>未知的对象属性调用< B >！")},
      /* 10 */ {"obj.B = 2", 0, ""},
      // Method-call statements.
      /* 11 */ {"nobody.Go", 1, GBK("变量 nobody不存在！") + "\r\nVariant nobody not exists!"},
      /* 12 */ {"nofn(1).Go", 2, GBK("函数 nofn未定义！") + "\r\nFunction nofn not exists!"},
      /* 13 */ {"five.Go", 101, "five" + not_object},
      /* 14 */ {"obj.B.Go", 101, "obj" + not_object},
      /* 15 */ {"obj.Child.Go(1, 2)", 0, ""},
      /* 16 */ {"obj.Gone.Go", 0, ""},  // an object variable holding none is still an object
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    const std::string expected =
        cases[i].code ? RuntimeMessage("f", cases[i].code, cases[i].message) : "no error";
    EXPECT_EQ(RunError("function f\r\n" + cases[i].statement + "\r\nend"), expected);
  }
  EXPECT_EQ(calls, (std::vector<std::string>{"B=2", "TChild.Go/2", "nil.Go/0"}));
  EXPECT_EQ(Run("function f\r\nResult = obj.B.C\r\nend").AsInteger(), 7);
  // Without a host object, self is an error of its own in statements too.
  try {
    Run("function f\r\nself.Close\r\nend");
    FAIL();
  } catch (const EScriptPlainError& error) {
    EXPECT_EQ(error.what(), GBK("未定义脚本宿主对象Self！"));
  }
}

}  // namespace
}  // namespace tagpress
