#include "script/script_exec.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <system_error>
#include <thread>

#include "platform/text_codec.h"
#include "platform/ascii_text.h"
#include "script/date_time.h"
#include "platform/number_text.h"
#include "script/script_errors.h"
#include "script/script_thread.h"
#include "script/value_operators.h"

namespace tagpress {

namespace {

// "prefix< name >suffix", the shape of the engine's Format("...< %s >...") messages.
std::string Bracketed(const std::string& format, std::string_view name) {
  std::string message = format;
  message.replace(message.find("%s"), 2, name);
  return message;
}

// The value a declared type starts with.
void StoreDefault(TkxScriptVar& variable, TkxVarKind code) {
  switch (code) {
    case vkVariant:
      variable.SetValue(TkxValue::Null());
      break;
    case vkString:
      variable.SetValue(TkxValue::FromString(std::string()));
      break;
    case vkBoolean:
      variable.SetValue(TkxValue::FromBoolean(false));
      break;
    case vkObject:
      variable.SetObject(nullptr);
      break;
    default:
      variable.SetValue(TkxValue::FromInteger(0));
      break;
  }
}

std::string ClassNameOf(const TkxHostObject* object) { return object ? object->ClassName() : "nil"; }

// Restores a pointer member when a scope is left, however it is left.
template <typename T>
class TRestore {
 public:
  TRestore(T& slot, T value) : slot_(slot), saved_(slot) { slot_ = value; }
  ~TRestore() { slot_ = saved_; }
  TRestore(const TRestore&) = delete;
  TRestore& operator=(const TRestore&) = delete;

 private:
  T& slot_;
  T saved_;
};

}  // namespace

TkxScriptExec::TkxScriptExec() = default;

TkxScriptExec::~TkxScriptExec() { WaitForThreads(); }

void TkxScriptExec::WaitForThreads() { threads_.clear(); }

bool TkxScriptExec::Evaluate(std::string_view expr) {
  static const std::string kHead = "private function __exp_comput as variant\r\n  Result=";
  static const std::string kTail = "\r\nend function";
  std::string text;
  text.reserve(kHead.size() + expr.size() + kTail.size());
  text.append(kHead).append(expr).append(kTail);

  TkxScriptWordParse lexer;
  if (!lexer.Parse(text)) return false;
  // The wrapper yields two line-end tokens, after its head and after the
  // expression (the lexer's final one ends the text without a token). Any
  // further one comes from the expression and would turn the rest of it
  // into statements of their own.
  int line_ends = 0;
  for (int i = 0; i < lexer.TokenCount(); ++i) line_ends += lexer.Token(i).Kind == wtLineEnd;
  if (line_ends != 2) return false;
  TkxSyntaxTree tree;
  int index = 0;
  tree.ParseFunction(lexer, index);
  try {
    Execute(tree, nullptr, nullptr);
    return true;
  } catch (const EScriptError& error) {
    throw EScriptError(std::string(error.what()) + "\r\n" + std::string(expr));
  } catch (const EZeroDivide&) {
    throw EScriptError(GBK("表达式计算除零！"));
  } catch (const EOverflow&) {
    throw EScriptError(GBK("表达式计算溢出！"));
  }
}

void TkxScriptExec::Execute(const TkxSyntaxTree& tree, TkxScriptVariants* args,
                            TkxScriptVariants* context_vars) {
  // A host handler that starts another run on this executor while it runs
  // would free the variables the outer run is working on.
  if (tree_) throw EScriptError(GBK("脚本正在执行，不能重入！"));
  // The tree belongs to the caller: never keep it past this run.
  TRestore<const TkxSyntaxTree*> tree_guard(tree_, &tree);
  args_ = args;
  context_vars_ = context_vars;
  Run();
  if (!nested_) locals_->Clear();
}

void TkxScriptExec::Run() {
  const Node* root = tree_->Root();
  if (!root) return;
  stack_.clear();
  if (!nested_) {
    params_->Clear();
    locals_->Clear();
    locals_->Add("RESULT");
  }
  current_ = root;
  if (OnBegin) OnBegin(*this);
  result_var_.Clear();
  if (root->NodeClass == ncFunction && root->NodeKind == kFunctionNode && !nested_) {
    if (const Node* return_type = root->Child2) {
      const TkxVarKind code = TypeCodeOfName(return_type->Text);
      if (code != vkObject) StoreDefault(*locals_->Find("RESULT"), code);
    }
    for (const Node* parameter = root->Child1; parameter; parameter = parameter->Next) {
      TkxScriptVar& variable = params_->Add(parameter->Text);
      if (parameter->Child1 && !parameter->Child1->Text.empty()) {
        StoreDefault(variable, TypeCodeOfName(parameter->Child1->Text));
      }
    }
    current_ = root->Next;
  }
  flow_state_ = fsNormal;
  RunStatements();
  result_var_.Assign(locals_->Find("Result"));
  if (OnEnd) OnEnd(*this);
  args_ = nullptr;
  HostObject = nullptr;
}

void TkxScriptExec::RunStatements() {
  while (current_) {
    const Node* node = current_;
    if (node->NodeClass != ncStatement) RuntimeError(101, GBK("脚本语法错！"));
    switch (node->NodeKind) {
      case skIf:
        ExecIf(node);
        break;
      case skFor:
        ExecFor(node);
        break;
      case skWhile:
        ExecWhile(node);
        break;
      case skDim:
        ExecDim(node);
        break;
      case skCase:
        ExecCase(node);
        break;
      case skAssign:
        ExecAssign(node);
        break;
      case skCall:
        ExecCall(node);
        break;
      case skTryExcept:
      case skTryFinally:
        ExecTry(node);
        break;
      default:
        RuntimeError(101, GBK("脚本语法错！"));
    }
    if (flow_state_ != fsNormal) break;
  }
}

void TkxScriptExec::RunBlock(const Node* first) {
  current_ = first;
  RunStatements();
}

void TkxScriptExec::Pop() {
  if (stack_.empty()) RuntimeError(102, GBK("运行时错！堆栈已空"));
  const Node* top = stack_.back();
  stack_.pop_back();
  current_ = top->Next;
}

void TkxScriptExec::ExecAssign(const Node* node) {
  Push(node);
  TkxScriptVar value;
  Eval(node->Child3, value);
  StoreTarget(node, value);
  Pop();
}

void TkxScriptExec::ExecCall(const Node* node) {
  const std::string& name = node->Text;
  if (SameTextAscii(name, "BREAK")) {
    flow_state_ = fsBreak;
    return;
  }
  if (SameTextAscii(name, "CONTINUE")) {
    flow_state_ = fsContinue;
    return;
  }
  if (SameTextAscii(name, "EXIT")) {
    flow_state_ = fsExit;
    return;
  }
  flow_state_ = fsNormal;
  Push(node);
  TkxScriptVariants args;
  EvalList(node->Child1, args);
  if (node->Child2) {
    CallMethod(node, args);
  } else if (SameTextAscii(name, "macro") && args.Count() >= 1) {
    RunMacro(args.Items(0).AsString());
  } else if (SameTextAscii(name, "macrothread") && args.Count() >= 1) {
    StartMacroThread(args.Items(0).AsString());
  } else {
    TkxScriptVar value;
    bool done = AskHost(atDoProc, name, value, &args, nullptr);
    if (!done && UseStdFuncLib) {
      TkxValue dropped;
      done = Library().CallFunction(name, &args, dropped);
    }
    if (!done) RuntimeError(5, Bracketed(GBK("函数/过程< %s >调用出错！"), name));
  }
  Pop();
}

void TkxScriptExec::ExecIf(const Node* node) {
  Push(node);
  TkxScriptVar condition;
  Eval(node->Child1, condition);
  if (ValueToBoolean(condition.Value())) {
    RunBlock(node->Child2);
  } else if (node->Child3) {
    RunBlock(node->Child3);
  }
  Pop();
}

void TkxScriptExec::ExecWhile(const Node* node) {
  Push(node);
  while (true) {
    TkxScriptVar condition;
    Eval(node->Child1, condition);
    if (!ValueToBoolean(condition.Value())) {
      flow_state_ = fsNormal;
      break;
    }
    flow_state_ = fsNormal;
    RunBlock(node->Child2);
    if (flow_state_ == fsBreak) {
      flow_state_ = fsNormal;
      break;
    }
    if (flow_state_ == fsExit) break;
  }
  Pop();
}

void TkxScriptExec::ExecFor(const Node* node) {
  Push(node);
  TkxScriptVar* variable = locals_->Find(node->Text);
  if (!variable) {
    RuntimeError(101, GBK("FOR 语句中的循环变量只能是局部变量，请先定义变量 <") + node->Text + ">");
  }
  TkxScriptVar start;
  Eval(node->Child1, start);
  variable->SetValue(start.Value());
  const int64_t first = variable->AsInteger();
  TkxScriptVar end;
  Eval(node->Child2, end);
  const int64_t last = ValueToInteger(end.Value());
  const bool upward = node->Code == kForTo;
  // Counted in 64 bits: the loop over the whole 32-bit range does not overflow.
  const int64_t passes =
      upward ? (last >= first ? last - first + 1 : 0) : (first >= last ? first - last + 1 : 0);
  for (int64_t pass = 0; pass < passes; ++pass) {
    const int64_t value = upward ? first + pass : first - pass;
    variable->SetValue(TkxValue::FromInteger(static_cast<int32_t>(value)));
    flow_state_ = fsNormal;
    RunBlock(node->Child3);
    if (flow_state_ == fsBreak) {
      flow_state_ = fsNormal;
      break;
    }
    if (flow_state_ == fsExit) break;
    if (pass + 1 == passes) flow_state_ = fsNormal;
  }
  Pop();
}

void TkxScriptExec::ExecDim(const Node* node) {
  Push(node);
  for (const Node* name = node->Child1; name; name = name->Next) {
    if (params_->Exists(name->Text)) {
      throw EScriptPlainError(GBK("变量定义冲突! 已存在形式参数 ") + name->Text + " !");
    }
    locals_->Add(name->Text);
  }
  Pop();
}

void TkxScriptExec::ExecCase(const Node* node) {
  Push(node);
  TkxScriptVar selector;
  Eval(node->Child1, selector);
  for (const Node* branch = node->Child2; branch; branch = branch->Next) {
    bool taken = branch->Child1 == nullptr;
    if (!taken) {
      TkxScriptVariants values;
      EvalList(branch->Child1, values);
      for (int i = 0; i < values.Count() && !taken; ++i) {
        taken = ValuesEqual(values.Items(i).Value(), selector.Value());
      }
    }
    if (taken) {
      RunBlock(branch->Child2);
      break;
    }
  }
  Pop();
}

void TkxScriptExec::ExecTry(const Node* node) {
  Push(node);
  const size_t top = stack_.size();
  if (node->NodeKind == skTryExcept) {
    bool failed = false;
    try {
      RunBlock(node->Child1);
    } catch (...) {
      failed = true;
    }
    if (failed) {
      stack_.resize(top);
      RunBlock(node->Child2);
    }
  } else {
    try {
      RunBlock(node->Child1);
    } catch (...) {
      stack_.resize(top);
      RunBlock(node->Child2);
      throw;
    }
    stack_.resize(top);
    RunBlock(node->Child2);
  }
  Pop();
}

void TkxScriptExec::StoreTarget(const Node* node, const TkxScriptVar& value) {
  if (node->Child2) {
    StoreThroughChain(node, value);
    return;
  }
  if (node->Child1) RuntimeError(103, Bracketed(GBK("不能给函数< %s >赋值！"), node->Text));
  if (TkxScriptVar* variable = Lookup(node->Text)) {
    variable->Assign(&value);
    return;
  }
  TkxScriptVar copy;
  copy.Assign(&value);
  if (!AskHost(atWriteVar, node->Text, copy, nullptr, nullptr)) {
    RuntimeError(1, Bracketed(GBK("未定义的变量< %s >！"), node->Text));
  }
}

void TkxScriptExec::StoreThroughChain(const Node* node, const TkxScriptVar& value) {
  const std::string& name = node->Text;
  TkxScriptVar fresh;
  TkxScriptVar* base = nullptr;
  if (!node->Child1) {
    base = Lookup(name);
    if (!base) {
      base = &fresh;
      if (!AskHost(atReadVar, name, fresh, nullptr, nullptr) &&
          !AskHost(atGetFunc, name, fresh, nullptr, nullptr)) {
        RuntimeError(1, Bracketed(GBK("未定义的变量< %s >！"), name));
      }
    }
  } else {
    TkxScriptVariants args;
    EvalList(node->Child1, args);
    base = &fresh;
    if (!AskHost(atGetFunc, name, fresh, &args, nullptr)) {
      RuntimeError(1, Bracketed(GBK("未知函数/过程调用< %s >！"), name));
    }
  }
  if (base->Kind() != vkObject || base->AsObject() == nullptr) {
    RuntimeError(103, Bracketed(GBK("无效对象变量< %s >访问，对象为nil！"), name));
  }
  TkxHostObject* object = base->AsObject();
  TkxScriptVar step;
  const Node* property = node->Child2;
  for (; property->Child2; property = property->Child2) {
    TkxScriptVariants args;
    EvalList(property->Child1, args);
    if (!AskHost(atObjRead, property->Text, step, &args, object)) {
      RuntimeError(3, GBK("类<") + ClassNameOf(object) + ">" +
                          Bracketed(GBK("未知的对象属性调用< %s >！"), property->Text));
    }
    object = step.AsObject();
  }
  TkxScriptVariants args;
  EvalList(property->Child1, args);
  TkxScriptVar written;
  written.Assign(&value);
  if (!AskHost(atObjWrite, property->Text, written, &args, object)) {
    RuntimeError(3, GBK("类<") + ClassNameOf(object) + ">" +
                        Bracketed(GBK("未知的对象属性调用< %s >！"), property->Text));
  }
}

void TkxScriptExec::CallMethod(const Node* node, TkxScriptVariants& args) {
  const std::string& name = node->Text;
  TkxScriptVar target;
  if (!node->Child1) {
    if (TkxScriptVar* found = Lookup(name)) {
      target.Assign(found);
    } else if (!AskHost(atReadVar, name, target, &args, nullptr) &&
               !AskHost(atGetFunc, name, target, &args, nullptr)) {
      RuntimeError(1, GBK("变量 ") + name + GBK("不存在！") + "\r\nVariant " + name + " not exists!");
    }
  } else if (!AskHost(atGetFunc, name, target, &args, nullptr)) {
    RuntimeError(2, GBK("函数 ") + name + GBK("未定义！") + "\r\nFunction " + name + " not exists!");
  }
  const std::string not_object =
      name + GBK(":只有对象变量才能拥有属性！") + "\r\nOnly ObjectVariant can use property!";
  if (target.Kind() != vkObject) RuntimeError(101, not_object);
  const Node* property = node->Child2;
  for (; property->Child2; property = property->Child2) {
    TkxHostObject* object = target.AsObject();
    target.Clear();
    args.Clear();
    EvalList(property->Child1, args);
    AskHost(atObjRead, property->Text, target, &args, object);
    if (target.Kind() != vkObject) RuntimeError(101, not_object);
  }
  args.Clear();
  EvalList(property->Child1, args);
  AskHost(atObjMethod, property->Text, target, &args, target.AsObject());
}

void TkxScriptExec::CheckMacroDepth() const {
  if (macro_depth_ >= kMaxMacroDepth) {
    throw EScriptError(Bracketed(GBK("宏调用嵌套超过< %s >层！"), std::to_string(kMaxMacroDepth)));
  }
}

void TkxScriptExec::ShareRunSettings(TkxScriptExec& other) const {
  other.OnBegin = OnBegin;
  other.OnEnd = OnEnd;
  other.OnAction = OnAction;
  other.OnError = OnError;
  other.GlobalVars = GlobalVars;
  other.HostObject = HostObject;
  other.UseStdFuncLib = UseStdFuncLib;
  other.function_library_ = function_library_;
  other.nested_ = true;
  other.macro_depth_ = macro_depth_ + 1;
}

void TkxScriptExec::RunMacro(const std::string& text) {
  if (text.empty()) return;
  CheckMacroDepth();
  TkxScriptWordParse lexer;
  lexer.Parse(text + "\r\n");
  TkxSyntaxTree tree;
  tree.ParseStatements(lexer);
  TkxScriptExec nested;
  ShareRunSettings(nested);
  // The macro works on its caller's locals and parameters.
  nested.locals_ = locals_;
  nested.params_ = params_;
  nested.Execute(tree, args_, context_vars_);
}

void TkxScriptExec::StartMacroThread(const std::string& text) {
  if (text.empty()) return;
  CheckMacroDepth();
  std::erase_if(threads_, [](const std::unique_ptr<TkxScriptThread>& thread) { return thread->Finished(); });
  // The worker's executor keeps its own empty locals and parameters.
  auto executor = std::make_unique<TkxScriptExec>();
  ShareRunSettings(*executor);
  auto thread = std::make_unique<TkxScriptThread>(text, std::move(executor), args_, context_vars_);
  try {
    thread->Start();
  } catch (const std::system_error&) {
    throw EScriptError(GBK("无法启动脚本线程！"));
  }
  threads_.push_back(std::move(thread));
  // Give the worker a moment to start before the statement ends.
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

void TkxScriptExec::EvalList(const Node* first, TkxScriptVariants& table) {
  int position = 0;
  for (const Node* node = first; node; node = node->Next) {
    Eval(node, table.Add(std::to_string(++position)));
  }
}

TkxScriptVar* TkxScriptExec::Lookup(std::string_view name) const {
  if (TkxScriptVar* local = locals_->Find(name)) return local;
  const int parameter = params_->IndexOf(name);
  if (parameter >= 0) {
    if (args_ && parameter < args_->Count()) return &args_->Items(parameter);
    return &params_->Items(parameter);
  }
  if (context_vars_) {
    if (TkxScriptVar* context = context_vars_->Find(name)) return context;
  }
  if (GlobalVars) return GlobalVars->Find(name);
  return nullptr;
}

bool TkxScriptExec::AskHost(TkxActionType act, const std::string& name, TkxScriptVar& value,
                            TkxScriptVariants* params, TkxHostObject* object) {
  if (act == atReadVar && SameTextAscii(name, "self")) {
    if (!HostObject) throw EScriptPlainError(GBK("未定义脚本宿主对象Self！"));
    value.SetObject(HostObject);
    return true;
  }
  if (!OnAction) return false;
  bool succeed = false;
  OnAction(*this, act, object, name, params, value, succeed);
  return succeed;
}

void TkxScriptExec::RuntimeError(int code, const std::string& message) {
  bool can_stop = true;
  if (OnError) OnError(*this, code, message, can_stop);
  if (can_stop) flow_state_ = fsExit;
  const std::string function_name = tree_ ? tree_->FunctionName() : std::string();
  throw EScriptError(GBK("程序执行错误！") + "\r\n\r\n" + GBK("所在函数/过程：") + function_name + "\r\n" +
                     GBK("错误号：") + std::to_string(code) + "\r\n" + GBK("错误信息：") + message);
}

void TkxScriptExec::Eval(const Node* node, TkxScriptVar& target) {
  if (!node || node->NodeClass != ncExpression) return;
  switch (node->NodeKind) {
    case ekLiteral:
      switch (node->Code) {
        case ltInteger: {
          const auto integer = TryTextToInt(node->Text);
          if (!integer) throw EConvertError("'" + node->Text + "' is not a valid integer value");
          target.SetValue(TkxValue::FromInteger(*integer));
          break;
        }
        case ltReal: {
          const auto real = TryTextToFloat(node->Text);
          if (!real) throw EConvertError("'" + node->Text + "' is not a valid floating point value");
          target.SetValue(TkxValue::FromDouble(*real));
          break;
        }
        case ltDateTime: {
          const auto date = TryTextToDateTime(node->Text);
          if (!date) throw EConvertError("'" + node->Text + "' is not a valid date and time");
          target.SetValue(TkxValue::FromDate(*date));
          break;
        }
        default:
          target.SetValue(TkxValue::FromString(node->Text));
      }
      break;
    case ekIdentifier:
      if (SameTextAscii(node->Text, "True")) {
        target.SetValue(TkxValue::FromBoolean(true));
      } else if (SameTextAscii(node->Text, "False")) {
        target.SetValue(TkxValue::FromBoolean(false));
      } else if (SameTextAscii(node->Text, "Null")) {
        target.SetValue(TkxValue::Null());
      } else if (SameTextAscii(node->Text, "nil")) {
        target.SetObject(nullptr);
      } else {
        EvalName(node, target);
      }
      break;
    case ekCall:
      EvalName(node, target);
      break;
    case ekOperator:
      EvalOperator(node, target);
      break;
    default:
      break;
  }
}

void TkxScriptExec::EvalName(const Node* node, TkxScriptVar& target) {
  const std::string& name = node->Text;
  target.Clear();
  if (!node->Child1) {
    if (TkxScriptVar* variable = Lookup(name)) {
      target.Assign(variable);
    } else if (UseStdFuncLib && Library().HasFunction(name)) {
      TkxValue result;
      if (!Library().CallFunction(name, nullptr, result))
        RuntimeError(5, Bracketed(GBK("函数/过程< %s >调用出错！"), name));
      target.SetValue(std::move(result));
    } else if (!AskHost(atReadVar, name, target, nullptr, nullptr) &&
               !AskHost(atGetFunc, name, target, nullptr, nullptr)) {
      RuntimeError(1, Bracketed(GBK("未定义的变量< %s >！"), name));
    }
  } else {
    TkxScriptVariants args;
    EvalList(node->Child1, args);
    if (UseStdFuncLib && Library().HasFunction(name)) {
      TkxValue result;
      if (!Library().CallFunction(name, &args, result))
        RuntimeError(5, Bracketed(GBK("函数/过程< %s >调用出错！"), name));
      target.SetValue(std::move(result));
    } else if (!AskHost(atGetFunc, name, target, &args, nullptr)) {
      RuntimeError(2, Bracketed(GBK("未知函数/过程调用< %s >！"), name));
    }
  }
  if (node->Child2) ReadChain(node, target);
}

void TkxScriptExec::ReadChain(const Node* base, TkxScriptVar& target) {
  if (target.Kind() != vkObject) RuntimeError(100, GBK("非对象变量拥有属性列表！"));
  if (!target.AsObject())
    RuntimeError(103, Bracketed(GBK("无效对象变量< %s >访问，对象为nil！"), base->Text));
  TkxScriptVar value;
  value.SetObject(target.AsObject());
  for (const Node* property = base->Child2; property && value.Kind() == vkObject;
       property = property->Child2) {
    TkxHostObject* object = value.AsObject();
    value.Clear();
    TkxScriptVariants args;
    EvalList(property->Child1, args);
    if (!AskHost(atObjRead, property->Text, value, &args, object)) {
      RuntimeError(3, GBK("类<") + ClassNameOf(object) + ">" +
                          Bracketed(GBK("未知的对象属性调用< %s >！"), property->Text));
    }
  }
  target.Assign(&value);
}

void TkxScriptExec::EvalOperator(const Node* node, TkxScriptVar& target) {
  const int16_t op = node->Code;
  if (op == opNot) {
    TkxScriptVar operand;
    Eval(node->Child2, operand);
    if (operand.Kind() == vkBoolean) {
      target.SetValue(TkxValue::FromBoolean(!operand.AsBoolean()));
    } else {
      target.SetValue(TkxValue::FromInteger(~operand.AsInteger()));
    }
    return;
  }
  if (op == opIn) {
    TkxScriptVar left;
    Eval(node->Child1, left);
    TkxScriptVariants elements;
    EvalList(node->Child2, elements);
    bool found = false;
    for (int i = 0; i < elements.Count() && !found; ++i)
      found = ValuesEqual(elements.Items(i).Value(), left.Value());
    target.SetValue(TkxValue::FromBoolean(found));
    return;
  }
  TkxScriptVar left;
  TkxScriptVar right;
  Eval(node->Child1, left);
  Eval(node->Child2, right);
  const bool left_object = left.Kind() == vkObject;
  const bool right_object = right.Kind() == vkObject;
  if (left_object != right_object) RuntimeError(1001, GBK("表达式中变量类型不一致，其中有对象的算术运算"));
  switch (op) {
    case opAdd:
      target.SetValue(ValueAdd(left.GetValue(), right.GetValue()));
      break;
    case opSub:
      target.SetValue(ValueSubtract(left.GetValue(), right.GetValue()));
      break;
    case opMul:
      target.SetValue(ValueMultiply(left.GetValue(), right.GetValue()));
      break;
    case opDiv:
      target.SetValue(ValueDivide(left.GetValue(), right.GetValue()));
      break;
    case opMod: {
      const int32_t x = left.AsInteger();
      const int32_t y = right.AsInteger();
      if (y == 0) throw EDivByZero();
      target.SetValue(TkxValue::FromInteger(y == -1 ? 0 : x % y));
      break;
    }
    case opIntDiv: {
      const int64_t x = left.AsInteger();
      const int64_t y = right.AsInteger();
      if (y == 0) throw EDivByZero();
      const int64_t quotient = x / y;  // only INT32_MIN \ -1 leaves 32 bits: it widens
      if (quotient > INT32_MAX) {
        target.SetValue(TkxValue::FromInt64(quotient));
      } else {
        target.SetValue(TkxValue::FromInteger(static_cast<int32_t>(quotient)));
      }
      break;
    }
    case opPower:
      target.SetValue(TkxValue::FromDouble(CheckedReal(std::pow(left.AsFloat(), right.AsFloat()))));
      break;
    case opAnd:
    case opOr:
      if (left.Kind() == vkBoolean) {
        const bool x = left.AsBoolean();
        const bool y = right.AsBoolean();
        target.SetValue(TkxValue::FromBoolean(op == opAnd ? (x && y) : (x || y)));
      } else {
        const int32_t x = left.AsInteger();
        const int32_t y = right.AsInteger();
        target.SetValue(TkxValue::FromInteger(op == opAnd ? (x & y) : (x | y)));
      }
      break;
    case opXor:
      target.SetValue(TkxValue::FromInteger(left.AsInteger() ^ right.AsInteger()));
      break;
    case opShr:
    case opShl: {
      const auto x = static_cast<uint32_t>(left.AsInteger());
      const auto count = static_cast<uint32_t>(right.AsInteger()) & 31u;
      target.SetValue(TkxValue::FromInteger(static_cast<int32_t>(op == opShr ? x >> count : x << count)));
      break;
    }
    case opGreater:
    case opLess:
    case opEqual:
    case opGreaterEqual:
    case opLessEqual:
    case opNotEqual: {
      int order = 0;
      if (left_object && (op == opEqual || op == opNotEqual)) {
        order = left.Value().IntegerValue() == right.Value().IntegerValue() ? 0 : 1;
      } else {
        order = CompareValues(left.GetValue(), right.GetValue());
      }
      bool result = false;
      switch (op) {
        case opGreater:
          result = order > 0;
          break;
        case opLess:
          result = order < 0;
          break;
        case opEqual:
          result = order == 0;
          break;
        case opGreaterEqual:
          result = order >= 0;
          break;
        case opLessEqual:
          result = order <= 0;
          break;
        default:
          result = order != 0;
          break;
      }
      target.SetValue(TkxValue::FromBoolean(result));
      break;
    }
    default:
      break;
  }
}

}  // namespace tagpress
