// The preview and print controls: page navigation, zoom, and the print action.
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "app/layout_page.h"
#include "platform/text_file.h"
#include "print/ui/preview_box.h"
#include "print/ui/preview_controls.h"
#include "tests/app_ui/window_fixture.h"

namespace tagpress::testing {
namespace {

class PreviewTest : public WindowTest {
 protected:
  // A window whose preview gives `pages` pages of one label each.
  Tfrm_Main& WindowWithPages(int pages) {
    Tfrm_Main& window = OpenWindow();
    window.Store().SetRows(1);
    window.Store().SetCols(1);
    TextLines lines;
    for (int i = 1; i <= pages; ++i) lines.push_back(std::to_string(i));
    window.Records().LinesToRecords(lines);
    window.ActionPreviewExecute();
    return window;
  }
  PreviewBox& Box() { return window_->Layout().Preview(); }
};

TEST_F(PreviewTest, PrintBeforeAnyPreviewDoesNothing) {
  Tfrm_Main& window = OpenWindow();
  bool dialog_seen = false;
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      dialog_seen = true;
      modal->close();
    }
  });
  guard.start(10);
  window.ActionPrintExecute();
  QTest::qWait(30);
  EXPECT_FALSE(dialog_seen);
  EXPECT_EQ(window.Document().PageCount(), 0);
  EXPECT_EQ(ComposedLabels(), 0);
}

TEST_F(PreviewTest, PrintDialogOffersEveryPageAndPrintsThem) {
  Tfrm_Main& window = WindowWithPages(3);
  const std::string pdf = dir_.File("dialog.pdf");
  window.Printers().SetPdfOutput(QString::fromStdString(pdf));
  int min_page = 0, max_page = 0, from_page = 0, to_page = 0;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    min_page = dialog->minPage();
    max_page = dialog->maxPage();
    from_page = dialog->printer()->fromPage();
    to_page = dialog->printer()->toPage();
    dialog->accept();
  });
  answer.start(10);
  window.ActionPrintExecute();
  EXPECT_EQ(min_page, 1);
  EXPECT_EQ(max_page, 3);
  EXPECT_EQ(from_page, 1);
  EXPECT_EQ(to_page, 3);
  ASSERT_TRUE(FileExists(pdf));
  QProcess info;
  info.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)});
  ASSERT_TRUE(info.waitForFinished(10000));
  EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput())
                  .contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\b"))));
}

TEST_F(PreviewTest, StartsWithWholePageAndADisabledPageEdit) {
  OpenWindow();
  EXPECT_EQ(Box().ZoomMode(), kZoomWholePage);
  EXPECT_EQ(Find<QComboBox>("cbbPrevScale").currentText(), QStringLiteral("整页"));
  EXPECT_FALSE(Find<QSpinBox>("edtPageNo").isEnabled());
  EXPECT_EQ(Find<QComboBox>("cbbPrevScale").count(), 10);
}

TEST_F(PreviewTest, ThreePagesEnableThePageEdit) {
  Tfrm_Main& window = WindowWithPages(3);
  ASSERT_EQ(window.Document().PageCount(), 3);
  QSpinBox& page_no = Find<QSpinBox>("edtPageNo");
  EXPECT_TRUE(page_no.isEnabled());
  EXPECT_EQ(page_no.minimum(), 1);
  EXPECT_EQ(page_no.maximum(), 3);
  EXPECT_EQ(page_no.value(), 1);
  EXPECT_EQ(Find<QLabel>("LabelPageCount").text(), QStringLiteral("共 3 页"));
  EXPECT_EQ(Box().CurrentPage(), 1);

  page_no.findChild<QLineEdit*>()->selectAll();
  QTest::keyClicks(&page_no, QStringLiteral("5"));
  QTest::keyClick(&page_no, Qt::Key_Enter);
  EXPECT_EQ(Box().CurrentPage(), 1);

  page_no.findChild<QLineEdit*>()->selectAll();
  QTest::keyClicks(&page_no, QStringLiteral("2"));
  EXPECT_EQ(Box().CurrentPage(), 2);

  // A value beyond the last page is ignored even when it reaches the handler.
  window.Layout().Controls().edtPageNoPropertiesChange(4);
  EXPECT_EQ(Box().CurrentPage(), 2);
}

TEST_F(PreviewTest, OnePageDisablesThePageEdit) {
  WindowWithPages(1);
  EXPECT_FALSE(Find<QSpinBox>("edtPageNo").isEnabled());
  EXPECT_EQ(Find<QSpinBox>("edtPageNo").value(), 1);
  EXPECT_EQ(Find<QLabel>("LabelPageCount").text(), QStringLiteral("共 1 页"));
}

TEST_F(PreviewTest, PageWidthThenPreviewShowsOneHundredPercent) {
  Tfrm_Main& window = WindowWithPages(1);
  QComboBox& scale = Find<QComboBox>("cbbPrevScale");
  scale.setCurrentIndex(kZoomPageWidth);
  EXPECT_EQ(Box().ZoomMode(), kZoomPageWidth);
  window.ActionPreviewExecute();
  EXPECT_EQ(scale.currentText(), QStringLiteral("100%"));
  EXPECT_EQ(Box().ZoomMode(), kZoom100);
}

TEST_F(PreviewTest, ZoomModesScaleThePage) {
  WindowWithPages(1);
  PreviewBox& box = Box();
  box.SetZoomMode(kZoom100);
  const QSize full = box.ScaledPageSize();
  box.SetZoomMode(kZoom50);
  EXPECT_NEAR(box.ScaledPageSize().width(), full.width() / 2, 1);
  box.SetZoomMode(kZoom200);
  EXPECT_NEAR(box.ScaledPageSize().width(), full.width() * 2, 1);
  box.SetZoomMode(kZoomPageWidth);
  EXPECT_LE(box.ScaledPageSize().width(), box.viewport()->width());
  box.SetZoomMode(kZoomWholePage);
  EXPECT_LE(box.ScaledPageSize().height(), box.viewport()->height());
  EXPECT_EQ(Find<QComboBox>("cbbPrevScale").currentIndex(), kZoomWholePage);
}

TEST_F(PreviewTest, WheelTurnsPagesWhenTheWholePageIsVisible) {
  WindowWithPages(3);
  PreviewBox& box = Box();
  box.SetZoomMode(kZoomWholePage);
  const QPointF centre = box.viewport()->rect().center();
  QWheelEvent down(centre, box.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(box.viewport(), &down);
  EXPECT_EQ(box.CurrentPage(), 2);
  // The page edit keeps its value when the wheel turns the page.
  EXPECT_EQ(Find<QSpinBox>("edtPageNo").value(), 1);

  box.SetZoomMode(kZoom500);
  QCoreApplication::sendEvent(box.viewport(), &down);
  EXPECT_EQ(box.CurrentPage(), 2);  // scrolls instead
}

}  // namespace
}  // namespace tagpress::testing
