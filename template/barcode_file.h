#pragma once
// TBarcodeFile, the template store: every setting of one label design and
// its page layout, kept as an ordered list of Name=Value lines with a typed
// property per key, plus the three font objects.

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "template/font.h"
#include "template/template_keys.h"

namespace tagpress {

class TBarcodeFile {
 public:
  // The value passed to the change events, with its type.
  using Value = std::variant<double, bool, int, std::string>;
  using BeforeChangeEvent = std::function<void(const std::string& name, const Value& value, bool& allow)>;
  using AfterChangeEvent = std::function<void(const std::string& name, const Value& value)>;

  // ---- life cycle
  TBarcodeFile();

  // ---- the key list and its file
  const std::vector<std::string>& Lines() const { return lines_; }
  // Replaces the key list with the file's lines, then decodes the font keys.
  // Throws EFileError when the file cannot be read and EConvertError (naming
  // the file) for a bad font text; the key list is replaced before the fonts
  // are decoded. FileName and Modified stay.
  void LoadFromFile(const std::string& path);
  // Writes the key list (atomically); FileName and Modified stay.
  void SaveToFile(const std::string& path) const;
  // SaveToFile(FileName), then Modified := false.
  void Save();
  // FileName := empty, the default writes, Modified := false.
  void Reset();

  std::string FileName;
  bool Modified() const { return modified_; }

  BeforeChangeEvent OnBeforeChange;
  AfterChangeEvent OnAfterChange;

  // ---- typed reads and writes by key name
  double ReadReal(std::string_view name) const;
  int ReadInt(std::string_view name) const;
  bool ReadBool(std::string_view name) const;
  std::string ReadText(std::string_view name) const;
  void WriteReal(std::string_view name, double value);
  void WriteInt(std::string_view name, int value);
  void WriteBool(std::string_view name, bool value);
  void WriteText(std::string_view name, const std::string& value);

  // ---- the three font objects, owned by the store
  const TFont& BarTextFont() const { return bar_text_font_; }
  const TFont& UpTextFont() const { return up_text_font_; }
  const TFont& DownTextFont() const { return down_text_font_; }
  // Copies the font into the store's object and writes its font text.
  void SetBarTextFont(const TFont& font);
  void SetUpTextFont(const TFont& font);
  void SetDownTextFont(const TFont& font);

  // ---- one property per key
#define TAGPRESS_REAL_KEY(Key) \
  double Key() const { return ReadReal(#Key); } \
  void Set##Key(double value) { WriteReal(#Key, value); }
#define TAGPRESS_INT_KEY(Key) \
  int Key() const { return ReadInt(#Key); } \
  void Set##Key(int value) { WriteInt(#Key, value); }
#define TAGPRESS_BYTE_KEY(Key) \
  int Key() const { return ReadInt(#Key); } \
  void Set##Key(int value) { WriteInt(#Key, value & 0xFF); }
#define TAGPRESS_WORD_KEY(Key) \
  int Key() const { return ReadInt(#Key); } \
  void Set##Key(int value) { WriteInt(#Key, value & 0xFFFF); }
#define TAGPRESS_BOOL_KEY(Key) \
  bool Key() const { return ReadBool(#Key); } \
  void Set##Key(bool value) { WriteBool(#Key, value); }
#define TAGPRESS_TEXT_KEY(Key) \
  std::string Key() const { return ReadText(#Key); } \
  void Set##Key(const std::string& value) { WriteText(#Key, value); }

  TAGPRESS_INT_KEY(BackgroundColor)
  TAGPRESS_BOOL_KEY(HasBackgroundColor)
  TAGPRESS_BOOL_KEY(BarAutoModul)
  TAGPRESS_BOOL_KEY(BarSelfStyle)
  TAGPRESS_INT_KEY(BarModul)
  TAGPRESS_BYTE_KEY(BarType)
  TAGPRESS_REAL_KEY(BarHeight)
  TAGPRESS_REAL_KEY(BarGap)
  TAGPRESS_INT_KEY(BarColor)
  TAGPRESS_BYTE_KEY(BarAlignment)
  TAGPRESS_TEXT_KEY(BarTextStart)
  TAGPRESS_BOOL_KEY(BarTextVisible)
  TAGPRESS_REAL_KEY(BarTextGap)
  TAGPRESS_BOOL_KEY(BarTextAutoAdjust)
  TAGPRESS_BOOL_KEY(BarTextChecksum)
  TAGPRESS_TEXT_KEY(BarTextLeftDecorate)
  TAGPRESS_TEXT_KEY(BarTextRightDecorate)
  TAGPRESS_TEXT_KEY(UpText)
  TAGPRESS_REAL_KEY(UpTextRowGap)
  TAGPRESS_REAL_KEY(UpTextBarGap)
  TAGPRESS_BYTE_KEY(UpTextAlignment)
  TAGPRESS_TEXT_KEY(DownText)
  TAGPRESS_REAL_KEY(DownTextRowGap)
  TAGPRESS_REAL_KEY(DownTextBarGap)
  TAGPRESS_BYTE_KEY(DownTextAlignment)
  TAGPRESS_REAL_KEY(LabelWidth)
  TAGPRESS_REAL_KEY(LabelHeight)
  TAGPRESS_WORD_KEY(BarNumInOne)
  TAGPRESS_WORD_KEY(LabelPutDirection)
  TAGPRESS_REAL_KEY(LabelTop)
  TAGPRESS_REAL_KEY(LabelLeft)
  TAGPRESS_BOOL_KEY(PrintInternalLine)
  TAGPRESS_REAL_KEY(PageLeftGap)
  TAGPRESS_REAL_KEY(PageTopGap)
  TAGPRESS_WORD_KEY(Rows)
  TAGPRESS_WORD_KEY(Cols)
  TAGPRESS_REAL_KEY(PageRowGap)
  TAGPRESS_REAL_KEY(PageColGap)
  TAGPRESS_TEXT_KEY(PageLeftHeader)
  TAGPRESS_TEXT_KEY(PageCenterHeader)
  TAGPRESS_TEXT_KEY(PageRightHeader)
  TAGPRESS_TEXT_KEY(PageLeftFooter)
  TAGPRESS_TEXT_KEY(PageCenterFooter)
  TAGPRESS_TEXT_KEY(PageRightFooter)
  TAGPRESS_BOOL_KEY(PrintGrid)
  TAGPRESS_REAL_KEY(CutLineSize)
  TAGPRESS_BOOL_KEY(PrintCutLine)
  TAGPRESS_BOOL_KEY(PrintHeaderFooter)
  TAGPRESS_TEXT_KEY(Printer)
  TAGPRESS_BOOL_KEY(PrintInternalCutLine)
  TAGPRESS_INT_KEY(CutLineColor)
  TAGPRESS_TEXT_KEY(LSHStart)
  TAGPRESS_INT_KEY(LSHInc)
  TAGPRESS_INT_KEY(LSHSum)
  TAGPRESS_INT_KEY(LSHBegin)
  TAGPRESS_INT_KEY(LSHEnd)
  TAGPRESS_INT_KEY(LSHRepeat)

#undef TAGPRESS_REAL_KEY
#undef TAGPRESS_INT_KEY
#undef TAGPRESS_BYTE_KEY
#undef TAGPRESS_WORD_KEY
#undef TAGPRESS_BOOL_KEY
#undef TAGPRESS_TEXT_KEY

 private:
  // Index of the first line named `name` (letter case ignored), or -1.
  int FindLine(std::string_view name) const;
  // The text after the first "=" of the key's line, or nothing.
  const std::string* ValueOf(std::string_view name) const;
  // The typed write: events, then the line written as `new_text` for a new
  // line or `existing_text` for an existing one.
  void Write(std::string_view name, const Value& value, const std::string& new_text,
             const std::string& existing_text);
  void SetFont(TFont& target, std::string_view key, const TFont& font);
  void DecodeFonts();

  std::vector<std::string> lines_;
  TFont bar_text_font_;
  TFont up_text_font_;
  TFont down_text_font_;
  bool modified_ = false;
};

}  // namespace tagpress
