#include "info/about_window.h"

#include <QApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <exception>
#include <memory>

namespace tagpress {

namespace {

// Bar widths (in modules) of the decorative barcode on the artwork.
constexpr int kArtworkBars[] = {1, 1, 2, 1, 3, 2, 1, 1, 2, 3, 1, 2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1,
                                2, 1, 1, 3, 2, 1, 1, 2, 1, 3, 1, 2, 1, 1, 2, 2, 3, 1, 1, 2, 1, 1};

void CentreOnDesktop(QWidget& window) {
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect desktop = screen->availableGeometry();
    window.move(desktop.center() - QPoint(window.width() / 2, window.height() / 2));
  }
}

}  // namespace

QPixmap AboutArtwork() {
  QPixmap picture(Tfrm_AboutUs::kClientWidth, Tfrm_AboutUs::kClientHeight);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, 0, picture.height());
  sky.setColorAt(0.0, QColor(16, 42, 86));
  sky.setColorAt(1.0, QColor(6, 18, 40));
  painter.fillRect(picture.rect(), sky);

  // A label card with a barcode, tilted a little, on the left.
  painter.save();
  painter.translate(40, 70);
  painter.rotate(-6);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 90));
  painter.drawRoundedRect(QRectF(6, 8, 200, 150), 8, 8);
  painter.setBrush(QColor(250, 250, 246));
  painter.drawRoundedRect(QRectF(0, 0, 200, 150), 8, 8);
  painter.setBrush(QColor(20, 20, 20));
  qreal x = 22;
  bool bar = true;
  for (int width : kArtworkBars) {
    if (bar) painter.drawRect(QRectF(x, 30, width * 1.7, 80));
    x += width * 1.7;
    bar = !bar;
  }
  QFont digits(QStringLiteral("OCR B"));
  digits.setPixelSize(14);
  painter.setFont(digits);
  painter.setPen(QColor(20, 20, 20));
  painter.drawText(QRectF(0, 112, 200, 24), Qt::AlignCenter, QStringLiteral("6 901234 567892"));
  painter.restore();

  // The name and what the program is for.
  QFont title(QStringLiteral("Noto Sans CJK SC"));
  title.setPixelSize(40);
  title.setBold(true);
  painter.setFont(title);
  painter.setPen(QColor(255, 255, 255));
  painter.drawText(QPointF(276, 100), QStringLiteral("Lumo"));
  QFont line(QStringLiteral("Noto Sans CJK SC"));
  line.setPixelSize(15);
  painter.setFont(line);
  painter.setPen(QColor(190, 210, 240));
  painter.drawText(QPointF(276, 128), QStringLiteral("条码标签设计"));
  painter.drawText(QPointF(276, 150), QStringLiteral("批量打印"));

  // A thin rule of light along the bottom.
  QLinearGradient rule(0, 0, picture.width(), 0);
  rule.setColorAt(0.0, QColor(255, 160, 40, 0));
  rule.setColorAt(0.5, QColor(255, 160, 40));
  rule.setColorAt(1.0, QColor(255, 160, 40, 0));
  painter.fillRect(QRectF(0, 236, picture.width(), 2), rule);
  return picture;
}

Tfrm_AboutUs::Tfrm_AboutUs(QWidget* parent) : QDialog(parent) {
  setObjectName("frm_AboutUs");
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setFixedSize(kClientWidth, kClientHeight);
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(12);
  setFont(font);

  image1_ = new QLabel(this);
  image1_->setObjectName("Image1");
  image1_->setGeometry(0, 0, kClientWidth, kClientHeight);
  image1_->setPixmap(AboutArtwork());

  auto label = [this](const char* name, const QString& text, const QColor& color, int y) {
    auto* item = new QLabel(text, this);
    item->setObjectName(name);
    QFont bold = this->font();
    bold.setBold(true);
    item->setFont(bold);
    item->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = item->palette();
    palette.setColor(QPalette::WindowText, color);
    item->setPalette(palette);
    item->move(280, y);
    item->adjustSize();
  };
  label("cxLabel1", QStringLiteral("版本：v1.6"), QColor(255, 0, 0), 32);
  label("cxLabel2", QStringLiteral("更新：2011年6月2日"), QColor(255, 255, 255), 48);

  button1_ = new QPushButton(QStringLiteral("关闭(&C)"), this);
  button1_->setObjectName("Button1");
  button1_->setGeometry(336, 248, 75, 25);
  button1_->hide();
  connect(button1_, &QPushButton::clicked, this, &QDialog::close);

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(kSplashMilliseconds);
  timer1_->setSingleShot(true);
  connect(timer1_, &QTimer::timeout, this, &QDialog::close);

  CentreOnDesktop(*this);
}

Tfrm_AboutUs* ShowSplash() {
  try {
    auto splash = std::make_unique<Tfrm_AboutUs>();
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QApplication::processEvents();
    splash->Timer1()->start();
    return splash.release();  // freed when its timer closes it
  } catch (const std::exception&) {
    return nullptr;
  }
}

void ShowAbout(QWidget* parent) {
  Tfrm_AboutUs about(parent);
  about.Button1()->show();
  about.exec();
}

}  // namespace tagpress
