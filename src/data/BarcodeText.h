#pragma once

#include <QString>
#include <optional>

// The symbols a goods barcode is printed as. A code of 13, 12 or 8 digits is an EAN-13, UPC-A or
// EAN-8 and must end with its check digit; any other code of printable ASCII characters (up to
// MaxBarcodeLength) is a Code 128.
enum class BarcodeKind { Ean13, UpcA, Ean8, Code128 };

inline constexpr int MaxBarcodeLength = 40;

// The symbol of a code, or nothing (with the reason in Chinese in *problem) when the code is
// empty, too long, holds other characters or has a wrong check digit.
std::optional<BarcodeKind> BarcodeKindOf(const QString& code, QString* problem = nullptr);

// "EAN-13", "UPC-A", "EAN-8", "Code 128".
QString BarcodeKindName(BarcodeKind kind);

// The check digit of the digits before it (the GS1 rule of EAN and UPC: weights 3 and 1 from the
// right).
int GtinCheckDigit(const QString& digitsWithoutCheck);
