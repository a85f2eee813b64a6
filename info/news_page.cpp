#include "info/news_page.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "info/help_dir.h"

namespace tagpress {

NewsPage::NewsPage(const QString& help_dir, QWidget* parent) : QWidget(parent), help_dir_(help_dir) {
  setObjectName("tsNews");
  wb_news_ = new QTextBrowser(this);
  wb_news_->setObjectName("wbNews");
  wb_news_->setOpenLinks(true);
  wb_news_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(wb_news_);
}

bool NewsPage::HasLocation() const { return !wb_news_->source().isEmpty(); }

void NewsPage::Navigate() { wb_news_->setSource(HelpPageUrl(help_dir_, QString::fromLatin1(kNewsPageFile))); }

}  // namespace tagpress
