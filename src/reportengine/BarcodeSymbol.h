#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Draws a code as its barcode symbol, as vectors from libzint: an EAN-13, UPC-A or EAN-8 when the
// code is one (BarcodeKindOf), a Code 128 otherwise, with the quiet zones the symbol needs and
// the human-readable digits under the bars. The symbol is as large as the box (in the painter's
// device pixels) holds, its bars as tall as the box allows, at the top of the box and centred
// across it; a module is a whole number of device pixels wherever the box is at least one pixel
// a module wide, so that every bar of the printout has its exact width. False (nothing drawn)
// when the code cannot be a barcode.
bool DrawBarcode(QPainter& painter, const QRectF& box, const QString& code);
