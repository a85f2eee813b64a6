#include "info/help_window.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>

#include "info/help_dir.h"

namespace tagpress {

namespace {

QTextBrowser* NewBrowser(const char* name, QWidget* parent) {
  auto* view = new QTextBrowser(parent);
  view->setObjectName(name);
  view->setOpenLinks(true);
  view->setOpenExternalLinks(true);
  return view;
}

}  // namespace

Tfrm_Help::Tfrm_Help(const QString& help_dir, QWidget* parent) : QMainWindow(parent), help_dir_(help_dir) {
  setObjectName("frm_Help");
  setWindowTitle(QStringLiteral("帮助您解决问题..."));
  setWindowFlag(Qt::Tool);
  resize(442, 313);

  pc_page_ = new QTabWidget(this);
  pc_page_->setObjectName("pcPage");
  wb_help_ = NewBrowser("wbHelp", pc_page_);
  wb_faq_ = NewBrowser("wbFAQ", pc_page_);
  pc_page_->addTab(wb_help_, QStringLiteral("操作手册"));
  pc_page_->addTab(wb_faq_, QStringLiteral("最新问答"));
  setCentralWidget(pc_page_);

  QToolBar* tools = addToolBar(QStringLiteral("tools"));
  tools->setObjectName("ToolBar1");
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  QStyle* look = style();
  auto add = [&](const char* name, const QString& caption, QStyle::StandardPixmap icon) {
    QAction* action = tools->addAction(look->standardIcon(icon), caption);
    action->setObjectName(name);
    return action;
  };
  QAction* contents = add("btnContents", QStringLiteral("目录"), QStyle::SP_DirHomeIcon);
  tools->addSeparator();
  QAction* back = add("btnBack", QStringLiteral("后退"), QStyle::SP_ArrowBack);
  QAction* forward = add("btnForward", QStringLiteral("前进"), QStyle::SP_ArrowForward);
  QAction* stop = add("btnStop", QStringLiteral("停止"), QStyle::SP_BrowserStop);
  tools->addSeparator();
  QAction* refresh = add("btnRefresh", QStringLiteral("刷新"), QStyle::SP_BrowserReload);
  tools->addSeparator();
  QAction* close_window = add("btnClose", QStringLiteral("关闭"), QStyle::SP_DialogCloseButton);

  connect(contents, &QAction::triggered, this, &Tfrm_Help::ShowContents);
  connect(back, &QAction::triggered, this, [this] { CurrentView()->backward(); });
  connect(forward, &QAction::triggered, this, [this] { CurrentView()->forward(); });
  // Local pages load at once; there is never a load in progress to stop.
  connect(stop, &QAction::triggered, this, [] {});
  connect(refresh, &QAction::triggered, this, [this] { CurrentView()->reload(); });
  connect(close_window, &QAction::triggered, this, &QWidget::hide);
  connect(pc_page_, &QTabWidget::currentChanged, this, &Tfrm_Help::PageChanged);
}

void Tfrm_Help::ShowHelp(const QString& page) {
  pc_page_->setCurrentWidget(wb_help_);
  show();
  raise();
  QApplication::processEvents();
  const bool exists = !page.isEmpty() && QFileInfo(help_dir_ + page).isFile();
  wb_help_->setSource(HelpPageUrl(help_dir_, exists ? page : QStringLiteral("index.htm")));
}

QTextBrowser* Tfrm_Help::CurrentView() const {
  return pc_page_->currentWidget() == wb_faq_ ? wb_faq_ : wb_help_;
}

void Tfrm_Help::ShowContents() {
  if (CurrentView() == wb_faq_)
    wb_faq_->setSource(HelpPageUrl(help_dir_, QString::fromLatin1(kQuestionsPageFile)));
  else
    wb_help_->setSource(HelpPageUrl(help_dir_, QStringLiteral("index.htm")));
}

void Tfrm_Help::PageChanged(int index) {
  if (pc_page_->widget(index) == wb_faq_ && wb_faq_->source().isEmpty())
    wb_faq_->setSource(HelpPageUrl(help_dir_, QString::fromLatin1(kQuestionsPageFile)));
}

}  // namespace tagpress
