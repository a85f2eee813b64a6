#pragma once
// The main window's status bar stBar: panel 1 the hint of the control under
// the mouse, panel 2 the record count, panel 3 progress texts.

#include <QElapsedTimer>
#include <QStatusBar>

class QLabel;

namespace tagpress {

class MainStatusBar : public QStatusBar {
  Q_OBJECT
 public:
  explicit MainStatusBar(QWidget* parent = nullptr);

  QString PanelText(int panel) const;  // 0, 1 or 2
  void SetHintText(const QString& text);
  void SetRecordCountText(const QString& text);
  // Shows a progress text and lets pending window messages run, at most
  // every few tens of milliseconds so long runs are not slowed by painting.
  void SetStatusText(const QString& text);

 private:
  QLabel* panels_[3];
  QElapsedTimer since_events_;
};

}  // namespace tagpress
