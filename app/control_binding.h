#pragma once
// One control bound to one template key: reading the key into the control
// and writing the control's value into the key, by the kind of control
// (millimetre edit, spin edit, fixed list, colour combo, check box, text
// edit, memo).

#include <functional>
#include <optional>
#include <string_view>

#include "platform/color.h"
#include "template/barcode_file.h"

class QObject;
class QWidget;

namespace tagpress {

struct ControlBinding {
  int Tag;
  const char* Control;    // object name
  const char* Key;        // template key
  bool Inverted = false;  // a check box that shows the negation of its key
};

// The control's value as the key's value. Integers are cut to the key's
// width (byte, word); memo lines become one line list.
void WriteControlToKey(QWidget& control, TBarcodeFile& store, const ControlBinding& binding);

// The key's value shown in the control (without its change signals firing
// any differently than a user change would; callers guard with their flag).
void ReadKeyIntoControl(const TBarcodeFile& store, QWidget& control, const ControlBinding& binding);

// The binding of a tag in a table, or nullptr.
template <size_t N>
const ControlBinding* FindBinding(const ControlBinding (&table)[N], int tag) {
  for (const ControlBinding& b : table)
    if (b.Tag == tag) return &b;
  return nullptr;
}

// Calls `changed` whenever the control's value changes (user or code).
// Colour combos get `choose_color` for their "自定义..." entry.
void ConnectChange(QWidget& control, QObject& context, const std::function<void()>& changed,
                   const std::function<std::optional<TColor>(TColor)>& choose_color);

// The integer property "Tag" that every bound control carries.
int TagOf(const QObject& control);
void SetTag(QObject& control, int tag);

// Gives a control its object name, its Tag (unless 0) and its hint (shown as
// tool tip and in the status bar; unless empty).
void NameControl(QWidget& control, const char* name, int tag, const char* hint);

template <typename T>
T* Named(T* control, const char* name, int tag = 0, const char* hint = "") {
  NameControl(*control, name, tag, hint);
  return control;
}

}  // namespace tagpress
