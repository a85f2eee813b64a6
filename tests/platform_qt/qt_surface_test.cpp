// QtSurface paints exactly the dots the surface rules name.

#include "platform/qt/qt_surface.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include "platform/qt/font_substitutions.h"
#include "platform/text_codec.h"
#include "tests/support/gui_application.h"

namespace tagpress {
namespace {

constexpr TColor kInk = 0x0000FF;  // red

QImage WhiteImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

bool IsInk(const QImage& image, int x, int y) { return image.pixelColor(x, y) == QColor(255, 0, 0); }
bool IsWhite(const QImage& image, int x, int y) { return image.pixelColor(x, y) == QColor(Qt::white); }

// The bounding box of the non-white dots: left, top, right, bottom (inclusive).
QRect InkBox(const QImage& image) {
  int left = image.width(), top = image.height(), right = -1, bottom = -1;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (IsWhite(image, x, y)) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return QRect(QPoint(left, top), QPoint(right, bottom));
}

int InkCount(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) count += !IsWhite(image, x, y);
  return count;
}

class QtSurfaceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { test_support::EnsureGuiApplication(); }
};

TEST_F(QtSurfaceTest, PolygonCoversOutlineAndInterior) {
  struct Case {
    TColor pen;  // the fast path needs pen and brush alike
    Point corners[4];
    QRect covered;
  };
  const Case cases[] = {
      {kInk, {{3, 2}, {3, 10}, {6, 10}, {6, 2}}, QRect(QPoint(3, 2), QPoint(6, 10))},
      {kInk, {{3, 2}, {3, 10}, {3, 10}, {3, 2}}, QRect(QPoint(3, 2), QPoint(3, 10))},  // one column
      {kInk, {{5, 9}, {12, 9}, {12, 7}, {5, 7}}, QRect(QPoint(5, 7), QPoint(12, 9))},  // turned 90°
      {0x00FF00, {{3, 2}, {3, 10}, {6, 10}, {6, 2}}, QRect(QPoint(3, 2), QPoint(6, 10))},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    QImage image = WhiteImage(20, 20);
    {
      QtSurface surface(image);
      surface.SetPenColor(cases[i].pen);
      surface.SetBrushColor(kInk);
      surface.Polygon(cases[i].corners);
    }
    EXPECT_EQ(InkBox(image), cases[i].covered);
    EXPECT_EQ(InkCount(image), cases[i].covered.width() * cases[i].covered.height());
  }
}

TEST_F(QtSurfaceTest, FillRectExcludesRightAndBottom) {
  QImage image = WhiteImage(20, 20);
  {
    QtSurface surface(image);
    surface.SetBrushColor(kInk);
    surface.FillRect({2, 3, 7, 5});
    surface.FillRect({9, 9, 9, 15});  // empty
  }
  EXPECT_EQ(InkBox(image), QRect(QPoint(2, 3), QPoint(6, 4)));
  EXPECT_EQ(InkCount(image), 10);
}

TEST_F(QtSurfaceTest, LinesLeaveOutTheirEndPoint) {
  QImage image = WhiteImage(20, 20);
  {
    QtSurface surface(image);
    surface.SetPenColor(kInk);
    surface.MoveTo(2, 3);
    surface.LineTo(10, 3);
    surface.MoveTo(15, 2);
    surface.LineTo(15, 12);
  }
  EXPECT_TRUE(IsInk(image, 2, 3));
  EXPECT_TRUE(IsInk(image, 9, 3));
  EXPECT_FALSE(IsInk(image, 10, 3));
  EXPECT_TRUE(IsInk(image, 15, 2));
  EXPECT_TRUE(IsInk(image, 15, 11));
  EXPECT_FALSE(IsInk(image, 15, 12));
  EXPECT_EQ(InkCount(image), 8 + 10);
}

TEST_F(QtSurfaceTest, DottedLinesHaveGaps) {
  QImage image = WhiteImage(40, 5);
  {
    QtSurface surface(image);
    surface.SetPenColor(kInk);
    surface.SetPenStyle(PenStyle::Dot);
    surface.MoveTo(0, 2);
    surface.LineTo(40, 2);
  }
  const int ink = InkCount(image);
  EXPECT_GT(ink, 5);
  EXPECT_LT(ink, 30);
}

TEST_F(QtSurfaceTest, FontsAreSizedAtTheFontResolution) {
  QImage image = WhiteImage(10, 10);
  QtSurface surface(image);
  SurfaceFont font;
  font.Name = "DejaVu Sans";
  font.Size = 10;
  surface.SetFont(font);
  surface.SetFontResolution(300);
  const int at300 = surface.TextHeight("H");
  const int wide300 = surface.TextWidth("HHHH");
  surface.SetFontResolution(600);
  const int at600 = surface.TextHeight("H");
  EXPECT_NEAR(at600, 2 * at300, 2);
  EXPECT_NEAR(surface.TextWidth("HHHH"), 2 * wide300, 4);
  // The character height (em) of a 10-point font at 600 dpi is 83 dots; the
  // cell adds the font's leading.
  EXPECT_GE(at600, 83);
  EXPECT_LE(at600, 83 * 13 / 10);
}

TEST_F(QtSurfaceTest, ExtraSpacingFollowsEveryCharacter) {
  QImage image = WhiteImage(10, 10);
  QtSurface surface(image);
  const int plain = surface.TextWidth("ABCD");
  surface.SetTextExtraSpacing(3);
  EXPECT_EQ(surface.TextWidth("ABCD"), plain + 4 * 3);
  EXPECT_EQ(surface.TextWidth(GBK("条码")), surface.TextWidth(GBK("条")) * 2);
  surface.SetTextExtraSpacing(0);
  EXPECT_EQ(surface.TextWidth("ABCD"), plain);
}

TEST_F(QtSurfaceTest, TextOutPaintsAnOpaqueCell) {
  QImage image = WhiteImage(200, 60);
  int width = 0;
  int height = 0;
  {
    QtSurface surface(image);
    surface.SetFontResolution(96);
    SurfaceFont font;
    font.Size = 12;
    font.Color = kColorBlack;
    surface.SetFont(font);
    surface.SetBrushColor(kInk);
    surface.TextOut(10, 5, "Label 1");
    width = surface.TextWidth("Label 1");
    height = surface.TextHeight("Label 1");
  }
  // The cell's corners are in the brush colour; text pixels are dark.
  EXPECT_TRUE(IsInk(image, 10, 5));
  EXPECT_TRUE(IsInk(image, 10 + width - 1, 5 + height - 1));
  EXPECT_TRUE(IsWhite(image, 10 + width, 5));
  EXPECT_TRUE(IsWhite(image, 10, 5 + height));
  int dark = 0;
  for (int y = 5; y < 5 + height; ++y)
    for (int x = 10; x < 10 + width; ++x) dark += qGray(image.pixel(x, y)) < 60;
  EXPECT_GT(dark, 20);
}

TEST_F(QtSurfaceTest, TextRectFillsAndClips) {
  QImage image = WhiteImage(200, 60);
  {
    QtSurface surface(image);
    SurfaceFont font;
    font.Size = 20;
    surface.SetFont(font);
    surface.SetBrushColor(kInk);
    surface.TextRect({10, 10, 40, 30}, 12, 5, "WWWWWWWW");
  }
  EXPECT_EQ(InkBox(image), QRect(QPoint(10, 10), QPoint(39, 29)));  // nothing outside
  int dark = 0;
  for (int y = 10; y < 30; ++y)
    for (int x = 10; x < 40; ++x) dark += qGray(image.pixel(x, y)) < 60;
  EXPECT_GT(dark, 10);
}

TEST_F(QtSurfaceTest, FaceNamesOfLabelFilesFindTheirStandIns) {
  InstallFontSubstitutions();
  EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8("宋体"))).family(), "AR PL UMing CN");
  EXPECT_EQ(QFontInfo(QFont("SimSun")).family(), "AR PL UMing CN");
  EXPECT_EQ(QFontInfo(QFont("OCR-B 10 BT")).family(), "OCR B");
}

TEST_F(QtSurfaceTest, RecordedPicturesReplayTheSameDots) {
  const auto draw = [](QtSurface& surface) {
    surface.SetPenColor(kInk);
    surface.SetBrushColor(kInk);
    const Point bar[] = {{4, 2}, {4, 12}, {5, 12}, {5, 2}};
    surface.Polygon(bar);
    surface.FillRect({8, 2, 10, 13});
  };
  QImage direct = WhiteImage(20, 20);
  {
    QtSurface surface(direct);
    draw(surface);
  }
  QPicture picture;
  {
    QtSurface surface(picture);
    draw(surface);
  }
  QImage replayed = WhiteImage(20, 20);
  {
    QPainter painter(&replayed);
    painter.drawPicture(0, 0, picture);
  }
  EXPECT_EQ(replayed, direct);
}

}  // namespace
}  // namespace tagpress
