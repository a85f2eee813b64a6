#pragma once
// The news page of the main window ("最新动态 "): the local news page of the
// manual in a browser view.

#include <QWidget>

class QTextBrowser;

namespace tagpress {

class NewsPage : public QWidget {
  Q_OBJECT

 public:
  explicit NewsPage(const QString& help_dir, QWidget* parent = nullptr);

  QTextBrowser* wbNews() const { return wb_news_; }
  // True once the view has navigated somewhere.
  bool HasLocation() const;
  // The navigation step of the news command: always loads the news page.
  void Navigate();

 private:
  QString help_dir_;
  QTextBrowser* wb_news_ = nullptr;
};

}  // namespace tagpress
