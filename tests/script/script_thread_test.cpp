#include "script/script_thread.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <filesystem>
#include <memory>
#include <mutex>
#include <thread>

#include "script/library/file_functions.h"
#include "script/script_exec.h"
#include "tests/support/temp_dir.h"

namespace tagpress {
namespace {

// A host whose procedures the workers call: Wait blocks until the test
// releases it, Record(x) notes x and the thread it runs on.
class ThreadHost {
 public:
  TkxActionEvent Handler() {
    return [this](TkxScriptExec&, TkxActionType act, TkxHostObject*, const std::string& name,
                  TkxScriptVariants* params, TkxScriptVar&, bool& succeed) {
      if (act != atDoProc) return;
      std::unique_lock lock(mutex_);
      if (name == "Wait") {
        waiting_ = true;
        changed_.notify_all();
        changed_.wait(lock, [this] { return released_; });
        succeed = true;
      } else if (name == "Record") {
        records_.push_back(params->Count() ? params->Items(0).AsString() : std::string());
        threads_.push_back(std::this_thread::get_id());
        succeed = true;
      }
    };
  }

  void AwaitWaiting() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return waiting_; });
  }
  void Release() {
    std::lock_guard lock(mutex_);
    released_ = true;
    changed_.notify_all();
  }
  std::vector<std::string> Records() {
    std::lock_guard lock(mutex_);
    return records_;
  }
  std::vector<std::thread::id> Threads() {
    std::lock_guard lock(mutex_);
    return threads_;
  }

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  bool waiting_ = false;
  bool released_ = false;
  std::vector<std::string> records_;
  std::vector<std::thread::id> threads_;
};

class MacroThread : public ::testing::Test {
 protected:
  MacroThread() : exec(std::make_unique<TkxScriptExec>()) {
    globals.Add("g").SetValue(TkxValue::FromString("global"));
    exec->GlobalVars = &globals;
    exec->OnAction = host.Handler();
  }

  // Runs the statements as the body of a function and returns its result.
  std::string Run(const std::string& body, TkxScriptVariants* context = nullptr) {
    TkxScriptWordParse lexer;
    EXPECT_TRUE(lexer.Parse("function f\r\n" + body + "\r\nend"));
    TkxSyntaxTree tree;
    int index = 0;
    tree.ParseFunction(lexer, index);
    exec->Execute(tree, nullptr, context);
    return exec->ResultVar().AsString();
  }

  // Declared before the executor: its workers use them until it is gone.
  ThreadHost host;
  TkxScriptVariants globals;
  std::unique_ptr<TkxScriptExec> exec;
};

TEST_F(MacroThread, OutlivesTheStatementButNotTheExecutor) {
  {
    TkxScriptVariants context;
    context.Add("c").SetValue(TkxValue::FromString("context"));
    globals.Add("m").SetValue(TkxValue::FromString(
        "Wait\r\nRecord(g + c)\r\ndim x\r\nx = Len(c) * 2\r\nRecord(x)\r\nRecord(Result)"));
    EXPECT_EQ(Run("macrothread(m)\r\nResult = 'done'", &context), "done");
    // The run has ended; its worker waits for the test, and the context
    // table it was given goes away now.
    host.AwaitWaiting();
  }
  EXPECT_TRUE(host.Records().empty());
  host.Release();
  exec.reset();  // waits for the worker
  // The worker declared its own x and has no Result of its own: Result is
  // looked up like any other name and found nowhere, so the last line fails.
  EXPECT_EQ(host.Records(), (std::vector<std::string>{"globalcontext", "14"}));
  for (const std::thread::id id : host.Threads()) EXPECT_NE(id, std::this_thread::get_id());
}

TEST_F(MacroThread, FailuresEndTheWorkerSilently) {
  EXPECT_EQ(Run("macrothread('Record(1)\r\nnobody = 1\r\nRecord(2)')\r\n"
                "macrothread('if then')\r\nmacrothread('')\r\nResult = 'ran'"),
            "ran");
  exec->WaitForThreads();
  EXPECT_EQ(host.Records(), std::vector<std::string>{"1"});
  EXPECT_EQ(Run("Result = 'again'"), "again");
}

TEST_F(MacroThread, TextThatStartsItselfStopsAtTheDepthLimit) {
  globals.Add("m").SetValue(TkxValue::FromString("Record(1)\r\nmacrothread(m)"));
  Run("macrothread(m)");
  exec->WaitForThreads();
  EXPECT_EQ(host.Records().size(), static_cast<size_t>(TkxScriptExec::kMaxMacroDepth));
}

TEST_F(MacroThread, KeepsTheFileChangePermissionOfItsStarter) {
  testing::TempDir dir;
  const std::string kept = dir.Write("kept.txt", "data");
  const std::string deleted = dir.Write("deleted.txt", "data");
  // A refused DeleteFile fails the call, which ends the worker.
  const std::string text = "macrothread('DeleteFile(path)\r\nRecord(path)')";
  globals.Add("path").SetValue(TkxValue::FromString(kept));
  {
    FileChangesAllowed no_file_changes(false);
    Run(text);
  }
  exec->WaitForThreads();
  globals.Find("path")->SetValue(TkxValue::FromString(deleted));
  Run(text);
  exec->WaitForThreads();
  EXPECT_EQ(host.Records(), std::vector<std::string>{deleted});
  EXPECT_TRUE(std::filesystem::exists(kept));
  EXPECT_FALSE(std::filesystem::exists(deleted));
}

}  // namespace
}  // namespace tagpress
