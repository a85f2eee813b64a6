#include "script/library/std_func.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "platform/ascii_text.h"
#include "platform/errors.h"
#include "platform/rounding.h"
#include "platform/text_file.h"
#include "script/library/chinese_numerals.h"
#include "script/library/date_calc.h"
#include "script/library/file_functions.h"
#include "script/library/format_date_time.h"
#include "script/library/format_text.h"
#include "script/library/random_numbers.h"
#include "script/library/text_functions.h"
#include "script/script_errors.h"
#include "script/value_operators.h"

namespace tagpress {

namespace {

enum FuncId : int32_t {
  kAbs = 1,
  kRound,
  kRoundTo,
  kSqr,
  kSqrt,
  kPower,
  kMax,
  kMin,
  kInc,
  kDec,
  kPi,
  kSin,
  kCos,
  kTan,
  kArcTan,
  kLog2,
  kLog10,
  kLogN,
  kSec,
  kCsc,
  kMonthOf,
  kYearOf,
  kDayOf,
  kHourOf,
  kSecondOf,
  kMilliSecondOf,
  kMinuteOf,
  kWeekOf,
  kFirstOfMonth,
  kFirstOfWeek,
  kLastOfMonth,
  kLastOfWeek,
  kDateChn,
  kToday,
  kTime,
  kNow,
  kNull,
  kUnassigned,
  kVarIsEmpty,
  kStr,
  kInt,
  kTrunc,
  kFloat,
  kBool,
  kHex,
  kDateTime,
  kNumChn,
  kMoneyChn,
  kUpperNum,
  kAscii,
  kChar,
  kTrim,
  kTrimLeft,
  kTrimRight,
  kSubStr,
  kLeftSubStr,
  kRightSubStr,
  kStrPos,
  kLen,
  kStrInc,
  kStrRepeat,
  kSameText,
  kUpperStr,
  kLowerStr,
  kFormatDateTime,
  kFormat,
  kIif,
  kIncBillNo,
  kRandom,
  kVarArrayOf,
  kVarArrayGet,
  kVarArrayCount,
  kFileExists,
  kExtractFilePath,
  kDeleteFile,
  kFileSize,
  kRenameFile,
  kChangeFileExt,
  kExtractFileName,
  kCreateDir,
  kDirectoryExists,
  kRemoveDir,
  kGetCurrentDir,
  kFunctionLibraryVersion,
};

struct FunctionEntry {
  FuncId id;
  const char* name;
  int32_t min_params;
};

// The names are matched without regard to ASCII letter case.
constexpr FunctionEntry kFunctions[] = {
    {kAbs, "Abs", 1},
    {kRound, "Round", 1},
    {kRoundTo, "RoundTo", 1},
    {kSqr, "Sqr", 1},
    {kSqrt, "Sqrt", 1},
    {kPower, "Power", 2},
    {kMax, "Max", 2},
    {kMin, "Min", 2},
    {kInc, "INC", 1},
    {kDec, "DEC", 1},
    {kPi, "PI", 0},
    {kSin, "Sin", 1},
    {kCos, "Cos", 1},
    {kTan, "Tan", 1},
    {kArcTan, "ArcTan", 1},
    {kLog2, "Log2", 1},
    {kLog10, "Log10", 1},
    {kLogN, "LogN", 2},
    {kSec, "Sec", 1},
    {kCsc, "Csc", 1},
    {kMonthOf, "MonthOf", 1},  // 21
    {kYearOf, "YearOf", 1},
    {kDayOf, "DayOf", 1},
    {kHourOf, "HourOf", 1},
    {kSecondOf, "SecondOf", 1},
    {kMilliSecondOf, "MilliSecondOf", 1},
    {kMinuteOf, "MinuteOf", 1},
    {kWeekOf, "WeekOf", 1},
    {kFirstOfMonth, "FirstOfMonth", 1},
    {kFirstOfWeek, "FirstOfWeek", 1},
    {kLastOfMonth, "LastOfMonth", 1},
    {kLastOfWeek, "LastOfWeek", 1},
    {kDateChn, "DateCHN", 1},
    {kToday, "Today", 0},
    {kTime, "Time", 0},
    {kNow, "Now", 0},
    {kNull, "NULL", 0},
    {kUnassigned, "UNASSIGNED", 0},
    {kVarIsEmpty, "VARISEMPTY", 0},
    {kStr, "Str", 1},
    {kInt, "Int", 1},  // 41
    {kTrunc, "Trunc", 1},
    {kFloat, "Float", 1},
    {kBool, "Bool", 1},
    {kHex, "Hex", 2},
    {kDateTime, "DateTime", 1},
    {kNumChn, "NumCHN", 1},
    {kMoneyChn, "MoneyCHN", 1},
    {kUpperNum, "UpperNum", 1},
    {kAscii, "ASCII", 1},
    {kChar, "Char", 1},
    {kTrim, "Trim", 1},
    {kTrimLeft, "TrimLeft", 1},
    {kTrimRight, "TrimRight", 1},
    {kSubStr, "SubStr", 3},
    {kLeftSubStr, "LeftSubStr", 2},
    {kRightSubStr, "RightSubStr", 2},
    {kStrPos, "StrPos", 2},
    {kLen, "Len", 1},
    {kStrInc, "StrInc", 3},
    {kStrRepeat, "StrRepeat", 2},  // 61
    {kSameText, "SameText", 2},
    {kUpperStr, "UpperStr", 1},
    {kLowerStr, "LowerStr", 1},
    {kFormatDateTime, "FormatDateTime", 2},
    {kFormat, "Format", 2},
    {kIif, "Iif", 3},
    {kIncBillNo, "IncBillNo", 1},
    {kRandom, "Random", 0},
    {kVarArrayOf, "VarArrayOf", 0},
    {kVarArrayGet, "VarArrayGet", 2},
    {kVarArrayCount, "VarArrayCount", 1},
    {kFileExists, "FileExists", 1},
    {kExtractFilePath, "ExtractFilePath", 1},
    {kDeleteFile, "DeleteFile", 1},
    {kFileSize, "FileSize", 0},
    {kRenameFile, "RenameFile", 2},
    {kChangeFileExt, "ChangeFileExt", 2},
    {kExtractFileName, "ExtractFileName", 1},
    {kCreateDir, "CreateDir", 1},
    {kDirectoryExists, "DirectoryExists", 1},  // 81
    {kRemoveDir, "RemoveDir", 1},
    {kGetCurrentDir, "GetCurrentDir", 0},
    {kFunctionLibraryVersion, "FunctionLibraryVersion", 0},
};
static_assert(std::size(kFunctions) == 84);
// Ids run from 1 in table order.
static_assert([] {
  for (size_t i = 0; i < std::size(kFunctions); ++i)
    if (kFunctions[i].id != static_cast<int32_t>(i + 1)) return false;
  return true;
}());

// A computation that cannot go on; CallFunction answers false.
class EFunctionFailed : public ETagpressError {
 public:
  EFunctionFailed() : ETagpressError("function failed") {}
};

// The arguments "1", "2", ... of a call, read in the forms the functions
// want. Reading an argument that was not given fails the call.
class Arguments {
 public:
  explicit Arguments(const TkxScriptVariants* params) : params_(params) {}

  int Count() const { return params_ ? params_->Count() : 0; }
  const TkxScriptVar& At(int index) const {
    if (index >= Count()) throw EFunctionFailed();
    return params_->Items(index);
  }

  int32_t Int(int index) const { return At(index).AsInteger(); }
  double Real(int index) const { return At(index).AsFloat(); }
  std::string Text(int index) const { return At(index).AsString(); }
  double Date(int index) const { return At(index).AsDateTime(); }
  bool Bool(int index) const { return At(index).AsBoolean(); }
  const TkxValue& Value(int index) const { return At(index).GetValue(); }
  // The raw value as a real by the platform's rule: text that is no number fails.
  double ValueAsReal(int index) const { return ValueToReal(Value(index)); }

 private:
  const TkxScriptVariants* params_;
};

TkxValue RealResult(double value) { return TkxValue::FromDouble(CheckedReal(value)); }

TkxValue TextResult(std::string text) { return TkxValue::FromString(std::move(text)); }

// A real rounded or truncated to a whole number that must fit 64 bits.
TkxValue Int64Result(double whole) {
  if (!(whole >= -9223372036854775808.0 && whole < 9223372036854775808.0)) throw ERangeError();
  return TkxValue::FromInt64(static_cast<int64_t>(whole));
}

TkxValue WordResult(int value) { return TkxValue::FromWord(static_cast<uint16_t>(value)); }

// The processor's sine and cosine take arguments below 2^63 only; beyond
// that the functions give 0.
double BoundedTrig(double x, double (*function)(double)) {
  return std::fabs(x) < 9223372036854775808.0 ? function(x) : 0.0;
}

bool ChangesFiles(FuncId id) {
  return id == kDeleteFile || id == kRenameFile || id == kCreateDir || id == kRemoveDir;
}

FormatArgument FormatArgumentOf(const TkxScriptVar& var) {
  switch (var.Kind()) {
    case vkInteger:
      return var.AsInteger();
    case vkFloat:
      return var.AsFloat();
    default:
      return var.AsString();
  }
}

TkxValue Compute(FuncId id, const Arguments& args) {
  switch (id) {
    case kAbs:
      return RealResult(std::fabs(args.Real(0)));
    case kRound:
      return Int64Result(RoundHalfEven(args.Real(0)));
    case kRoundTo:
      return RealResult(RoundToDigits(args.Real(0), args.Count() > 1 ? args.Int(1) : 0));
    case kSqr: {
      const double x = args.ValueAsReal(0);
      return RealResult(x * x);
    }
    case kSqrt:
      return RealResult(std::sqrt(args.ValueAsReal(0)));
    case kPower:
      return RealResult(std::pow(args.ValueAsReal(0), args.ValueAsReal(1)));
    case kMax:
      // The first argument reads leniently, the second strictly, so
      // Max(1, 'x') fails while Min(1, 'x') is 0.
      return RealResult(std::max(args.Real(0), args.ValueAsReal(1)));
    case kMin:
      return RealResult(std::min(args.Real(0), args.Real(1)));
    case kInc:
      return ValueAdd(args.Value(0), args.Count() > 1 ? args.Value(1) : TkxValue::FromInteger(1));
    case kDec:
      return ValueSubtract(args.Value(0), args.Count() > 1 ? args.Value(1) : TkxValue::FromInteger(1));
    case kPi:
      return TkxValue::FromDouble(3.1415926535897932385);
    case kSin:
      return RealResult(BoundedTrig(args.ValueAsReal(0), std::sin));
    case kCos:
      return RealResult(BoundedTrig(args.ValueAsReal(0), std::cos));
    case kTan:
      return RealResult(std::tan(args.ValueAsReal(0)));
    case kArcTan:
      return RealResult(std::atan(args.ValueAsReal(0)));
    case kLog2:
      return RealResult(std::log2(args.ValueAsReal(0)));
    case kLog10:
      return RealResult(std::log10(args.ValueAsReal(0)));
    case kLogN: {
      const double base = args.ValueAsReal(0);
      return RealResult(std::log(args.ValueAsReal(1)) / std::log(base));
    }
    case kSec:
      return RealResult(1.0 / std::cos(args.ValueAsReal(0)));
    case kCsc:
      return RealResult(1.0 / std::sin(args.ValueAsReal(0)));

    case kMonthOf:
      return WordResult(DecodeValidDate(args.Date(0)).Month);
    case kYearOf:
      return WordResult(DecodeValidDate(args.Date(0)).Year);
    case kDayOf:
      return WordResult(DecodeValidDate(args.Date(0)).Day);
    case kHourOf:
      return WordResult(DecodeTime(args.Date(0)).Hour);
    case kSecondOf:
      return WordResult(DecodeTime(args.Date(0)).Second);
    case kMilliSecondOf:
      return WordResult(DecodeTime(args.Date(0)).MilliSecond);
    case kMinuteOf:
      return WordResult(DecodeTime(args.Date(0)).Minute);
    case kWeekOf:
      return WordResult(IsoWeekOf(args.Date(0)));
    case kFirstOfMonth:
      return TkxValue::FromDate(FirstOfMonth(args.Date(0)));
    case kFirstOfWeek:
      return TkxValue::FromDate(FirstOfWeek(args.Date(0)));
    case kLastOfMonth:
      return TkxValue::FromDate(LastOfMonth(args.Date(0)));
    case kLastOfWeek:
      return TkxValue::FromDate(LastOfWeek(args.Date(0)));
    case kDateChn:
      return TextResult(DateText(args.Date(0)));
    case kToday:
      return TkxValue::FromDate(DateOf(CurrentDateTime()));
    case kTime: {
      const double now = CurrentDateTime();
      return TkxValue::FromDate(now - DateOf(now));
    }
    case kNow:
      return TkxValue::FromDate(CurrentDateTime());

    case kNull:
      return TkxValue::Null();
    case kUnassigned:
      return TkxValue();
    case kVarIsEmpty:
      return TkxValue::FromBoolean(args.Value(0).IsEmpty());
    case kStr:
      return TextResult(ValueToText(args.Value(0)));
    case kInt:
      return TkxValue::FromInteger(args.Int(0));
    case kTrunc:
      return Int64Result(std::trunc(args.Real(0)));
    case kFloat:
      return TkxValue::FromDouble(args.Real(0));
    case kBool:
      return TkxValue::FromBoolean(args.Bool(0));
    case kHex:
      return TextResult(HexText(args.Int(0), args.Int(1)));
    case kDateTime:
      return TkxValue::FromDate(ValueToDate(args.Value(0)));
    case kNumChn:
      return TextResult(NumText(args.ValueAsReal(0), NumeralStyle::kCapital));
    case kMoneyChn:
      return TextResult(MoneyText(args.ValueAsReal(0)));
    case kUpperNum:
      return TextResult(NumText(args.ValueAsReal(0), NumeralStyle::kOrdinary));

    case kAscii: {
      const std::string text = args.Text(0);
      if (text.empty()) throw EFunctionFailed();
      return TkxValue::FromByte(static_cast<uint8_t>(text[0]));
    }
    case kChar:
      return TextResult(std::string(1, static_cast<char>(args.Int(0) & 0xFF)));
    case kTrim:
      return TextResult(std::string(TrimControlAndBlank(args.Text(0))));
    case kTrimLeft:
      return TextResult(TrimTextLeft(args.Text(0)));
    case kTrimRight:
      return TextResult(TrimTextRight(args.Text(0)));
    case kSubStr:
      return TextResult(CopyBytes(args.Text(0), args.Int(1), args.Int(2)));
    case kLeftSubStr:
      return TextResult(LeftBytes(args.Text(0), args.Int(1)));
    case kRightSubStr:
      return TextResult(RightBytes(args.Text(0), args.Int(1)));
    case kStrPos:
      return TkxValue::FromInteger(TextPos(args.Text(0), args.Text(1)));
    case kLen:
      return TkxValue::FromInteger(static_cast<int32_t>(args.Text(0).size()));
    case kStrInc: {
      const std::string text = ValueToText(args.Value(0));
      const int32_t from = ValueToInteger(args.Value(1));
      const int32_t to = ValueToInteger(args.Value(2));
      const int32_t step = args.Count() > 3 ? args.Int(3) : 1;
      return TextResult(IncrementNumberField(text, from, to, step));
    }
    case kStrRepeat:
      return TextResult(RepeatText(args.Text(0), args.Int(1)));
    case kSameText:
      return TkxValue::FromBoolean(SameTextIgnoringCase(args.Text(0), args.Text(1)));
    case kUpperStr:
      return TextResult(UpperLetters(args.Text(0)));
    case kLowerStr:
      return TextResult(LowerLetters(args.Text(0)));
    case kFormatDateTime:
      return TextResult(FormatDateTime(args.Text(0), args.Date(1)));
    case kFormat:
      return TextResult(FormatText(args.Text(0), FormatArgumentOf(args.At(1))));
    case kIif:
      return args.Bool(0) ? args.Value(1) : args.Value(2);
    case kIncBillNo: {
      const TkxValue& value = args.Value(0);
      if (value.IsNull()) return TextResult("");
      return TextResult(IncrementBillNumber(ValueToText(value)));
    }
    case kRandom:
      if (args.Count() == 0) return TkxValue::FromDouble(RandomReal());
      return TkxValue::FromInteger(RandomBelow(args.Int(0)));

    case kVarArrayOf: {
      if (args.Count() == 0) return TkxValue::Null();
      std::vector<TkxValue> elements;
      for (int i = 0; i < args.Count(); ++i) elements.push_back(args.Value(i));
      return TkxValue::FromArray(std::move(elements));
    }
    case kVarArrayGet: {
      const TkxValue& array = args.Value(0);
      const int32_t index = args.Int(1);
      if (array.Type() != TVarType::Array || index < 0 ||
          index >= static_cast<int64_t>(array.Elements().size()))
        throw EFunctionFailed();
      return array.Elements()[index];
    }
    case kVarArrayCount:
      return TkxValue::FromInteger(args.Value(0).Type() == TVarType::Array ? 1 : 0);

    case kFileExists:
      return TkxValue::FromBoolean(FileExists(args.Text(0)));
    case kExtractFilePath:
      return TextResult(ExtractFilePath(args.Text(0)));
    case kDeleteFile:
      return TkxValue::FromBoolean(DeleteFileAt(args.Text(0)));
    case kFileSize: {
      const std::optional<int64_t> size = FileSizeOf(args.Text(0));
      if (!size) throw EFunctionFailed();
      return TkxValue::FromInt64(*size);
    }
    case kRenameFile:
      return TkxValue::FromBoolean(RenameFileTo(args.Text(0), args.Text(1)));
    case kChangeFileExt:
      return TextResult(ChangeFileExt(args.Text(0), args.Text(1)));
    case kExtractFileName:
      return TextResult(ExtractFileName(args.Text(0)));
    case kCreateDir:
      return TkxValue::FromBoolean(CreateDirAt(args.Text(0)));
    case kDirectoryExists:
      return TkxValue::FromBoolean(DirectoryExists(args.Text(0)));
    case kRemoveDir:
      return TkxValue::FromBoolean(RemoveDirAt(args.Text(0)));
    case kGetCurrentDir:
      return TextResult(CurrentDirectory());
    case kFunctionLibraryVersion:
      return TkxValue::FromByte(1);
  }
  throw EFunctionFailed();
}

}  // namespace

TkxStdFunc::TkxStdFunc() { DefineFunctions(); }

void TkxStdFunc::DefineFunctions() {
  for (const FunctionEntry& entry : kFunctions) {
    TkxFuncDesc& desc = AddFunction(entry.name);
    desc.Id = entry.id;
    desc.MinParams = entry.min_params;
  }
}

bool TkxStdFunc::CallFunction(std::string_view name, const TkxScriptVariants* params, TkxValue& result) {
  result = TkxValue::Null();
  try {
    const TkxFuncDesc* desc = FindFunction(name);
    if (desc == nullptr) return false;
    const Arguments args(params);
    if (args.Count() < desc->MinParams) return false;
    const auto id = static_cast<FuncId>(desc->Id);
    // Label texts may come from anyone's data file: while they are expanded,
    // a call that would change the file system fails and leaves the bracket.
    if (ChangesFiles(id) && !FileChangesAllowed::Current()) return false;
    TkxValue value = Compute(id, args);
    if (value.Type() == TVarType::String && value.StringValue().size() > kMaxTextResult) return false;
    result = std::move(value);
    return true;
  } catch (...) {
    result = TkxValue::Null();
    return false;
  }
}

}  // namespace tagpress
