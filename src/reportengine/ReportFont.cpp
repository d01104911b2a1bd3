#include "ReportFont.h"

namespace ReportFont {

QFont font(double pixelsPerMm, bool bold, double scale)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(qMax(1, qRound(EmMm * pixelsPerMm * scale)));
    f.setBold(bold);
    return f;
}

double textWidthMm(const QString& text)
{
    double ems = 0;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        // CJK ideographs and punctuation, full-width forms, and the signs the Chinese font
        // draws a full em wide (×, ÷, dashes, quotes, ellipsis, ℃, arrows, shapes).
        const bool wide = (u >= 0x2E80 && u <= 0xD7FF) || (u >= 0xF900 && u <= 0xFAFF)
            || (u >= 0xFF00 && u <= 0xFF60) || (u >= 0xFFE0 && u <= 0xFFE6) || u == 0x00D7 || u == 0x00F7
            || (u >= 0x2010 && u <= 0x203F) || (u >= 0x2100 && u <= 0x2BFF);
        if (c.isLowSurrogate())
            continue;
        ems += wide || c.isHighSurrogate() ? 1.0 : 0.6;
    }
    return ems * EmMm;
}

}  // namespace ReportFont
