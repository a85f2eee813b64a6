#pragma once
// The worker of the script statement "macrothread": runs a script text on a
// thread of its own, with an executor set up like the one that started it.

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "script/script_variants.h"

namespace tagpress {

class TkxScriptExec;

class TkxScriptThread {
 public:
  // Life cycle.
  // `executor` runs the text; it carries the starting executor's handlers,
  // global table, host object and library. The argument and context tables
  // (either may be nullptr) are copied: they belong to whoever started the
  // run and may be gone long before the worker ends. The worker keeps the
  // file-change permission of the thread that creates it.
  TkxScriptThread(std::string script_text, std::unique_ptr<TkxScriptExec> executor,
                  const TkxScriptVariants* args, const TkxScriptVariants* context_vars);
  // Waits for the worker to end.
  ~TkxScriptThread();
  TkxScriptThread(const TkxScriptThread&) = delete;
  TkxScriptThread& operator=(const TkxScriptThread&) = delete;

  // Properties.
  const std::string& ScriptText() const { return script_text_; }
  // True once the worker has run the text (or failed on it) and freed its
  // executor, which waits for the workers that the text started in turn.
  bool Finished() const { return finished_.load(std::memory_order_acquire); }

  // Operations.
  // Starts the worker; std::system_error when no thread can be created.
  void Start();

 private:
  void Run() noexcept;

  std::string script_text_;
  std::unique_ptr<TkxScriptExec> executor_;
  std::unique_ptr<TkxScriptVariants> args_;
  std::unique_ptr<TkxScriptVariants> context_vars_;
  bool file_changes_allowed_;
  std::atomic<bool> finished_{false};
  std::thread thread_;
};

}  // namespace tagpress
