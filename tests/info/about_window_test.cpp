#include "info/about_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/support/widget_application.h"

namespace tagpress {
namespace {

TEST(AboutWindowTest, SplashShowsWithoutCloseButtonAndClosesItself) {
  test_support::EnsureWidgetApplication();
  QPointer<Tfrm_AboutUs> splash = ShowSplash();
  ASSERT_FALSE(splash.isNull());
  EXPECT_TRUE(splash->isVisible());
  EXPECT_FALSE(splash->isModal());
  EXPECT_FALSE(splash->Button1()->isVisible());
  EXPECT_TRUE(splash->Timer1()->isActive());
  EXPECT_EQ(splash->Timer1()->interval(), 2000);
  EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
  // Closed and freed by its timer.
  EXPECT_TRUE(QTest::qWaitFor([&] { return splash.isNull(); }, 10000));
}

TEST(AboutWindowTest, AboutCommandShowsTheCloseButtonUntilClicked) {
  test_support::EnsureWidgetApplication();
  bool answered = false;
  test_support::AnswerNextModal([&](QWidget* modal) {
    auto* about = qobject_cast<Tfrm_AboutUs*>(modal);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->size(), QSize(425, 283));
    EXPECT_FALSE(about->Timer1()->isActive());
    QPushButton* button = about->findChild<QPushButton*>("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isVisible());
    EXPECT_EQ(button->text(), QStringLiteral("关闭(&C)"));
    EXPECT_EQ(button->geometry(), QRect(336, 248, 75, 25));
    EXPECT_EQ(about->findChild<QLabel*>("cxLabel1")->text(), QStringLiteral("版本：v1.6"));
    EXPECT_EQ(about->findChild<QLabel*>("cxLabel1")->pos(), QPoint(280, 32));
    EXPECT_EQ(about->findChild<QLabel*>("cxLabel2")->text(), QStringLiteral("更新：2011年6月2日"));
    const QPixmap picture = about->findChild<QLabel*>("Image1")->pixmap();
    EXPECT_EQ(picture.size(), QSize(425, 283));
    answered = true;
    QTest::mouseClick(button, Qt::LeftButton);
  });
  ShowAbout();
  EXPECT_TRUE(answered);
}

}  // namespace
}  // namespace tagpress
