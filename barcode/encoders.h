#pragma once
// The encoders: each turns the barcode object's text into a bar pattern for
// its symbology family. The barcode object trims the text and rejects
// non-digits for digits-only symbologies before an encoder runs.

#include <string>

#include "barcode/barcode_types.h"

namespace tagpress {

struct EncodeJob {
  TBarcodeType Typ;
  std::string& Text;  // some encoders store a normalised text back
  bool Checksum;
  TCheckSumMethod CheckSumMethod;
  std::string& Pattern;  // empty on entry; the encoder appends
  int Error = bceNone;   // LastError code, 0 when the pattern is complete
};

void EncodeInterleaved2of5(EncodeJob& job);
void EncodeIndustrial2of5(EncodeJob& job);
void EncodeMatrix2of5(EncodeJob& job);
void EncodeCode39(EncodeJob& job);  // both forms, by job.Typ
void EncodeCode93(EncodeJob& job);  // both forms, by job.Typ
void EncodeCodabar(EncodeJob& job);
void EncodeMsi(EncodeJob& job);
void EncodePostNet(EncodeJob& job);
void EncodeCode128(EncodeJob& job);  // Code 128 and EAN-128, A, B and C
void EncodeEan8(EncodeJob& job);
void EncodeEan13(EncodeJob& job);
void EncodeUpcA(EncodeJob& job);
void EncodeUpcE(EncodeJob& job);  // number system 0 and 1, by job.Typ
void EncodeUpcSupplement2(EncodeJob& job);
void EncodeUpcSupplement5(EncodeJob& job);

}  // namespace tagpress
