#pragma once

#include "PageModel.h"

#include <QImage>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

// Paints one page of the model; the painter's device has pixelsPerMm pixels per millimetre and
// its origin at the top left corner of the paper.
void PaintPage(QPainter& painter, const ReportPage& page, double pixelsPerMm);

// Which pages to paint: first..last (numbered from 1; last 0 = to the end), the whole range
// `copies` times over (collated).
struct PageRange {
    int first = 1;
    int last = 0;
    int copies = 1;
};

// Paints the pages of the range onto a paged device (printer, PDF writer) set up for the model's
// page; progress, when given, is told the number of each page before it is painted and may
// answer false to stop. False when the device could not be painted on or painting was stopped.
bool PaintPages(QPagedPaintDevice& device, const PageModel& model,
                const std::function<bool(int page)>& progress = {}, PageRange range = {});

// One page as a white image with the given resolution (for looking at a layout).
QImage RenderPageImage(const PageModel& model, int page, double dotsPerInch = 150);

// Writes the report to a PDF file beside its name and puts it in place when complete (SafeFile).
// False, with the reason in *error, when the file cannot be written: no file is left then.
bool WritePdf(const PageModel& model, const QString& path, QString* error = nullptr);
