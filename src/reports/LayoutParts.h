#pragma once

#include "ReportLayout.h"

#include <QVector>
#include <utility>

// Building blocks shared by the report form descriptions.
namespace LayoutParts {

inline constexpr Qt::Alignment Left = Qt::AlignLeft;
inline constexpr Qt::Alignment Right = Qt::AlignRight;
inline constexpr Qt::Alignment Centre = Qt::AlignHCenter;

LayoutCell Caption(const QString& text, double weight = 0, Qt::Alignment align = Left);
LayoutCell Field(const QString& name, double weight = 0, Qt::Alignment align = Left);
LayoutCell Number(const QString& name, double weight);  // a right-aligned numeric field
LayoutCell Label(const QString& name, double weight = 0, Qt::Alignment align = Left);
LayoutCell Count(double weight = 0);
LayoutCell Blank(double weight);

LayoutLine Line(QVector<LayoutCell> cells, int rules = RuleNone);
// A ruled row of column captions (bold, centred; rules above, below and between the cells).
LayoutLine CaptionRow(QVector<LayoutCell> cells);
// A ruled row of values (rules between the cells and below).
LayoutLine ValueRow(QVector<LayoutCell> cells);

// Title band: the title label centred and bold, then the given lines.
LayoutBand TitleBand(const QString& titleLabel, QVector<LayoutLine> more = {});
// "日期:" with the date label, at the right.
LayoutLine DateLine();
// A caption centred under the title.
LayoutLine SubtitleLine(const QString& caption);

// One column of a list: caption, and under it a field or the row number.
struct Column {
    QString caption;
    LayoutCell cell;
};
// Column header band and detail band of a list.
QVector<LayoutBand> TableBands(const QVector<Column>& columns);

// Summary band: caption and label pairs at the right.
LayoutBand TotalsBand(const QVector<std::pair<QString, QString>>& totals, QVector<LayoutLine> before = {});

// Page footer band: the given lines, then the page number at the right (on the last line
// when the lines are given, on a line of its own otherwise); a rule above.
LayoutBand FooterBand(QVector<LayoutCell> contacts = {}, QVector<LayoutLine> before = {});

// Document line captions and values shared by the document lists.
LayoutLine LineCaptionRow();
LayoutBand LineBand();

}  // namespace LayoutParts
