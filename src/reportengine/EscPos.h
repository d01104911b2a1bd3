#pragma once

#include "PageModel.h"

#include <QByteArray>
#include <QImage>

// Receipt printers that speak ESC/POS take the slip as a picture: the page is painted at the
// print head's 8 dots per millimetre, turned into black and white dots, and sent as raster bands,
// so Chinese text needs no code page of the printer.

// Dots across the print head of a roll: 384 for 58 mm (48 mm printed), 576 for 80 mm (72 mm).
int RollDots(int rollWidthMm);

// The first page of a slip laid out on a roll of that width as a black and white picture
// (QImage::Format_Mono, colour 1 black) exactly RollDots wide: the printable area between the
// page's side margins, painted at 8 dots per millimetre, a dot black where the painted grey is
// darker than a light grey, so that the thin strokes of Chinese characters stay whole.
QImage SlipRaster(const PageModel& model, int rollWidthMm);

// What is sent after the picture.
struct EscPosFinish {
    bool cut = true;          // feed past the cutter and cut (GS V)
    bool openDrawer = false;  // kick the cash drawer on pin 2 (ESC p 0 t1 t2)
};

// The printer's job for a picture: ESC @ (initialise), the picture in bands of at most
// RasterBandRows dot rows (GS v 0), a feed, the cut, the drawer kick when asked.
inline constexpr int RasterBandRows = 256;
QByteArray EscPosJob(const QImage& raster, EscPosFinish finish);
