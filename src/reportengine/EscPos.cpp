#include "EscPos.h"

#include "PagePainter.h"

#include <QPainter>

namespace {

constexpr double DotsPerMm = 8;
constexpr int DarkestWhite = 160;  // grey levels below this print as a dot

void Append(QByteArray& out, std::initializer_list<int> bytes)
{
    for (const int b : bytes)
        out.append(char(b));
}

}  // namespace

int RollDots(int rollWidthMm)
{
    return rollWidthMm == 58 ? 384 : 576;
}

QImage SlipRaster(const PageModel& model, int rollWidthMm)
{
    const int width = RollDots(rollWidthMm);
    const int height = qMax(1, qRound(model.setup.pageSizeMm().height() * DotsPerMm));
    QImage grey(width, height, QImage::Format_Grayscale8);
    grey.fill(Qt::white);
    if (!model.pages.isEmpty()) {
        QPainter painter(&grey);
        // The printable area is centred on the roll: the page's left margin less what the head
        // cannot reach.
        const double unprinted = (model.setup.pageSizeMm().width() - width / DotsPerMm) / 2;
        painter.translate(-unprinted * DotsPerMm, 0);
        PaintPage(painter, model.pages.first(), DotsPerMm);
    }
    QImage mono(width, height, QImage::Format_Mono);
    mono.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mono.fill(0);
    for (int y = 0; y < height; ++y) {
        const uchar* in = grey.constScanLine(y);
        uchar* out = mono.scanLine(y);
        for (int x = 0; x < width; ++x)
            if (in[x] < DarkestWhite)
                out[x >> 3] |= uchar(0x80 >> (x & 7));
    }
    return mono;
}

QByteArray EscPosJob(const QImage& raster, EscPosFinish finish)
{
    const QImage image = raster.format() == QImage::Format_Mono ? raster : raster.convertToFormat(QImage::Format_Mono);
    const bool oneIsBlack = image.colorCount() < 2 || qGray(image.color(1)) < qGray(image.color(0));
    const int bytesPerRow = (image.width() + 7) / 8;
    QByteArray out;
    out.reserve(16 + bytesPerRow * image.height() + 8 * (image.height() / RasterBandRows + 1));
    Append(out, {0x1B, 0x40});
    for (int top = 0; top < image.height(); top += RasterBandRows) {
        const int rows = qMin(RasterBandRows, image.height() - top);
        Append(out, {0x1D, 0x76, 0x30, 0x00, bytesPerRow & 0xFF, bytesPerRow >> 8, rows & 0xFF, rows >> 8});
        for (int y = top; y < top + rows; ++y) {
            const uchar* line = image.constScanLine(y);
            for (int i = 0; i < bytesPerRow; ++i) {
                uchar b = oneIsBlack ? line[i] : uchar(~line[i]);
                if (i == bytesPerRow - 1 && image.width() % 8)
                    b &= uchar(0xFF << (8 - image.width() % 8));  // no dots past the picture's edge
                out.append(char(b));
            }
        }
    }
    Append(out, {0x1B, 0x64, 4});  // feed four lines
    if (finish.cut)
        Append(out, {0x1D, 0x56, 0x01});  // partial cut
    if (finish.openDrawer)
        Append(out, {0x1B, 0x70, 0x00, 25, 250});  // pin 2: 50 ms on, 500 ms off
    return out;
}
