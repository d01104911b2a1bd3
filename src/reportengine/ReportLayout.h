#pragma once

#include <QString>
#include <QVector>
#include <Qt>

// Declarative description of a banded report: bands of lines, each line a row of cells laid
// across the printable width. The engine resolves the geometry when it lays the report out, so
// one description serves every page size.

enum class BandKind { Title, ColumnHeader, Detail, SubDetail, Summary, PageFooter };

enum class CellKind {
    Caption,     // fixed text
    Field,       // a column of the current row (master row in Detail, line in SubDetail)
    Label,       // a placeholder label whose text the caller sets; prints empty when not set
    Memo,        // several lines set by the caller; the line grows to hold them
    RowNumber,   // the running row number of the main dataset (COUNT)
    PageNumber,  // the number of the page (PAGENUMBER)
    Blank        // room only, prints nothing
};

struct LayoutCell {
    CellKind kind = CellKind::Caption;
    QString text;            // caption text, field name, label or memo name
    double weight = 0;       // share of the width left after the fitted cells; 0 = fit the text
    Qt::Alignment align = Qt::AlignLeft;
    bool bold = false;
    // The cell's text (a caption, field or label) printed as its barcode symbol filling the
    // cell (BarcodeSymbol.h) instead of as text; the line's height is the symbol's.
    bool barcode = false;
};

// Rules drawn around a line. A line ruled between its cells (RuleCells) is a row of a table: the
// table rows of a report with the same weights share their columns, sized over the whole report.
enum LineRule { RuleNone = 0, RuleAbove = 1, RuleBelow = 2, RuleCells = 4 };

// The cells of a line get their weighted shares of the width, but a cell whose text needs more
// takes it from cells with room to spare; a text that still does not fit is printed smaller or on
// more lines (CellFit), the line growing by whole text lines. A line (not a table row) whose
// cells cannot stand side by side goes on as many lines as it needs, a caption kept with the
// cell after it.
struct LayoutLine {
    QVector<LayoutCell> cells;
    int rules = RuleNone;
    double height = 5.5;     // millimetres of one text line; the memo's and wrapped texts' lines multiply it
};

struct LayoutBand {
    BandKind kind = BandKind::Detail;
    QVector<LayoutLine> lines;
    double gapAbove = 0;     // millimetres left empty above the first line
};

struct ReportLayout {
    QString name;            // the form name, e.g. "TBB_CXKCForm"
    QVector<LayoutBand> bands;

    const LayoutBand* band(BandKind kind) const
    {
        for (const LayoutBand& b : bands)
            if (b.kind == kind)
                return &b;
        return nullptr;
    }
};

QString BandName(BandKind kind);
