#pragma once
// A main window over a temporary working folder, with dialogs that the test
// answers in advance and a renderer that counts the labels it is asked for.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <deque>
#include <memory>
#include <vector>

#include "app/main_window.h"
#include "app/window_dialogs.h"
#include "tests/support/temp_dir.h"

namespace tagpress::testing {

class ScriptedDialogs : public WindowDialogs {
 public:
  struct Shown {
    QString Kind, Caption, Text;
  };

  // Answers, used in order; a missing or empty answer is "cancel".
  std::deque<QString> FileAnswers;
  std::deque<Answer> Answers;
  std::optional<TFont> FontAnswer;
  std::optional<TColor> ColorAnswer;
  std::vector<Shown> Log;

  std::optional<QString> OpenTemplate(QWidget*, const QString& folder) override {
    return File("open", folder);
  }
  std::optional<QString> SaveTemplate(QWidget*, const QString& folder) override {
    return File("save", folder);
  }
  void Information(QWidget*, const QString& caption, const QString& text) override {
    Log.push_back({"information", caption, text});
  }
  Answer AskYesNo(QWidget*, const QString& caption, const QString& text) override {
    return Ask("yes-no", caption, text, Answer::No);
  }
  Answer AskYesNoCancel(QWidget*, const QString& caption, const QString& text) override {
    return Ask("yes-no-cancel", caption, text, Answer::Cancel);
  }
  void Error(QWidget*, const QString& text) override { Log.push_back({"error", "", text}); }
  std::optional<TFont> ChooseFont(QWidget*, const TFont&) override {
    Log.push_back({"font", "", ""});
    return FontAnswer;
  }
  std::optional<TColor> ChooseColor(QWidget*, TColor) override {
    Log.push_back({"color", "", ""});
    return ColorAnswer;
  }

  // The last dialog of that kind; an empty entry when none was shown.
  Shown Last(const QString& kind) const {
    for (auto it = Log.rbegin(); it != Log.rend(); ++it)
      if (it->Kind == kind) return *it;
    return {};
  }

  int Count(const QString& kind) const {
    int n = 0;
    for (const Shown& s : Log) n += s.Kind == kind;
    return n;
  }

 private:
  std::optional<QString> File(const QString& kind, const QString& folder) {
    Log.push_back({kind, "", folder});
    if (FileAnswers.empty()) return std::nullopt;
    const QString answer = FileAnswers.front();
    FileAnswers.pop_front();
    if (answer.isEmpty()) return std::nullopt;
    return answer;
  }
  Answer Ask(const QString& kind, const QString& caption, const QString& text, Answer otherwise) {
    Log.push_back({kind, caption, text});
    if (Answers.empty()) return otherwise;
    const Answer answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
};

class WindowTest : public ::testing::Test {
 protected:
  // Labels drawn onto composed pages and onto the single-label preview.
  struct DrawCounts {
    int Composed = 0;
    int Previewed = 0;
  };

  void SetUp() override {}

  // Creates the window (FormCreate); a Default.bct written before is loaded.
  Tfrm_Main& OpenWindow() {
    MainWindowOptions options;
    options.AppDir = dir_.path().string();
    options.WorkingTemplatePath = DefaultPath();
    auto dialogs = std::make_unique<ScriptedDialogs>();
    dialogs_ = dialogs.get();
    options.Dialogs = std::move(dialogs);
    auto counts = counts_;
    auto plain = DefaultLabelServices();
    options.Services.Expander = std::move(plain.Expander);
    options.Services.DrawLabel = [counts, draw = plain.DrawLabel](TBarcode& barcode, const TBarcodeFile& tpl,
                                                                  Surface& surface, const TtgpDrawRec& rec,
                                                                  bool show_origin) {
      ++(show_origin ? counts->Previewed : counts->Composed);
      draw(barcode, tpl, surface, rec, show_origin);
    };
    window_ = std::make_unique<Tfrm_Main>(std::move(options));
    window_->show();
    return *window_;
  }

  // FormDestroy.
  void CloseWindow() { window_.reset(); }

  std::string DefaultPath() const { return dir_.File("Default.bct"); }

  template <typename T>
  T& Find(const char* name) {
    T* control = window_->findChild<T*>(QString::fromUtf8(name));
    if (!control) throw std::runtime_error(std::string("no control ") + name);
    return *control;
  }

  int ComposedLabels() const { return counts_->Composed; }

  TempDir dir_;
  std::unique_ptr<Tfrm_Main> window_;
  ScriptedDialogs* dialogs_ = nullptr;
  std::shared_ptr<DrawCounts> counts_ = std::make_shared<DrawCounts>();
};

}  // namespace tagpress::testing
