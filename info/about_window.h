#pragma once
// Tfrm_AboutUs: the about window, also the start-up splash. A borderless
// picture with the version and date, a close button for the about command
// and a timer that closes the splash.

#include <QDialog>

class QLabel;
class QPushButton;
class QTimer;

namespace tagpress {

class Tfrm_AboutUs : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 425;
  static constexpr int kClientHeight = 283;
  static constexpr int kSplashMilliseconds = 2000;

  explicit Tfrm_AboutUs(QWidget* parent = nullptr);

  QPushButton* Button1() const { return button1_; }
  QTimer* Timer1() const { return timer1_; }

 private:
  QLabel* image1_ = nullptr;
  QPushButton* button1_ = nullptr;
  QTimer* timer1_ = nullptr;
};

// The program's artwork, 425 x 283 pixels, drawn here rather than shipped.
QPixmap AboutArtwork();

// Shows the about window as the start-up splash: without waiting, painted
// once, closing itself after two seconds (and freed then). Returns the
// window, or nullptr when it could not be shown; start-up goes on either way.
Tfrm_AboutUs* ShowSplash();

// The about command: the window with its close button, modal, freed after
// closing.
void ShowAbout(QWidget* parent = nullptr);

}  // namespace tagpress
