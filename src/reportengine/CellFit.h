#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// How texts fit their cells. A cell's width is its text's reckoned width plus an inset at each
// side (ReportFont). A text never loses a character to its cell:
// - a figure (an amount, a quantity, a date, a phone number, optionally followed by "元" or "%")
//   stays on one line and is printed smaller when it is too wide, down to ReportFont::MinScale;
//   narrower still, it is broken after a hyphen, slash or blank (between its digits only when a
//   piece is still too wide) at that size;
// - a single word slightly too wide is printed smaller as well;
// - any other text is broken at its line-break opportunities (between Chinese characters, after
//   blanks and hyphens), a word wider than the cell between its characters.
namespace CellFit {

// Width a cell needs to print the text at full size on one line.
double neededWidth(const QString& text);
// The narrowest a cell should be for the text: a figure's full width, at most a few characters
// for a text that may be broken into lines.
double leastWidth(const QString& text);
// The narrowest a cell is before a figure is broken: the figure printed as small as it may be,
// leastWidth for a text.
double shrunkWidth(const QString& text);
// The narrowest a cell may be: a figure's widest piece printed as small as it may be,
// leastWidth for a text.
double smallestWidth(const QString& text);

bool isFigure(const QString& text);

struct FittedText {
    QStringList lines;  // one line at least; the lines' characters are the text's (blanks at a break dropped)
    double scale = 1;
};
FittedText fit(const QString& text, double cellWidth);

// What a cell asks of the width of its line.
struct CellRoom {
    double weight = 0;    // share of the width left after the fitted cells; 0 = fitted to its content
    double content = 0;   // width that prints its text(s) on one line at full size
    double least = 0;     // the narrowest it should be (leastWidth)
    double shrunk = 0;    // the narrowest before a figure is broken (shrunkWidth)
    double smallest = 0;  // the narrowest it may be (smallestWidth)
    bool figures = false;  // holds a figure
    bool texts = false;    // holds a text that is not a figure

    // Widens the room for one more text of the cell; a column's caption does not make it a text.
    void take(const QString& text, bool caption = false);
    bool figure() const { return figures && !texts; }
};

// The widths of the cells of a line `width` wide. Fitted cells take their content; weighted
// cells share the rest by their weights. When a weighted cell's content does not fit its share,
// it takes room from the cells whose share is larger than their content. When there is not
// enough such room, every cell keeps its least width and the rest goes to the cells in
// proportion to what they still lack; narrower still, the figures are printed smaller, then
// broken, and last the texts are broken into shorter lines.
QVector<double> shareWidth(double width, const QVector<CellRoom>& cells);

}  // namespace CellFit
