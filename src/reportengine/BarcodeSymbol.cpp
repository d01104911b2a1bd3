#include "BarcodeSymbol.h"

#include "BarcodeText.h"
#include "ReportFont.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <memory>
#include <zint.h>

namespace {

struct SymbolFree {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using Symbol = std::unique_ptr<zint_symbol, SymbolFree>;

int SymbologyOf(BarcodeKind kind)
{
    switch (kind) {
    case BarcodeKind::Ean13:
    case BarcodeKind::Ean8: return BARCODE_EANX_CHK;
    case BarcodeKind::UpcA: return BARCODE_UPCA_CHK;
    case BarcodeKind::Code128: break;
    }
    return BARCODE_CODE128;
}

// The symbol of the code with bars `height` modules tall, laid out as vectors; nothing when
// libzint refuses the code.
Symbol Encode(BarcodeKind kind, const QByteArray& code, float height)
{
    Symbol symbol(ZBarcode_Create());
    symbol->symbology = SymbologyOf(kind);
    symbol->height = height;
    symbol->show_hrt = 1;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    if (ZBarcode_Encode_and_Buffer_Vector(symbol.get(), reinterpret_cast<const unsigned char*>(code.constData()),
                                          int(code.size()), 0)
        >= ZINT_ERROR)
        return nullptr;
    return symbol;
}

}  // namespace

bool DrawBarcode(QPainter& painter, const QRectF& box, const QString& code)
{
    const std::optional<BarcodeKind> kind = BarcodeKindOf(code);
    if (!kind || box.width() <= 0 || box.height() <= 0)
        return false;
    const QByteArray ascii = code.toLatin1();
    // Two trial symbols tell how much one module of bar height adds to the symbol; the bars are
    // then made as tall as the box's shape allows.
    constexpr float Low = 10, High = 20;
    const Symbol low = Encode(*kind, ascii, Low);
    const Symbol high = Encode(*kind, ascii, High);
    if (!low || !high)
        return false;
    const double perModule = (high->vector->height - low->vector->height) / (High - Low);
    const double wanted = box.height() / box.width() * low->vector->width;
    const float height = perModule > 0 ? float(qMax(5.0, Low + (wanted - low->vector->height) / perModule)) : Low;
    const Symbol symbol = Encode(*kind, ascii, height);
    if (!symbol)
        return false;
    const zint_vector* v = symbol->vector;

    // The units of the vectors are a module each way (the X-dimension); one unit becomes a whole
    // number of device pixels where there is room for that.
    double scale = qMin(box.width() / v->width, box.height() / v->height);
    if (scale >= 1)
        scale = std::floor(scale);
    const QPointF origin(std::round(box.left() + (box.width() - v->width * scale) / 2), std::round(box.top()));

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const zint_vector_rect* r = v->rectangles; r; r = r->next)
        painter.fillRect(QRectF(origin.x() + r->x * scale, origin.y() + r->y * scale, r->width * scale,
                                r->height * scale),
                         r->colour == 8 ? Qt::white : Qt::black);
    painter.setPen(Qt::black);
    for (const zint_vector_string* s = v->strings; s; s = s->next) {
        QFont font = ReportFont::font(1);
        font.setPixelSize(qMax(1, int(std::lround(s->fsize * scale))));
        painter.setFont(font);
        const QString text = QString::fromLatin1(reinterpret_cast<const char*>(s->text), s->length);
        const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text);
        const double x = origin.x() + s->x * scale;
        const double left = s->halign == 1 ? x : s->halign == 2 ? x - width : x - width / 2;
        painter.drawText(QPointF(left, origin.y() + s->y * scale), text);
    }
    painter.restore();
    return true;
}
