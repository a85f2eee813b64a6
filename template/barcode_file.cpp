#include "template/barcode_file.h"

#include "platform/ascii_text.h"
#include "platform/errors.h"
#include "platform/text_codec.h"
#include "platform/text_file.h"
#include "template/number_text.h"

namespace tagpress {

namespace {

bool NameMatches(const std::string& line, std::string_view name) {
  const size_t equals = line.find('=');
  return equals == name.size() && SameTextAscii(std::string_view(line).substr(0, equals), name);
}

double AbsentNumber(std::string_view name) {
  const TemplateKey* key = FindTemplateKey(name);
  return key ? key->absent : 0;
}

const char* BoolText(bool value) { return value ? "-1" : "0"; }

}  // namespace

TBarcodeFile::TBarcodeFile() { Reset(); }

int TBarcodeFile::FindLine(std::string_view name) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (NameMatches(lines_[i], name)) return static_cast<int>(i);
  return -1;
}

const std::string* TBarcodeFile::ValueOf(std::string_view name) const {
  int index = FindLine(name);
  return index < 0 ? nullptr : &lines_[index];
}

double TBarcodeFile::ReadReal(std::string_view name) const {
  const std::string* line = ValueOf(name);
  if (!line) return AbsentNumber(name);
  return TryTextToFloat(std::string_view(*line).substr(name.size() + 1)).value_or(0);
}

int TBarcodeFile::ReadInt(std::string_view name) const {
  const std::string* line = ValueOf(name);
  if (!line) return static_cast<int>(AbsentNumber(name));
  return TryTextToInt(std::string_view(*line).substr(name.size() + 1)).value_or(0);
}

bool TBarcodeFile::ReadBool(std::string_view name) const {
  const std::string* line = ValueOf(name);
  if (!line) return AbsentNumber(name) != 0;
  return ParseBool(std::string_view(*line).substr(name.size() + 1)).value_or(false);
}

std::string TBarcodeFile::ReadText(std::string_view name) const {
  const std::string* line = ValueOf(name);
  return line ? line->substr(name.size() + 1) : std::string();
}

void TBarcodeFile::Write(std::string_view name, const Value& value, const std::string& new_text,
                         const std::string& existing_text) {
  const std::string key(name);
  bool allow = true;
  if (OnBeforeChange) OnBeforeChange(key, value, allow);
  if (!allow) return;
  int index = FindLine(name);
  if (index < 0) {
    lines_.push_back(key + "=" + new_text);
  } else if (std::holds_alternative<std::string>(value) && existing_text.empty()) {
    lines_.erase(lines_.begin() + index);
  } else {
    lines_[index] = key + "=" + existing_text;
  }
  modified_ = true;
  if (OnAfterChange) OnAfterChange(key, value);
}

void TBarcodeFile::WriteReal(std::string_view name, double value) {
  Write(name, value, FormatFixed(value, 2), FloatToText(value));
}

void TBarcodeFile::WriteInt(std::string_view name, int value) {
  const std::string text = std::to_string(value);
  Write(name, value, text, text);
}

void TBarcodeFile::WriteBool(std::string_view name, bool value) {
  Write(name, value, BoolText(value), BoolText(value));
}

void TBarcodeFile::WriteText(std::string_view name, const std::string& value) {
  Write(name, value, value, value);
}

void TBarcodeFile::SetFont(TFont& target, std::string_view key, const TFont& font) {
  target = font;
  WriteText(key, FontToText(font));
}

void TBarcodeFile::SetBarTextFont(const TFont& font) { SetFont(bar_text_font_, "BarTextFont", font); }
void TBarcodeFile::SetUpTextFont(const TFont& font) { SetFont(up_text_font_, "UpTextFont", font); }
void TBarcodeFile::SetDownTextFont(const TFont& font) { SetFont(down_text_font_, "DownTextFont", font); }

void TBarcodeFile::DecodeFonts() {
  const std::pair<const char*, TFont*> fonts[] = {
      {"UpTextFont", &up_text_font_}, {"DownTextFont", &down_text_font_}, {"BarTextFont", &bar_text_font_}};
  for (const auto& [key, font] : fonts) TextToFont(ReadText(key), *font);
}

void TBarcodeFile::LoadFromFile(const std::string& path) {
  lines_ = ReadTextLines(path);
  try {
    DecodeFonts();
  } catch (const EConvertError& error) {
    throw EConvertError(GBK("模板文件") + " \"" + Utf8ToGbk(path) + "\": " + error.what());
  }
}

void TBarcodeFile::SaveToFile(const std::string& path) const { WriteTextLines(path, lines_); }

void TBarcodeFile::Save() {
  SaveToFile(FileName);
  modified_ = false;
}

void TBarcodeFile::Reset() {
  FileName.clear();
  SetBarAutoModul(true);
  SetBarHeight(8);
  SetBarGap(2);
  SetBarColor(0);
  SetBarType(0);
  SetBarSelfStyle(true);
  SetUpText(GBK("品牌"));
  SetUpTextRowGap(0);
  SetUpTextBarGap(1);
  SetUpTextAlignment(2);
  up_text_font_.Name = GBK("宋体");
  up_text_font_.SetSize(9);
  SetDownText(GBK("产品名称"));
  SetDownTextRowGap(0);
  SetDownTextBarGap(1);
  SetDownTextAlignment(2);
  down_text_font_.Name = GBK("宋体");
  down_text_font_.SetSize(9);
  bar_text_font_.Name = "OCR-B 10 BT";
  bar_text_font_.SetSize(8);
  if (BarTextStart().empty()) SetBarTextStart("12345678");
  SetBarTextGap(0);
  SetBarTextVisible(true);
  SetBarTextLeftDecorate("");
  SetBarTextRightDecorate("");
  SetLabelWidth(40);
  SetLabelHeight(30);
  SetBarNumInOne(1);
  SetLabelPutDirection(0);
  SetPrintInternalLine(true);
  SetPrintInternalCutLine(false);
  SetPageCenterFooter(GBK("打印 [日期]"));
  SetPageRightFooter(GBK("第 [页号] 页，共 [总页数] 页"));
  SetPageRowGap(5);
  SetPageColGap(5);
  SetPageLeftGap(4);
  SetPageTopGap(4);
  SetPrinter(GBK("默认"));
  SetRows(0);
  SetCols(0);
  SetPrintGrid(false);
  SetPrintCutLine(true);
  SetPrintHeaderFooter(true);
  SetLSHStart("");
  SetLSHBegin(1);
  SetLSHEnd(1);
  SetLSHInc(1);
  SetLSHSum(100);
  modified_ = false;
}

}  // namespace tagpress
