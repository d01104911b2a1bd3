#pragma once

#include <QPageLayout>
#include <QSizeF>

struct TXSDPrintSet;

// Page of a report: a paper size code with width and length in millimetres, the orientation and
// four margins. The codes are the ones stored in Set.ini: 8 A3, 9 A4, 10 A4 small, 11 A5, 12 B4,
// 13 B5 and 27 custom (the width and length as given). A code outside this list also takes the
// width and length as given.
struct ReportPageSetup {
    int paperSize = 9;
    double width = 210;
    double length = 297;
    int orientation = 0;  // 0 portrait, 1 landscape
    double topMargin = 10;
    double bottomMargin = 10;
    double leftMargin = 10;
    double rightMargin = 10;

    // Width and length of the paper before the orientation is applied.
    QSizeF paperSizeMm() const;
    // The page as printed: the paper turned when landscape.
    QSizeF pageSizeMm() const;
    // The area inside the margins.
    QSizeF printableSizeMm() const;
    // Whether the printable area can hold a report (at least 20 mm each way).
    bool isUsable() const;
    // The page for a printer or a PDF writer; margins are zero because the page model carries
    // the margins in its positions.
    QPageLayout pageLayout() const;

    static ReportPageSetup fromPrintSet(const TXSDPrintSet& set);
};

inline constexpr int CustomPaperSize = 27;
