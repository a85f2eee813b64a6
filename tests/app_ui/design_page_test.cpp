// The design page: control names, tags and bindings, dependent states, the
// font buttons, the colour combos and the single-label preview.
#include "app/design_page.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "app/color_combo.h"
#include "app/control_binding.h"
#include "app/mm_edit.h"
#include "platform/text_codec.h"
#include "tests/app_ui/window_fixture.h"

namespace tagpress::testing {
namespace {

using DesignPageTest = WindowTest;

TEST_F(DesignPageTest, EveryControlWritesItsKey) {
  Tfrm_Main& window = OpenWindow();
  TBarcodeFile& store = window.Store();
  struct Case {
    const char* control;
    int tag;
    std::function<void(QWidget&)> change;
    std::function<std::string()> key;
    std::string expected;
  };
  const auto mm = [](double v) { return [v](QWidget& w) { static_cast<MmEdit&>(w).setValue(v); }; };
  const auto text = [](const char* v) {
    return [v](QWidget& w) { static_cast<QLineEdit&>(w).setText(QString::fromUtf8(v)); };
  };
  const auto index = [](int v) { return [v](QWidget& w) { static_cast<QComboBox&>(w).setCurrentIndex(v); }; };
  const auto check = [](bool v) { return [v](QWidget& w) { static_cast<QCheckBox&>(w).setChecked(v); }; };
  const auto real = [&store](const char* key) {
    return [&store, key] { return std::to_string(store.ReadReal(key)); };
  };
  const auto raw = [&store](const char* key) { return [&store, key] { return store.ReadText(key); }; };
  const Case kCases[] = {
      /* 0 */ {"edtUpTextRowGap", 100, mm(1.25), real("UpTextRowGap"), std::to_string(1.25)},
      /* 1 */ {"edtUpTextBarGap", 101, mm(2.5), real("UpTextBarGap"), std::to_string(2.5)},
      /* 2 */ {"cbbUpTextAlignment", 102, index(1), raw("UpTextAlignment"), "1"},
      /* 3 */ {"cbbBarType", 200, index(14), raw("BarType"), "14"},
      /* 4 */ {"edtBarHeight", 201, mm(15), real("BarHeight"), std::to_string(15.0)},
      /* 5 */ {"edtBarGap", 204, mm(3), real("BarGap"), std::to_string(3.0)},
      /* 6 */ {"cbbBarcodeAlignment", 206, index(2), raw("BarAlignment"), "2"},
      /* 7 */ {"cbBarSelfStyle", 207, check(false), raw("BarSelfStyle"), "0"},
      /* 8 */ {"edtBarTextGap", 300, mm(0.5), real("BarTextGap"), std::to_string(0.5)},
      /* 9 */ {"cbBarTextVisible", 301, check(false), raw("BarTextVisible"), "0"},
      /* 10 */ {"edtBarLeftDecorate", 302, text("<"), raw("BarTextLeftDecorate"), "<"},
      /* 11 */ {"edtBarRightDecorate", 304, text(">"), raw("BarTextRightDecorate"), ">"},
      /* 12 */ {"cbBarTextAutoAdjust", 305, check(true), raw("BarTextAutoAdjust"), "-1"},
      /* 13 */ {"cbBarTextChecksum", 306, check(true), raw("BarTextChecksum"), "-1"},
      /* 14 */ {"edtDownTextRowGap", 400, mm(0.75), real("DownTextRowGap"), std::to_string(0.75)},
      /* 15 */ {"edtDownTextBarGap", 401, mm(1.5), real("DownTextBarGap"), std::to_string(1.5)},
      /* 16 */ {"cbbDownTextAlignment", 402, index(0), raw("DownTextAlignment"), "0"},
      /* 17 */ {"edtLabelWidth", 500, mm(60), real("LabelWidth"), std::to_string(60.0)},
      /* 18 */ {"edtLabelHeight", 501, mm(35), real("LabelHeight"), std::to_string(35.0)},
      /* 19 */ {"cbbLabelPutDirection", 503, index(1), raw("LabelPutDirection"), "1"},
      /* 20 */ {"edtLabelLeft", 505, mm(-1.5), real("LabelLeft"), std::to_string(-1.5)},
      /* 21 */ {"edtLabelTop", 506, mm(2), real("LabelTop"), std::to_string(2.0)},
      /* 22 */ {"edtBarTextStart", 303, text("6901234567892"), raw("BarTextStart"), "6901234567892"},
  };
  for (size_t i = 0; i < std::size(kCases); ++i) {
    const Case& c = kCases[i];
    SCOPED_TRACE(std::to_string(i) + " " + c.control);
    QWidget& control = Find<QWidget>(c.control);
    EXPECT_EQ(TagOf(control), c.tag);
    c.change(control);
    EXPECT_EQ(c.key(), c.expected);
  }
  EXPECT_EQ(Find<QComboBox>("cbbBarType").count(), 23);
  EXPECT_EQ(Find<QComboBox>("cbbBarType").itemText(14), QStringLiteral("EAN13 (数字型)"));
  EXPECT_EQ(Find<QComboBox>("cbbBarType").itemText(3), QStringLiteral("Code39 (字母型)"));
  EXPECT_EQ(Find<QWidget>("edtBarHeight").toolTip(), QStringLiteral("条码块的高度"));
}

TEST_F(DesignPageTest, MemoLinesBecomeOneLineList) {
  Tfrm_Main& window = OpenWindow();
  Find<QPlainTextEdit>("memUpText").setPlainText(QStringLiteral("第一行\n有 空格\n"));
  EXPECT_EQ(window.Store().UpText(), GBK("第一行,\"有 空格\""));
  window.Store().SetDownText(GBK("甲,\"乙,丙\""));
  window.TemplateToControls();
  EXPECT_EQ(Find<QPlainTextEdit>("memDownText").toPlainText(), QStringLiteral("甲\n乙,丙"));
}

TEST_F(DesignPageTest, SerialStartFollowsBarTextStart) {
  Tfrm_Main& window = OpenWindow();
  window.Store().SetLSHStart("100");
  window.TemplateToControls();
  EXPECT_EQ(Find<QLineEdit>("edtLSHStart").text(), QStringLiteral("100"));
  QLineEdit& start = Find<QLineEdit>("edtBarTextStart");
  start.selectAll();
  QTest::keyClicks(&start, QStringLiteral("692"));
  EXPECT_EQ(window.Store().BarTextStart(), "692");
  EXPECT_EQ(Find<QLineEdit>("edtLSHStart").text(), QStringLiteral("692"));
}

TEST_F(DesignPageTest, EmptySerialStartTakesBarTextStart) {
  Tfrm_Main& window = OpenWindow();
  window.Store().SetLSHStart("");
  window.Store().SetBarTextStart("555");
  window.Store().SetLSHRepeat(0);
  window.TemplateToControls();
  EXPECT_EQ(Find<QLineEdit>("edtLSHStart").text(), QStringLiteral("555"));
  EXPECT_EQ(Find<QSpinBox>("edtLSHTimes").value(), 1);
}

TEST_F(DesignPageTest, BarsPerLabelEnablesDirectionAndSeparator) {
  Tfrm_Main& window = OpenWindow();
  QSpinBox& count = Find<QSpinBox>("edtBarNumInOne");
  count.setValue(1);
  EXPECT_FALSE(Find<QWidget>("cbbLabelPutDirection").isEnabled());
  EXPECT_FALSE(Find<QWidget>("cbPrintInternalLine").isEnabled());
  count.setValue(2);
  EXPECT_EQ(window.Store().BarNumInOne(), 2);
  EXPECT_TRUE(Find<QWidget>("cbbLabelPutDirection").isEnabled());
  EXPECT_TRUE(Find<QWidget>("cbPrintInternalLine").isEnabled());
  count.setValue(1);
  EXPECT_FALSE(Find<QWidget>("cbbLabelPutDirection").isEnabled());
  EXPECT_FALSE(Find<QWidget>("cbPrintInternalLine").isEnabled());
  count.setValue(12);  // the control's own limit
  EXPECT_EQ(window.Store().BarNumInOne(), 9);
}

TEST_F(DesignPageTest, NoBackgroundColourWritesTheInverse) {
  Tfrm_Main& window = OpenWindow();
  QCheckBox& none = Find<QCheckBox>("cbHasBgColor");
  none.setChecked(true);
  EXPECT_FALSE(window.Store().HasBackgroundColor());
  EXPECT_FALSE(Find<QWidget>("ccbBgColor").isEnabled());
  none.setChecked(false);
  EXPECT_TRUE(window.Store().HasBackgroundColor());
  EXPECT_TRUE(Find<QWidget>("ccbBgColor").isEnabled());
  EXPECT_EQ(TagOf(none), 601);
}

TEST_F(DesignPageTest, ColourCombosWriteBgrValuesAndOfferACustomColour) {
  Tfrm_Main& window = OpenWindow();
  ColorCombo& bar = Find<ColorCombo>("ccbbBarColor");
  bar.setCurrentIndex(9);  // red
  EXPECT_EQ(window.Store().BarColor(), 0x0000FF);
  dialogs_->ColorAnswer = 0x123456;
  bar.setCurrentIndex(bar.CustomEntryIndex());
  emit bar.activated(bar.CustomEntryIndex());
  EXPECT_EQ(window.Store().BarColor(), 0x123456);
  EXPECT_EQ(bar.itemText(bar.currentIndex()), QStringLiteral("#563412"));
  dialogs_->ColorAnswer.reset();  // cancelled: the colour stays
  emit bar.activated(bar.CustomEntryIndex());
  EXPECT_EQ(window.Store().BarColor(), 0x123456);
  EXPECT_EQ(bar.Value(), 0x123456);
}

TEST_F(DesignPageTest, AutomaticBarWidthWarnsWhenSwitchedOffAndEnablesManualWidth) {
  Tfrm_Main& window = OpenWindow();
  window.Store().SetBarAutoModul(true);
  window.TemplateToControls();
  EXPECT_FALSE(Find<QWidget>("edtBarModul").isEnabled());
  Find<QCheckBox>("cbBarAutoModul").setChecked(false);
  ASSERT_EQ(dialogs_->Count("information"), 1);
  EXPECT_EQ(dialogs_->Log.back().Caption, QStringLiteral("提示"));
  EXPECT_EQ(dialogs_->Log.back().Text,
            QStringLiteral("如果您没有确切理解粗细的含义，请勾选“自动调整”选项，保证打印质量！"));
  EXPECT_FALSE(window.Store().BarAutoModul());
  EXPECT_TRUE(Find<QWidget>("edtBarModul").isEnabled());
  Find<QSpinBox>("edtBarModul").setValue(3);
  EXPECT_EQ(window.Store().BarModul(), 3);
  Find<QCheckBox>("cbBarAutoModul").setChecked(true);
  EXPECT_EQ(dialogs_->Count("information"), 1);
}

TEST_F(DesignPageTest, FontButtonsStoreTheChosenFont) {
  Tfrm_Main& window = OpenWindow();
  TFont chosen = window.Store().BarTextFont();
  chosen.Name = "OCR-B 10 BT";
  chosen.SetSize(12);
  dialogs_->FontAnswer = chosen;
  Find<QPushButton>("btnBarTextFont").click();
  EXPECT_EQ(window.Store().BarTextFont(), chosen);
  EXPECT_EQ(window.Store().ReadText("BarTextFont"), FontToText(chosen));
  const TFont before = window.Store().UpTextFont();
  dialogs_->FontAnswer.reset();
  Find<QPushButton>("btnUpTextFont").click();
  EXPECT_EQ(window.Store().UpTextFont(), before);
  EXPECT_EQ(dialogs_->Count("font"), 2);
}

TEST_F(DesignPageTest, LoadingDoesNotWriteBackOrStampAChange) {
  Tfrm_Main& window = OpenWindow();
  window.Store().Reset();  // clears Modified
  const double stamp = window.State().ChangeStamp;
  window.TemplateToControls();
  EXPECT_FALSE(window.Store().Modified());
  EXPECT_EQ(window.State().ChangeStamp, stamp);
  Find<MmEdit>("edtBarHeight").setValue(window.Store().BarHeight() + 1);
  EXPECT_GT(window.State().ChangeStamp, stamp);
}

TEST_F(DesignPageTest, PreviewIsSizedToTheLabelAndDrawsTheTemplatesLabel) {
  Tfrm_Main& window = OpenWindow();
  Find<MmEdit>("edtLabelWidth").setValue(50.8);
  Find<MmEdit>("edtLabelHeight").setValue(25.4);
  QWidget& panel = Find<QWidget>("panelPreview");
  const int dpi = panel.logicalDpiX();
  EXPECT_EQ(panel.width(), dpi * 2);
  EXPECT_EQ(panel.height(), panel.logicalDpiY());
  QWidget& preview = Find<QWidget>("barcodePreview");
  const int before = counts_->Previewed;
  preview.grab();
  EXPECT_GT(counts_->Previewed, before);
  (void)window;
}

}  // namespace
}  // namespace tagpress::testing
