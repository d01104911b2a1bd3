#include "PagePainter.h"

#include "BarcodeSymbol.h"
#include "ReportFont.h"
#include "SafeFile.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

constexpr double RuleWidthMm = 0.2;

}  // namespace

void PaintPage(QPainter& painter, const ReportPage& page, double pixelsPerMm)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    QPen pen(Qt::black);
    pen.setWidth(qMax(1, qRound(RuleWidthMm * pixelsPerMm)));  // whole pixels: every rule alike
    pen.setCapStyle(Qt::SquareCap);
    painter.setPen(pen);
    for (const PageRule& r : page.rules)
        painter.drawLine(QLineF(r.line.p1() * pixelsPerMm, r.line.p2() * pixelsPerMm));
    for (const PageBarcode& b : page.barcodes)
        DrawBarcode(painter, QRectF(b.rect.topLeft() * pixelsPerMm, b.rect.size() * pixelsPerMm), b.code);

    const QFont regular = ReportFont::font(pixelsPerMm);
    const QFont bold = ReportFont::font(pixelsPerMm, true);
    const QFontMetricsF regularMetrics(regular, painter.device());
    const QFontMetricsF boldMetrics(bold, painter.device());
    QFont current;
    bool fontSet = false;
    for (const PageText& t : page.texts) {
        if (t.text.isEmpty() || t.rect.width() <= 0)
            continue;
        const QRectF box(t.rect.x() * pixelsPerMm, t.rect.y() * pixelsPerMm,
                         t.rect.width() * pixelsPerMm, t.rect.height() * pixelsPerMm);
        const double inset = ReportFont::InsetMm * pixelsPerMm;
        const QRectF inner = box.adjusted(inset, 0, -inset, 0);
        const bool shrunk = t.scale < 1;
        QFont font = shrunk ? ReportFont::font(pixelsPerMm, t.bold, t.scale) : (t.bold ? bold : regular);
        double drawn = (shrunk ? QFontMetricsF(font, painter.device()) : t.bold ? boldMetrics : regularMetrics)
                           .horizontalAdvance(t.text);
        // The layout reckons widths without the installed font; where the font's glyphs are
        // wider than reckoned, the text is drawn smaller rather than cut.
        while (drawn > inner.width() && font.pixelSize() > 1) {
            font.setPixelSize(font.pixelSize() - 1);
            drawn = QFontMetricsF(font, painter.device()).horizontalAdvance(t.text);
        }
        if (!fontSet || font != current) {
            painter.setFont(font);
            current = font;
            fontSet = true;
        }
        const int flags = int(t.align | Qt::AlignVCenter) | Qt::TextSingleLine;
        // Only a text still wider than its cell is clipped: a clip per text would make every
        // text a change of graphics state in the PDF.
        if (drawn <= inner.width()) {
            painter.drawText(inner, flags, t.text);
            continue;
        }
        painter.save();
        painter.setClipRect(box);
        painter.drawText(inner, flags, t.text);
        painter.restore();
    }
    painter.restore();
}

bool PaintPages(QPagedPaintDevice& device, const PageModel& model,
                const std::function<bool(int page)>& progress, PageRange range)
{
    const int first = qMax(1, range.first);
    const int last = range.last > 0 ? qMin(range.last, model.pageCount()) : model.pageCount();
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double pixelsPerMm = device.logicalDpiX() / 25.4;
    bool firstSheet = true;
    for (int copy = 0; copy < qMax(1, range.copies); ++copy)
        for (int p = first; p <= last; ++p) {
            if (progress && !progress(p)) {
                painter.end();
                return false;
            }
            if (!firstSheet && !device.newPage())
                return false;
            firstSheet = false;
            PaintPage(painter, model.pages[p - 1], pixelsPerMm);
        }
    return painter.end();
}

QImage RenderPageImage(const PageModel& model, int page, double dotsPerInch)
{
    const double pixelsPerMm = dotsPerInch / 25.4;
    const QSizeF mm = model.setup.pageSizeMm();
    QImage image(qRound(mm.width() * pixelsPerMm), qRound(mm.height() * pixelsPerMm),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(pixelsPerMm * 1000));
    image.setDotsPerMeterY(qRound(pixelsPerMm * 1000));
    image.fill(Qt::white);
    if (page >= 0 && page < model.pages.size()) {
        QPainter painter(&image);
        PaintPage(painter, model.pages[page], pixelsPerMm);
    }
    return image;
}

bool WritePdf(const PageModel& model, const QString& path, QString* error)
{
    SafeFile file(path);
    if (file.open()) {
        QPdfWriter writer(&file);
        writer.setResolution(600);
        writer.setPageLayout(model.setup.pageLayout());
        writer.setCreator(QStringLiteral("晴岚家电销售管理系统"));
        if (!PaintPages(writer, model))
            file.fail(QStringLiteral("无法生成PDF页面"));
    }
    if (file.commit())
        return true;
    if (error)
        *error = file.errorText();
    return false;
}
