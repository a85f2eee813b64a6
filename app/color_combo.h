#pragma once
// The colour combo of the design and layout pages: the sixteen standard
// colours, a custom colour when the value is none of them, and the entry
// "自定义..." that opens the colour dialog. Values are $00BBGGRR.

#include <QComboBox>
#include <functional>
#include <optional>

#include "platform/color.h"

namespace tagpress {

class ColorCombo : public QComboBox {
  Q_OBJECT
 public:
  // Asks the user for a colour (the colour dialog), starting from the given one.
  using ColorChooser = std::function<std::optional<TColor>(TColor)>;

  explicit ColorCombo(QWidget* parent = nullptr);

  TColor Value() const;
  // Selects the colour's entry, adding a custom entry when it is not a standard one.
  void SetValue(TColor color);
  void SetColorChooser(ColorChooser chooser) { chooser_ = std::move(chooser); }

  // The index of the "自定义..." entry.
  int CustomEntryIndex() const { return count() - 1; }

 signals:
  // The user or the code changed the colour.
  void ValueChanged(int color);

 private:
  void OnActivated(int index);
  void OnIndexChanged(int index);
  int IndexOf(TColor color) const;

  ColorChooser chooser_;
  TColor value_ = kColorBlack;
};

}  // namespace tagpress
