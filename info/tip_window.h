#pragma once
// Tfrm_Tip, "用户必看内容...": usage advice and the description of the
// command line, each on a page.

#include <QDialog>
#include <QStringList>

namespace tagpress {

class Tfrm_Tip : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kClientWidth = 585;
  static constexpr int kClientHeight = 395;

  explicit Tfrm_Tip(QWidget* parent = nullptr);

  // The text of the page "外部(Shell)调用", one entry per line.
  static QStringList ShellLines();
};

// The command "用户须知...": the window, modal, freed when it closes.
void ShowUserNotes(QWidget* parent = nullptr);

}  // namespace tagpress
