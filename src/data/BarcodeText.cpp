#include "BarcodeText.h"

namespace {

bool AllDigits(const QString& code)
{
    for (const QChar c : code)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

}  // namespace

int GtinCheckDigit(const QString& digitsWithoutCheck)
{
    int sum = 0;
    const int n = int(digitsWithoutCheck.size());
    for (int i = 0; i < n; ++i)
        sum += digitsWithoutCheck[n - 1 - i].digitValue() * (i % 2 == 0 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

QString BarcodeKindName(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::Ean13: return QStringLiteral("EAN-13");
    case BarcodeKind::UpcA: return QStringLiteral("UPC-A");
    case BarcodeKind::Ean8: return QStringLiteral("EAN-8");
    case BarcodeKind::Code128: break;
    }
    return QStringLiteral("Code 128");
}

std::optional<BarcodeKind> BarcodeKindOf(const QString& code, QString* problem)
{
    const auto refuse = [&](const QString& text) -> std::optional<BarcodeKind> {
        if (problem)
            *problem = text;
        return std::nullopt;
    };
    if (code.isEmpty())
        return refuse(QStringLiteral("条码不能为空。"));
    if (code.size() > MaxBarcodeLength)
        return refuse(QStringLiteral("条码“%1”太长，最多%2个字符。").arg(code).arg(MaxBarcodeLength));
    for (const QChar c : code)
        if (c.unicode() < 0x21 || c.unicode() > 0x7E)
            return refuse(QStringLiteral("条码“%1”中有不能用于条码的字符“%2”（只能用数字、英文字母和常用符号）。")
                              .arg(code, QString(c)));
    if (!AllDigits(code) || (code.size() != 13 && code.size() != 12 && code.size() != 8))
        return BarcodeKind::Code128;
    const BarcodeKind kind = code.size() == 13 ? BarcodeKind::Ean13 : code.size() == 12 ? BarcodeKind::UpcA : BarcodeKind::Ean8;
    const int check = GtinCheckDigit(code.left(code.size() - 1));
    if (code.back().digitValue() != check)
        return refuse(QStringLiteral("条码“%1”的校验位不对：%2条码的最后一位应为%3，请核对后重新输入。")
                          .arg(code, BarcodeKindName(kind))
                          .arg(check));
    return kind;
}
