// The layout page: bindings, the check boxes that recompose at once, and the
// page-change handling with its question.
#include "app/layout_page.h"

#include "app/color_combo.h"
#include "app/control_binding.h"
#include "app/mm_edit.h"
#include "platform/text_codec.h"
#include "tests/app_ui/window_fixture.h"

namespace tagpress::testing {
namespace {

class LayoutPageTest : public WindowTest {
 protected:
  // One label per page, so pages are cheap and counted exactly.
  Tfrm_Main& OpenSmallWindow() {
    Tfrm_Main& window = OpenWindow();
    window.Store().SetRows(1);
    window.Store().SetCols(1);
    window.TemplateToControls();
    return window;
  }
};

TEST_F(LayoutPageTest, ControlsWriteTheirKeys) {
  Tfrm_Main& window = OpenWindow();
  TBarcodeFile& store = window.Store();
  Find<MmEdit>("edtPageLeftGap").setValue(7.5);
  EXPECT_DOUBLE_EQ(store.PageLeftGap(), 7.5);
  Find<MmEdit>("edtPageTopGap").setValue(-2);
  EXPECT_DOUBLE_EQ(store.PageTopGap(), -2);
  Find<QSpinBox>("edtRows").setValue(4);
  EXPECT_EQ(store.Rows(), 4);
  Find<QSpinBox>("edtCols").setValue(3);
  EXPECT_EQ(store.Cols(), 3);
  Find<MmEdit>("edtPageRowGap").setValue(1);
  EXPECT_DOUBLE_EQ(store.PageRowGap(), 1);
  Find<MmEdit>("edtPageColGap").setValue(2);
  EXPECT_DOUBLE_EQ(store.PageColGap(), 2);
  Find<MmEdit>("edtPrintCutLineSize").setValue(0.3);
  EXPECT_DOUBLE_EQ(store.CutLineSize(), 0.3);
  Find<ColorCombo>("ccbbCutLineColor").SetValue(0x00FF00);
  EXPECT_EQ(store.CutLineColor(), 0x00FF00);
  Find<QLineEdit>("edtPageHeaderLeft").setText(QStringLiteral("第 [页号] 页"));
  EXPECT_EQ(store.PageLeftHeader(), GBK("第 [页号] 页"));
  Find<QLineEdit>("edtPageFooterRight").setText(QStringLiteral("[日期]"));
  EXPECT_EQ(store.PageRightFooter(), GBK("[日期]"));
  EXPECT_EQ(TagOf(Find<QWidget>("edtPageTopGap")), 601);
  QCheckBox& grid = Find<QCheckBox>("cbPrintGrid");
  EXPECT_FALSE(grid.isVisibleTo(&window));
  EXPECT_FALSE(grid.isEnabled());
  EXPECT_EQ(Find<QSpinBox>("edtStartCol").minimum(), 1);
}

TEST_F(LayoutPageTest, ThreeCheckBoxesRecomposeAndTheOtherEditsDoNot) {
  struct Case {
    const char* control;
    std::function<void(QWidget&)> change;
    bool recomposes;
  };
  const auto toggle = [](QWidget& w) { static_cast<QCheckBox&>(w).toggle(); };
  const Case kCases[] = {
      /* 0 */ {"cbPrintHeaderFooter", toggle, true},
      /* 1 */ {"cbPrintCutLineDJ", toggle, true},
      /* 2 */ {"cbPrintInternalCutLine", toggle, true},
      /* 3 */ {"edtRows", [](QWidget& w) { static_cast<QSpinBox&>(w).setValue(2); }, false},
      /* 4 */ {"edtPageLeftGap", [](QWidget& w) { static_cast<MmEdit&>(w).setValue(9); }, false},
      /* 5 */ {"edtPageRowGap", [](QWidget& w) { static_cast<MmEdit&>(w).setValue(3); }, false},
      /* 6 */ {"ccbbCutLineColor", [](QWidget& w) { static_cast<ColorCombo&>(w).SetValue(0xFF); }, false},
      /* 7 */ {"edtPrintCutLineSize", [](QWidget& w) { static_cast<MmEdit&>(w).setValue(1); }, false},
      /* 8 */ {"edtPageHeaderCenter", [](QWidget& w) { static_cast<QLineEdit&>(w).setText("x"); }, false},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    const Case& c = kCases[i];
    SCOPED_TRACE(std::to_string(i) + " " + c.control);
    OpenSmallWindow();
    const int before = ComposedLabels();
    c.change(Find<QWidget>(c.control));
    EXPECT_EQ(ComposedLabels() > before, c.recomposes);
    EXPECT_EQ(window_->Pages().currentIndex() == kLayoutPage, c.recomposes);
    CloseWindow();
  }
}

TEST_F(LayoutPageTest, CutLineColourFollowsTheDiagonalCheckBox) {
  Tfrm_Main& window = OpenSmallWindow();
  QCheckBox& cut = Find<QCheckBox>("cbPrintCutLineDJ");
  cut.setChecked(false);
  EXPECT_FALSE(window.Store().PrintCutLine());
  EXPECT_FALSE(Find<QWidget>("ccbbCutLineColor").isEnabled());
  cut.setChecked(true);
  EXPECT_TRUE(Find<QWidget>("ccbbCutLineColor").isEnabled());
}

TEST_F(LayoutPageTest, SwitchingToTheLayoutPage) {
  Tfrm_Main& window = OpenSmallWindow();
  // No pages yet: composed at once, without a question.
  window.Pages().setCurrentIndex(kLayoutPage);
  EXPECT_EQ(window.Document().PageCount(), 1);
  const int first = ComposedLabels();
  EXPECT_GT(first, 0);
  EXPECT_EQ(dialogs_->Count("yes-no"), 0);

  // No change since: the old pages, no question.
  window.Pages().setCurrentIndex(kDesignPage);
  window.Pages().setCurrentIndex(kLayoutPage);
  EXPECT_EQ(ComposedLabels(), first);
  EXPECT_EQ(dialogs_->Count("yes-no"), 0);

  // A change: asked; No keeps the pages, Yes recomposes.
  window.Pages().setCurrentIndex(kDesignPage);
  Find<MmEdit>("edtBarHeight").setValue(20);
  dialogs_->Answers = {Answer::No};
  window.Pages().setCurrentIndex(kLayoutPage);
  ASSERT_EQ(dialogs_->Count("yes-no"), 1);
  EXPECT_EQ(dialogs_->Log.back().Caption, QStringLiteral("提示"));
  EXPECT_EQ(dialogs_->Log.back().Text, QStringLiteral("设计的条码或条码数字已被改动，是否重新刷新预览？"));
  EXPECT_EQ(ComposedLabels(), first);

  window.Pages().setCurrentIndex(kDesignPage);
  dialogs_->Answers = {Answer::Yes};
  window.Pages().setCurrentIndex(kLayoutPage);
  EXPECT_EQ(dialogs_->Count("yes-no"), 2);
  EXPECT_GT(ComposedLabels(), first);
}

TEST_F(LayoutPageTest, PreviewFromAnotherPageComposesOnceWithoutAsking) {
  Tfrm_Main& window = OpenSmallWindow();
  window.ActionPreviewExecute();
  const int once = ComposedLabels();
  window.Pages().setCurrentIndex(kDesignPage);
  Find<MmEdit>("edtBarHeight").setValue(21);
  window.ActionPreviewExecute();
  EXPECT_EQ(window.Pages().currentIndex(), kLayoutPage);
  EXPECT_EQ(ComposedLabels(), 2 * once);
  EXPECT_EQ(dialogs_->Count("yes-no"), 0);
}

TEST_F(LayoutPageTest, LinkOpensTheLayoutPage) {
  Tfrm_Main& window = OpenSmallWindow();
  window.Label63Click();
  EXPECT_EQ(window.Pages().currentIndex(), kLayoutPage);
}

TEST_F(LayoutPageTest, ALabelThatDoesNotFitIsReportedAndLeavesPreviewEnabled) {
  Tfrm_Main& window = OpenSmallWindow();
  window.Records().LinesToRecords({"1"});
  window.Store().SetRows(0);
  window.Store().SetLabelHeight(5000);
  window.ActionPreviewExecute();
  EXPECT_EQ(dialogs_->Count("error"), 1);
  EXPECT_TRUE(window.Actions().ActionPreview->isEnabled());
}

}  // namespace
}  // namespace tagpress::testing
