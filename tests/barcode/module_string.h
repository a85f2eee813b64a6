#pragma once
// Bar patterns as module strings, the notation of the symbology standards:
// "1" per bar module, "0" per space module, "s" per short-bar module.

#include <string>
#include <string_view>

#include "barcode/pattern.h"

namespace tagpress::test_support {

inline std::string ModuleString(std::string_view pattern, const ModuleWidths& widths = {1, 2, 3, 4}) {
  std::string modules;
  for (const char code : pattern) {
    const BarElement element = ElementOf(code, widths);
    const char mark = !element.Valid                          ? '?'
                      : element.Kind == ElementKind::Space    ? '0'
                      : element.Kind == ElementKind::ShortBar ? 's'
                                                              : '1';
    modules.append(static_cast<size_t>(element.Valid ? element.Width : 1), mark);
  }
  return modules;
}

// Narrow/wide notation ("N", "W" for elements alternating bar, space, ...,
// starting with a bar unless `space_first`) as modules at a wide width of 2.
inline std::string NarrowWide(std::string_view elements, bool space_first = false) {
  std::string modules;
  bool bar = !space_first;
  for (const char element : elements) {
    modules.append(element == 'W' ? 2 : 1, bar ? '1' : '0');
    bar = !bar;
  }
  return modules;
}

}  // namespace tagpress::test_support
