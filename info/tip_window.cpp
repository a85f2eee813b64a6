#include "info/tip_window.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tagpress {

namespace {

struct Note {
  const char16_t* text;
  bool red;
};

// Note 1 is followed by the ways to get in touch, indented.
const Note kNotes[] = {
    {u"1. 如果您对条码一无所知或了解不多，还请您用电话，QQ或其他方式联系我们！", false},
    {u"      电话：工作日 9:00—17:00，号码见随软件提供的服务卡；", false},
    {u"      QQ：号码见随软件提供的服务卡；", false},
    {u"      电子邮件：地址见随软件提供的服务卡，也可先查阅“操作手册”。", false},
    {u"2. 由于不了解条码的特性或操作失误而造成的损失本人不承担任何责任；", true},
    {u"3. 凡进超市的条码一般使用EAN13、EAN8、EAN128，其中EAN13是目前国际通用商品条码；", false},
    {u"4. 使用2_5系列码（头三种类型），注意条码内容必须是数字，且必须是偶数个；", false},
    {u"5. 凡条码内容含有字母的，可以使用字母型条码类型，如Code39、Code128A等；", false},
    {u"6. 条码枪、条码阅读器有时并不能扫描所有类型的条码，但一般对照说明书调整后即可识别；", false},
    {u"7. 打印机一般选用激光打印机，不建议使用针式、喷墨打印机打印条码；", false},
    {u"8. 软件安装后，会安装一种条码数字的字体并默认使用它，一般不需要更改这种字体；", false},
};

QLabel* ColouredLabel(const QString& text, const QColor& color, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
  // Room below the descent: the Song face draws "_" lower than its metrics say.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setMinimumHeight(label->fontMetrics().height() + 3);
  return label;
}

QWidget* NotesPage(QWidget* parent) {
  auto* page = new QWidget(parent);
  page->setObjectName("tsNotes");
  auto* layout = new QVBoxLayout(page);
  QLabel* heading = ColouredLabel(QStringLiteral("以下内容非常重要,请仔细阅读！"), Qt::red, page);
  heading->setObjectName("lblHeading");
  QFont font = heading->font();
  font.setBold(true);
  font.setPixelSize(14);
  heading->setFont(font);
  layout->addWidget(heading);
  for (const Note& note : kNotes)
    layout->addWidget(ColouredLabel(QString::fromUtf16(note.text), note.red ? Qt::red : Qt::black, page));
  layout->addStretch(1);
  return page;
}

QWidget* ShellPage(QWidget* parent) {
  auto* text = new QPlainTextEdit(parent);
  text->setObjectName("memShell");
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setPlainText(Tfrm_Tip::ShellLines().join(QLatin1Char('\n')));
  QPalette palette = text->palette();
  palette.setColor(QPalette::Text, Qt::blue);
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  text->setPalette(palette);
  return text;
}

}  // namespace

QStringList Tfrm_Tip::ShellLines() {
  return {
      QStringLiteral("如何外部调用本程序实现自动打印呢？"),
      QString(),
      QStringLiteral("为方便广大客户需求，本软件实现被外部程序调用打印条码标签。"),
      QString(),
      QStringLiteral("调用格式："),
      QStringLiteral("    在命令行或被调用程序输入："),
      QStringLiteral("    <本软件主程序文件> [数据文件] [模板文件] [-p] [-d] [-h]"),
      QStringLiteral(
          "    其中<>表示必须的，[]表示可选项，其中数据文件必须是第一个参数，如果调用模板文件，则该"),
      QStringLiteral("文件必须是第二个参数，后面其它参数顺序不限。"),
      QStringLiteral("    数据文件：可以是文本文件、CSV文件或其它，但内容应遵循CSV格式；"),
      QStringLiteral("    模板文件：本软件所保存的标签设置文件，即*.BCF文件；"),
      QStringLiteral("    -p：参数，表示立即打印标签；"),
      QStringLiteral("    -d：参数，表示打印显示打印对话框；"),
      QStringLiteral("    -h：参数，表示不显示主窗口，而且打印完成后自动关闭程序；"),
      QString(),
      QStringLiteral("例如："),
      QStringLiteral("    ..\\tagpress.exe  c:\\data.csv  -p  -h"),
      QStringLiteral("    表示调用本软件将c:\\data.csv内容全部打印出，打印完成后关闭"),
      QString(),
      QStringLiteral("    ..\\tagpress.exe  c:\\data.csv  c:\\合格证.bcf  -p  -d"),
      QStringLiteral(
          "    表示调用本软件将c:\\data.csv内容通过模板\"合格证.bcf\"的样式全部打印出，打印前出现打印对"),
      QStringLiteral("话框，打印完成后，不关闭主程序"),
  };
}

Tfrm_Tip::Tfrm_Tip(QWidget* parent) : QDialog(parent) {
  setObjectName("frm_Tip");
  setWindowTitle(QStringLiteral("用户必看内容..."));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setFixedSize(kClientWidth, kClientHeight);

  auto* pages = new QTabWidget(this);
  pages->setObjectName("pcTip");
  QFont bold = pages->tabBar()->font();
  bold.setBold(true);
  pages->tabBar()->setFont(bold);
  pages->addTab(NotesPage(pages), QStringLiteral("重要说明"));
  pages->addTab(ShellPage(pages), QStringLiteral("外部(Shell)调用"));

  auto* close_button = new QPushButton(QStringLiteral("关闭(&C)"), this);
  close_button->setObjectName("btnClose");
  connect(close_button, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages, 1);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(close_button);
  layout->addLayout(bottom);

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void ShowUserNotes(QWidget* parent) {
  Tfrm_Tip notes(parent);
  notes.exec();
}

}  // namespace tagpress
