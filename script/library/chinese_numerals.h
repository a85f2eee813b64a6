#pragma once
// Numbers, money amounts and dates written in Chinese (GBK text), as on
// invoices and cheques: "壹佰零壹", "壹拾贰圆伍角", "二〇二四年一月五日".

#include <string>

namespace tagpress {

enum class NumeralStyle {
  kCapital,   // 壹贰叁 with 仟佰拾: amounts on financial documents
  kOrdinary,  // 一二三 with 千百十
};

// A number in Chinese numerals: the integer part by groups of four digits
// with 亿 and 万, then "点" and one numeral per decimal. Zero gives the empty
// text, 15 gives 拾伍 (no leading one from 10 to 19), negatives get "负".
// Throws EConvertError when the integer part exceeds 2147483647 or the value
// would be written with an exponent (below 0.0001).
std::string NumText(double value, NumeralStyle style);

// A money amount in capital numerals with 圆, 角 and 分, or 整 when it has no
// fen. The sign is ignored. Throws EConvertError from 10^12 on.
std::string MoneyText(double value);

// A date in ordinary numerals: 二〇二四年一月五日. Throws EConvertError for
// a value that is no date.
std::string DateText(double date_time);

}  // namespace tagpress
