#pragma once
// The keys of a template: name, value type and the value read when the key
// has no line. One row per key, in the order the design and layout pages
// present them.

#include <array>
#include <optional>
#include <string_view>

namespace tagpress {

enum class KeyType { Real, Integer, Byte, Word, Boolean, Color, Text, LineList, Font };

struct TemplateKey {
  std::string_view name;
  KeyType type;
  double absent;  // reals, integers, colours and booleans (non-zero is true)
};

inline constexpr std::array<TemplateKey, 60> kTemplateKeys = {{
    {"BackgroundColor", KeyType::Color, 16777215},
    {"HasBackgroundColor", KeyType::Boolean, 0},
    {"BarAutoModul", KeyType::Boolean, 0},
    {"BarSelfStyle", KeyType::Boolean, 1},
    {"BarModul", KeyType::Integer, 0},
    {"BarType", KeyType::Byte, 0},
    {"BarHeight", KeyType::Real, 0},
    {"BarGap", KeyType::Real, 0},
    {"BarColor", KeyType::Color, 0},
    {"BarAlignment", KeyType::Byte, 0},
    // 10
    {"BarTextStart", KeyType::Text, 0},
    {"BarTextFont", KeyType::Font, 0},
    {"BarTextVisible", KeyType::Boolean, 0},
    {"BarTextGap", KeyType::Real, 0},
    {"BarTextAutoAdjust", KeyType::Boolean, 0},
    {"BarTextChecksum", KeyType::Boolean, 0},
    {"BarTextLeftDecorate", KeyType::Text, 0},
    {"BarTextRightDecorate", KeyType::Text, 0},
    {"UpText", KeyType::LineList, 0},
    {"UpTextFont", KeyType::Font, 0},
    // 20
    {"UpTextRowGap", KeyType::Real, 0},
    {"UpTextBarGap", KeyType::Real, 0},
    {"UpTextAlignment", KeyType::Byte, 0},
    {"DownText", KeyType::LineList, 0},
    {"DownTextFont", KeyType::Font, 0},
    {"DownTextRowGap", KeyType::Real, 0},
    {"DownTextBarGap", KeyType::Real, 0},
    {"DownTextAlignment", KeyType::Byte, 0},
    {"LabelWidth", KeyType::Real, 0},
    {"LabelHeight", KeyType::Real, 0},
    // 30
    {"BarNumInOne", KeyType::Word, 0},
    {"LabelPutDirection", KeyType::Word, 0},
    {"LabelTop", KeyType::Real, 0},
    {"LabelLeft", KeyType::Real, 0},
    {"PrintInternalLine", KeyType::Boolean, 0},
    {"PageLeftGap", KeyType::Real, 0},
    {"PageTopGap", KeyType::Real, 0},
    {"Rows", KeyType::Word, 0},
    {"Cols", KeyType::Word, 0},
    {"PageRowGap", KeyType::Real, 0},
    // 40
    {"PageColGap", KeyType::Real, 0},
    {"PageLeftHeader", KeyType::Text, 0},
    {"PageCenterHeader", KeyType::Text, 0},
    {"PageRightHeader", KeyType::Text, 0},
    {"PageLeftFooter", KeyType::Text, 0},
    {"PageCenterFooter", KeyType::Text, 0},
    {"PageRightFooter", KeyType::Text, 0},
    {"PrintGrid", KeyType::Boolean, 0},
    {"CutLineSize", KeyType::Real, 0},
    {"PrintCutLine", KeyType::Boolean, 0},
    // 50
    {"PrintHeaderFooter", KeyType::Boolean, 0},
    {"Printer", KeyType::Text, 0},
    {"PrintInternalCutLine", KeyType::Boolean, 0},
    {"CutLineColor", KeyType::Color, 0},
    {"LSHStart", KeyType::Text, 0},
    {"LSHInc", KeyType::Integer, 0},
    {"LSHSum", KeyType::Integer, 0},
    {"LSHBegin", KeyType::Integer, 0},
    {"LSHEnd", KeyType::Integer, 0},
    {"LSHRepeat", KeyType::Integer, 0},
}};

// The key of that name (letter case ignored), if the template knows it.
const TemplateKey* FindTemplateKey(std::string_view name);

}  // namespace tagpress
