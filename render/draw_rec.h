#pragma once
// The request for one label: where it goes on the surface, the surface's
// resolution, and the label's three texts.

#include <string>

namespace tagpress {

struct TtgpDrawRec {
  int Left = 0;   // x of the label's top-left corner, dots
  int Top = 0;    // y of the label's top-left corner, dots
  int DpiX = 0;   // horizontal resolution, dots per inch
  int DpiY = 0;   // vertical resolution, dots per inch
  std::string Digits;
  std::string UpText;    // line list, already expanded
  std::string DownText;  // line list, already expanded
};

}  // namespace tagpress
