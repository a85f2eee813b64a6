#pragma once
// The modal dialogs of the main window behind one interface, so that tests
// answer them and the window code reads as the sequence of questions it asks.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

#include "platform/color.h"
#include "template/font.h"

class QWidget;
class QFileDialog;

namespace tagpress {

enum class Answer { Yes, No, Cancel };

class WindowDialogs {
 public:
  virtual ~WindowDialogs() = default;

  // The template open and save dialogs; the chosen path, or nothing when cancelled.
  virtual std::optional<QString> OpenTemplate(QWidget* parent, const QString& folder) = 0;
  virtual std::optional<QString> SaveTemplate(QWidget* parent, const QString& folder) = 0;

  virtual void Information(QWidget* parent, const QString& caption, const QString& text) = 0;
  // Yes and No; No when the box is closed.
  virtual Answer AskYesNo(QWidget* parent, const QString& caption, const QString& text) = 0;
  // Yes, No and Cancel with a question icon; Cancel when the box is closed.
  virtual Answer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) = 0;
  // The application's general error display.
  virtual void Error(QWidget* parent, const QString& text) = 0;

  virtual std::optional<TFont> ChooseFont(QWidget* parent, const TFont& font) = 0;
  virtual std::optional<TColor> ChooseColor(QWidget* parent, TColor color) = 0;
};

// The real dialogs: Qt's own file, message, font and colour dialogs.
class QtWindowDialogs : public WindowDialogs {
 public:
  std::optional<QString> OpenTemplate(QWidget* parent, const QString& folder) override;
  std::optional<QString> SaveTemplate(QWidget* parent, const QString& folder) override;
  void Information(QWidget* parent, const QString& caption, const QString& text) override;
  Answer AskYesNo(QWidget* parent, const QString& caption, const QString& text) override;
  Answer AskYesNoCancel(QWidget* parent, const QString& caption, const QString& text) override;
  void Error(QWidget* parent, const QString& text) override;
  std::optional<TFont> ChooseFont(QWidget* parent, const TFont& font) override;
  std::optional<TColor> ChooseColor(QWidget* parent, TColor color) override;
};

// The template file dialog as the open and save commands show it (filter,
// default suffix, start folder); exposed so tests can inspect it.
enum class TemplateDialogMode { Open, Save };
QFileDialog* MakeTemplateFileDialog(QWidget* parent, const QString& folder, TemplateDialogMode mode);

// Font objects of the template store and Qt fonts, both ways.
QFont QFontFromTFont(const TFont& font);
TFont TFontFromQFont(const QFont& font, const TFont& base);

QColor QColorFromTColor(TColor color);
TColor TColorFromQColor(const QColor& color);

}  // namespace tagpress
