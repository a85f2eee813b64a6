#pragma once
// The calculator edit of the design and layout pages: a length in
// millimetres with two decimals, typed or stepped.

#include <QDoubleSpinBox>

namespace tagpress {

class MmEdit : public QDoubleSpinBox {
  Q_OBJECT
 public:
  // Offsets (label and page positions) may be negative; sizes may not.
  enum class Range { Size, Offset };
  explicit MmEdit(QWidget* parent = nullptr, Range range = Range::Size);

  // Takes over the typed text as the value, as the change handlers do
  // before reading it.
  void CommitText();
};

}  // namespace tagpress
