#include "app/mm_edit.h"

namespace tagpress {

MmEdit::MmEdit(QWidget* parent, Range range) : QDoubleSpinBox(parent) {
  setDecimals(2);
  setRange(range == Range::Offset ? -999.99 : 0.0, 9999.99);
  setSingleStep(0.5);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setButtonSymbols(QAbstractSpinBox::UpDownArrows);
  // Every keystroke that forms a number is a change, as in a calculator edit.
  setKeyboardTracking(true);
}

void MmEdit::CommitText() { interpretText(); }

}  // namespace tagpress
