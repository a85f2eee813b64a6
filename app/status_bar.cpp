#include "app/status_bar.h"

#include <QCoreApplication>
#include <QLabel>

namespace tagpress {

namespace {
constexpr int kPanelWidths[] = {200, 150, 50};
constexpr qint64 kEventInterval = 40;  // milliseconds between two runs of pending events
}  // namespace

MainStatusBar::MainStatusBar(QWidget* parent) : QStatusBar(parent) {
  setObjectName(QStringLiteral("stBar"));
  setSizeGripEnabled(true);
  for (int i = 0; i < 3; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setObjectName(QStringLiteral("stBarPanel%1").arg(i + 1));
    panels_[i]->setMinimumWidth(kPanelWidths[i]);
    panels_[i]->setFrameShape(QFrame::StyledPanel);
    panels_[i]->setFrameShadow(QFrame::Sunken);
    // The last panel takes the rest of the bar.
    addPermanentWidget(panels_[i], i == 2 ? 1 : 0);
  }
}

QString MainStatusBar::PanelText(int panel) const { return panels_[panel]->text(); }

void MainStatusBar::SetHintText(const QString& text) { panels_[0]->setText(text); }

void MainStatusBar::SetRecordCountText(const QString& text) { panels_[1]->setText(text); }

void MainStatusBar::SetStatusText(const QString& text) {
  panels_[2]->setText(text);
  if (since_events_.isValid() && since_events_.elapsed() < kEventInterval && !text.isEmpty()) return;
  QCoreApplication::processEvents();
  since_events_.restart();
}

}  // namespace tagpress
