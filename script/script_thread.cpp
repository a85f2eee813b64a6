#include "script/script_thread.h"

#include "script/library/file_functions.h"
#include "script/script_exec.h"
#include "script/syntax_tree.h"
#include "script/word_parse.h"

namespace tagpress {

namespace {

std::unique_ptr<TkxScriptVariants> CopyOf(const TkxScriptVariants* table) {
  if (!table) return nullptr;
  auto copy = std::make_unique<TkxScriptVariants>(table->Sorted());
  for (int i = 0; i < table->Count(); ++i) {
    const TkxScriptVar& variable = table->Items(i);
    copy->Add(variable.VarName()).Assign(&variable);
  }
  return copy;
}

}  // namespace

TkxScriptThread::TkxScriptThread(std::string script_text, std::unique_ptr<TkxScriptExec> executor,
                                 const TkxScriptVariants* args, const TkxScriptVariants* context_vars)
    : script_text_(std::move(script_text)),
      executor_(std::move(executor)),
      args_(CopyOf(args)),
      context_vars_(CopyOf(context_vars)),
      file_changes_allowed_(FileChangesAllowed::Current()) {}

TkxScriptThread::~TkxScriptThread() {
  if (thread_.joinable()) thread_.join();
}

void TkxScriptThread::Start() {
  thread_ = std::thread([this] { Run(); });
}

void TkxScriptThread::Run() noexcept {
  try {
    FileChangesAllowed file_changes(file_changes_allowed_);
    TkxScriptWordParse lexer;
    lexer.Parse(script_text_ + "\r\n");  // a text that does not scan runs up to its fault
    TkxSyntaxTree tree;
    tree.ParseStatements(lexer);
    executor_->Execute(tree, args_.get(), context_vars_.get());
  } catch (...) {
    // Nobody waits for the outcome of a worker: an error just ends it.
  }
  try {
    executor_.reset();  // joins the workers this text started
  } catch (...) {
  }
  finished_.store(true, std::memory_order_release);
}

}  // namespace tagpress
