#pragma once
// The executor: runs a parsed script by walking its syntax tree, and
// evaluates single expressions for the label texts.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "script/custom_functions.h"
#include "script/script_var.h"
#include "script/script_variants.h"
#include "script/syntax_tree.h"

namespace tagpress {

// What the executor asks its host through OnAction.
enum TkxActionType : uint8_t {
  atReadVar = 0,    // a name used as a value is no variable; AValue receives the value
  atWriteVar = 1,   // an assignment targets a name that is no variable; AValue holds the value
  atDoProc = 2,     // a call statement names a procedure; AParams holds the arguments
  atGetFunc = 3,    // a name is used as a function; AValue receives the result
  atObjRead = 4,    // a property of a host object is read
  atObjWrite = 5,   // a property of a host object is written
  atObjMethod = 6,  // a method of a host object is called as a statement
};

enum TkxFlowState : uint8_t { fsNormal = 0, fsBreak = 1, fsContinue = 2, fsExit = 3 };

class TkxScriptExec;
class TkxScriptThread;

// The handler sets `Succeed` (entering false) when it dealt with the request.
using TkxActionEvent =
    std::function<void(TkxScriptExec& Sender, TkxActionType Act, TkxHostObject* Obj, const std::string& AName,
                       TkxScriptVariants* AParams, TkxScriptVar& AValue, bool& Succeed)>;
// Told of every runtime error; clearing `CanStop` (entering true) keeps the flow state.
using TkxErrorEvent =
    std::function<void(TkxScriptExec& Sender, int ErrCode, const std::string& ErrMsg, bool& CanStop)>;
using TkxNotifyEvent = std::function<void(TkxScriptExec& Sender)>;

class TkxScriptExec {
 public:
  // Macros and macro threads may run further ones; beyond this depth they
  // are refused, so a text that runs itself cannot exhaust the stack or
  // start threads without end.
  static constexpr int kMaxMacroDepth = 32;

  // Life cycle.
  TkxScriptExec();
  // Waits for every worker that "macrothread" started: they use the global
  // table, the handlers, the host object and the function library, so the
  // host keeps those alive at least as long as the executor.
  ~TkxScriptExec();
  TkxScriptExec(const TkxScriptExec&) = delete;
  TkxScriptExec& operator=(const TkxScriptExec&) = delete;

  // Operations.
  // Evaluates one expression; false when its text does not scan or holds a
  // line end outside a string (the rest would run as statements of their
  // own: loops, macros, threads). Afterwards ResultVar holds the value.
  // Raises EScriptError for syntax and runtime errors (runtime messages
  // followed by "\r\n" and the expression), with "表达式计算除零！" for a
  // real division by zero and "表达式计算溢出！" for a real overflow; other
  // errors pass unchanged.
  bool Evaluate(std::string_view expr);
  // Runs a parsed tree with actual arguments and a further variable table (both may be nullptr).
  void Execute(const TkxSyntaxTree& tree, TkxScriptVariants* args, TkxScriptVariants* context_vars);
  // Waits until every worker started by "macrothread" has ended.
  void WaitForThreads();

  // Properties the host sets. A text run by "macrothread" takes the
  // handlers, the global table and the host object set when the statement
  // runs; it calls those handlers and works on that same global table on
  // its worker thread while the host goes on, so a host whose scripts may
  // use "macrothread" makes them safe for it. The worker gets copies of the
  // argument and context tables. Label expressions cannot start a worker:
  // a single expression holds no statement.
  TkxActionEvent OnAction;
  TkxErrorEvent OnError;
  TkxNotifyEvent OnBegin;
  TkxNotifyEvent OnEnd;
  TkxScriptVariants* GlobalVars = nullptr;  // owned by the host
  bool UseStdFuncLib = true;
  TkxHostObject* HostObject = nullptr;  // what self stands for in the next run

  // The library consulted when UseStdFuncLib is set; nullptr (the default)
  // means the standard library StdFuncLib().
  void SetFunctionLibrary(TkxCustomFunctions* library) { function_library_ = library; }

  // State after (or during) a run.
  const TkxScriptVar& ResultVar() const { return result_var_; }
  TkxFlowState FlowState() const { return flow_state_; }
  const TkxScriptVariants& Locals() const { return *locals_; }
  const TkxScriptVariants& Params() const { return *params_; }
  size_t StackDepth() const { return stack_.size(); }

 private:
  using Node = TSyntaxTreeNode;

  TkxCustomFunctions& Library() const { return function_library_ ? *function_library_ : StdFuncLib(); }
  void Run();
  void RunStatements();
  void Push(const Node* node) { stack_.push_back(node); }
  void Pop();
  void RunBlock(const Node* first);

  void ExecAssign(const Node* node);
  void ExecCall(const Node* node);
  void ExecIf(const Node* node);
  void ExecWhile(const Node* node);
  void ExecFor(const Node* node);
  void ExecDim(const Node* node);
  void ExecCase(const Node* node);
  void ExecTry(const Node* node);

  void StoreTarget(const Node* node, const TkxScriptVar& value);
  void StoreThroughChain(const Node* node, const TkxScriptVar& value);
  void CallMethod(const Node* node, TkxScriptVariants& args);
  void RunMacro(const std::string& text);
  void StartMacroThread(const std::string& text);
  void CheckMacroDepth() const;
  // Sets up an executor that runs a macro text for this one.
  void ShareRunSettings(TkxScriptExec& other) const;

  void Eval(const Node* node, TkxScriptVar& target);
  void EvalName(const Node* node, TkxScriptVar& target);
  void EvalOperator(const Node* node, TkxScriptVar& target);
  void EvalList(const Node* first, TkxScriptVariants& table);
  void ReadChain(const Node* base, TkxScriptVar& target);

  TkxScriptVar* Lookup(std::string_view name) const;
  bool AskHost(TkxActionType act, const std::string& name, TkxScriptVar& value, TkxScriptVariants* params,
               TkxHostObject* object);
  [[noreturn]] void RuntimeError(int code, const std::string& message);

  const TkxSyntaxTree* tree_ = nullptr;
  std::vector<const Node*> stack_;
  TkxScriptVariants own_locals_{true};
  TkxScriptVariants own_params_;
  // The tables in use: the executor's own, or its caller's while it runs a macro.
  TkxScriptVariants* locals_ = &own_locals_;
  TkxScriptVariants* params_ = &own_params_;
  TkxScriptVariants* context_vars_ = nullptr;
  TkxScriptVariants* args_ = nullptr;
  TkxScriptVar result_var_;
  const Node* current_ = nullptr;
  TkxFlowState flow_state_ = fsNormal;
  bool nested_ = false;
  int macro_depth_ = 0;
  TkxCustomFunctions* function_library_ = nullptr;
  // Workers started by "macrothread"; finished ones are dropped when the next starts.
  std::vector<std::unique_ptr<TkxScriptThread>> threads_;
};

}  // namespace tagpress
