#pragma once

#include "ReportLayout.h"
#include "ReportPageSetup.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector>

// A laid-out report: pages of positioned texts and rules, in millimetres from the top left
// corner of the page. Painting (screen, printer, PDF) and the tests work on this model.

struct PageText {
    QRectF rect;
    QString text;
    BandKind band = BandKind::Detail;
    QString source;          // field, label or memo name, "COUNT", "PAGENUMBER"; empty for captions
    Qt::Alignment align = Qt::AlignLeft;
    bool bold = false;
    double scale = 1;        // the report font shrunk so that the text fits its cell
};

// A code printed as its barcode symbol in the rectangle (BarcodeSymbol.h).
struct PageBarcode {
    QRectF rect;
    QString code;
    BandKind band = BandKind::Detail;
    QString source;          // field or label name; empty for captions
};

struct PageRule {
    QLineF line;
    BandKind band = BandKind::Detail;
};

struct ReportPage {
    QVector<PageText> texts;
    QVector<PageRule> rules;
    QVector<PageBarcode> barcodes;
};

struct PageModel {
    ReportPageSetup setup;
    QVector<ReportPage> pages;

    int pageCount() const { return int(pages.size()); }
};

// How far down the page its texts, rules and barcodes reach, in millimetres (0 for an empty page).
double ContentBottom(const ReportPage& page);

// Plain-text rendering, page by page: every text with its band, position, size when shrunk
// ("@0.85") and source, every barcode with its band, rectangle, source and code, and per
// band the number of rules. Kept as golden files by the tests so that a layout change reads as a
// diff.
QString DescribePages(const PageModel& model);
