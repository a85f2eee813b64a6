#pragma once
// The values the main window's pages share while the program runs.

namespace tagpress {

struct FormState {
  // True while the template is copied into the controls; change handlers
  // then do nothing.
  bool FillingControls = false;
  // The moment of the last change of a template key, and the value it had
  // when the pages were last composed; 0 until the first change or
  // composition. Milliseconds since 1970, strictly increasing from change
  // to change so that two changes within one clock tick still differ.
  double ChangeStamp = 0;
  double ComposedStamp = 0;
};

}  // namespace tagpress
