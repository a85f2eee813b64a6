#include "app/window_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <memory>

#include "platform/qt/qt_text.h"

namespace tagpress {

namespace {

std::optional<QString> RunTemplateDialog(QWidget* parent, const QString& folder, TemplateDialogMode mode) {
  std::unique_ptr<QFileDialog> dialog(MakeTemplateFileDialog(parent, folder, mode));
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return std::nullopt;
  return dialog->selectedFiles().front();
}

}  // namespace

QFileDialog* MakeTemplateFileDialog(QWidget* parent, const QString& folder, TemplateDialogMode mode) {
  auto* dialog = new QFileDialog(parent);
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setDirectory(folder);
  dialog->setNameFilters(
      {QStringLiteral("条码批量打印文件(*.BCF) (*.bcf *.BCF)"), QStringLiteral("所有文件 (*)")});
  dialog->setDefaultSuffix(QStringLiteral("bcf"));
  if (mode == TemplateDialogMode::Open) {
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
  } else {
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
  }
  return dialog;
}

std::optional<QString> QtWindowDialogs::OpenTemplate(QWidget* parent, const QString& folder) {
  return RunTemplateDialog(parent, folder, TemplateDialogMode::Open);
}

std::optional<QString> QtWindowDialogs::SaveTemplate(QWidget* parent, const QString& folder) {
  return RunTemplateDialog(parent, folder, TemplateDialogMode::Save);
}

void QtWindowDialogs::Information(QWidget* parent, const QString& caption, const QString& text) {
  QMessageBox::information(parent, caption, text);
}

Answer QtWindowDialogs::AskYesNo(QWidget* parent, const QString& caption, const QString& text) {
  return QMessageBox::question(parent, caption, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
                 QMessageBox::Yes
             ? Answer::Yes
             : Answer::No;
}

Answer QtWindowDialogs::AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) {
  switch (QMessageBox::question(parent, caption, text,
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

void QtWindowDialogs::Error(QWidget* parent, const QString& text) {
  QMessageBox::critical(parent, QStringLiteral("错误"), text);
}

std::optional<TFont> QtWindowDialogs::ChooseFont(QWidget* parent, const TFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, QFontFromTFont(font), parent);
  if (!ok) return std::nullopt;
  return TFontFromQFont(chosen, font);
}

std::optional<TColor> QtWindowDialogs::ChooseColor(QWidget* parent, TColor color) {
  const QColor chosen = QColorDialog::getColor(QColorFromTColor(color), parent);
  if (!chosen.isValid()) return std::nullopt;
  return TColorFromQColor(chosen);
}

QFont QFontFromTFont(const TFont& font) {
  QFont result(QStringFromGbk(font.Name));
  result.setPointSize(font.Size() > 0 ? font.Size() : 9);
  result.setBold(font.Bold);
  result.setItalic(font.Italic);
  result.setUnderline(font.Underline);
  result.setStrikeOut(font.StrikeOut);
  return result;
}

TFont TFontFromQFont(const QFont& font, const TFont& base) {
  TFont result = base;
  result.Name = GbkFromQString(font.family());
  if (font.pointSize() > 0) result.SetSize(font.pointSize());
  result.Bold = font.bold();
  result.Italic = font.italic();
  result.Underline = font.underline();
  result.StrikeOut = font.strikeOut();
  return result;
}

QColor QColorFromTColor(TColor color) { return QColor(RedOf(color), GreenOf(color), BlueOf(color)); }

TColor TColorFromQColor(const QColor& color) { return MakeColor(color.red(), color.green(), color.blue()); }

}  // namespace tagpress
