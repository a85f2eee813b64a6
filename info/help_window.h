#pragma once
// Tfrm_Help, "帮助您解决问题...": the local manual and the questions page,
// each in a browser view, under a toolbar of the usual browser commands.
// Closing only hides the window; it lives as long as the program.

#include <QMainWindow>

class QTabWidget;
class QTextBrowser;

namespace tagpress {

class Tfrm_Help : public QMainWindow {
  Q_OBJECT

 public:
  explicit Tfrm_Help(const QString& help_dir, QWidget* parent = nullptr);

  const QString& HelpDir() const { return help_dir_; }
  QTabWidget* pcPage() const { return pc_page_; }
  QTextBrowser* wbHelp() const { return wb_help_; }
  QTextBrowser* wbFAQ() const { return wb_faq_; }

  // Shows the manual page `page` (a file in the help folder) without waiting;
  // a page that does not exist, or none, shows index.htm.
  void ShowHelp(const QString& page = QString());

 private:
  QTextBrowser* CurrentView() const;
  void ShowContents();
  void PageChanged(int index);

  QString help_dir_;
  QTabWidget* pc_page_ = nullptr;
  QTextBrowser* wb_help_ = nullptr;
  QTextBrowser* wb_faq_ = nullptr;
};

}  // namespace tagpress
