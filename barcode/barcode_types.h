#pragma once
// The symbologies, legend options, check-digit methods and error codes of the
// barcode object, and the public symbology table that the main window lists.

#include <array>
#include <cstdint>
#include <string_view>

namespace tagpress {

// Templates store the member value under BarType. Values above the last
// member can reach the object from a damaged file; they encode as error 101.
enum TBarcodeType : std::uint8_t {
  bcCode_2_5_interleaved,
  bcCode_2_5_industrial,
  bcCode_2_5_matrix,
  bcCode39,
  bcCode39Extended,
  bcCode128A,
  bcCode128B,
  bcCode128C,
  bcCode93,
  bcCode93Extended,
  bcCodeMSI,
  bcCodePostNet,
  bcCodeCodabar,
  bcCodeEAN8,
  bcCodeEAN13,
  bcCodeUPC_A,
  bcCodeUPC_E0,
  bcCodeUPC_E1,
  bcCodeUPC_Supp2,
  bcCodeUPC_Supp5,
  bcCodeEAN128A,
  bcCodeEAN128B,
  bcCodeEAN128C,
};

constexpr int kBarcodeTypeCount = 23;

// The legend drawn with the bars.
enum TBarcodeOption : std::uint8_t { bcoNone, bcoCode, bcoTyp, bcoBoth };

// The check digit that encoders append when Checksum is set.
enum TCheckSumMethod : std::uint8_t { csmNone, csmModulo10 };

// LastError codes.
enum TBarcodeError : int {
  bceNone = 0,
  bceNotDigits = 100,        // a digits-only symbology got another character
  bceUnknownType = 101,      // symbology value outside the table
  bceCode93Character = 102,  // a character Code 93 cannot encode
  bceBadCharacter = 103,     // a character the symbology cannot encode
  bceBadLength = 104,        // wrong data length (EAN-8, EAN-13)
  bceBadElement = 105,       // a pattern code outside the element alphabet
};

struct TBCdata {
  std::string_view Name;
  bool DigitsOnly;
};

// One row per TBarcodeType member, in member order.
inline constexpr std::array<TBCdata, kBarcodeTypeCount> BarcodeTypes = {{
    {"2_5_interleaved", true},   // 0
    {"2_5_industrial", true},    //
    {"2_5_matrix", true},        //
    {"Code39", false},           //
    {"Code39 Extended", false},  //
    {"Code128A", false},         // 5
    {"Code128B", false},         //
    {"Code128C", true},          //
    {"Code93", false},           //
    {"Code93 Extended", false},  //
    {"MSI", true},               // 10
    {"PostNet", true},           //
    {"Codebar", false},          //
    {"EAN8", true},              //
    {"EAN13", true},             //
    {"UPC_A", true},             // 15
    {"UPC_E0", true},            //
    {"UPC_E1", true},            //
    {"UPC Supp2", true},         //
    {"UPC Supp5", true},         //
    {"EAN128A", false},          // 20
    {"EAN128B", false},          //
    {"EAN128C", true},           //
}};

constexpr bool IsKnownBarcodeType(int type) { return type >= 0 && type < kBarcodeTypeCount; }

}  // namespace tagpress
