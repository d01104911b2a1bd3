#include "CellFit.h"

#include "ReportFont.h"

#include <QTextBoundaryFinder>

namespace CellFit {

namespace {

constexpr double Padding = 2 * ReportFont::InsetMm;
// A text that may be broken into lines keeps at least four Chinese characters a line.
constexpr double LeastTextWidth = 4 * ReportFont::EmMm + Padding;
// A text that may be broken into lines is rather printed a little smaller when that is enough.
constexpr double ShrinkRatherThanBreak = 0.85;
constexpr double Tolerance = 1e-6;

double Width(const QString& text)
{
    return ReportFont::textWidthMm(text);
}

QString TrimEnd(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

// The text's pieces between its line-break opportunities.
QStringList Pieces(const QString& text)
{
    QStringList pieces;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    while (finder.toNextBoundary() > 0) {
        const qsizetype at = finder.position();
        if (at > start)
            pieces << text.mid(start, at - start);
        start = at;
    }
    if (start < text.size())
        pieces << text.mid(start);
    return pieces;
}

// A figure's pieces: it may be broken after a hyphen, a slash or a blank.
QStringList FigurePieces(const QString& text)
{
    QStringList pieces{QString()};
    for (const QChar c : text) {
        pieces.last() += c;
        if (c == u'-' || c == u'/' || c == u' ')
            pieces << QString();
    }
    if (pieces.last().isEmpty())
        pieces.removeLast();
    return pieces;
}

// Characters, a surrogate pair kept together.
QStringList Characters(const QString& text)
{
    QStringList chars;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        chars << text.mid(i, n);
        i += n - 1;
    }
    return chars;
}

// Greedy lines of at most `room` millimetres; a piece wider than a line is broken between its
// characters. Blanks at the end of a line are dropped.
QStringList BreakLines(const QStringList& pieces, double room)
{
    QStringList lines;
    QString current;
    auto flush = [&] {
        if (!current.trimmed().isEmpty())
            lines << TrimEnd(current);
        current.clear();
    };
    auto fits = [room](const QString& s) { return Width(TrimEnd(s)) <= room + Tolerance; };
    for (const QString& piece : pieces) {
        if (fits(current + piece)) {
            current += piece;
            continue;
        }
        flush();
        if (fits(piece)) {
            current = piece;
            continue;
        }
        for (const QString& c : Characters(piece)) {
            if (!current.isEmpty() && !fits(current + c))
                flush();
            current += c;
        }
    }
    flush();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

}  // namespace

double neededWidth(const QString& text)
{
    return Width(text) + Padding;
}

bool isFigure(const QString& text)
{
    static const QString allowed = QStringLiteral("0123456789 +-.,:/()%");
    QString body = text.trimmed();
    if (body.endsWith(u'元'))
        body.chop(1);
    bool digit = false;
    for (const QChar c : body) {
        if (!allowed.contains(c))
            return false;
        digit = digit || c.isDigit();
    }
    return digit;
}

double leastWidth(const QString& text)
{
    const double needed = neededWidth(text);
    return isFigure(text) ? needed : qMin(needed, LeastTextWidth);
}

// Width of a figure's widest piece (FigurePieces), blanks at a break left out.
double WidestFigurePiece(const QString& text)
{
    double widest = 0;
    double piece = 0;
    for (const QChar c : text) {
        if (c != u' ')  // a figure's characters: ASCII and "元"
            piece += (c.unicode() < 0x80 ? 0.6 : 1.0) * ReportFont::EmMm;
        widest = qMax(widest, piece);
        if (c == u'-' || c == u'/' || c == u' ')
            piece = 0;
    }
    return widest;
}

double shrunkWidth(const QString& text)
{
    return isFigure(text) ? Width(text) * ReportFont::MinScale + Padding : leastWidth(text);
}

double smallestWidth(const QString& text)
{
    return isFigure(text) ? WidestFigurePiece(text) * ReportFont::MinScale + Padding : leastWidth(text);
}

void CellRoom::take(const QString& text, bool caption)
{
    const double width = Width(text);
    const bool isFig = isFigure(text);
    const double needed = width + Padding;
    content = qMax(content, needed);
    least = qMax(least, isFig ? needed : qMin(needed, LeastTextWidth));
    shrunk = qMax(shrunk, isFig ? width * ReportFont::MinScale + Padding : qMin(needed, LeastTextWidth));
    smallest = qMax(smallest, isFig ? WidestFigurePiece(text) * ReportFont::MinScale + Padding
                                    : qMin(needed, LeastTextWidth));
    if (!caption && !text.isEmpty())
        (isFig ? figures : texts) = true;
}

FittedText fit(const QString& text, double cellWidth)
{
    const double room = qMax(cellWidth - Padding, Tolerance);
    const double width = Width(text);
    if (width <= room + Tolerance)
        return {{text}, 1};
    const double scale = room / width;
    if (isFigure(text)) {
        if (scale >= ReportFont::MinScale)
            return {{text}, scale};
        return {BreakLines(FigurePieces(text), room / ReportFont::MinScale), ReportFont::MinScale};
    }
    const QStringList pieces = Pieces(text);
    if (scale >= (pieces.size() > 1 ? ShrinkRatherThanBreak : ReportFont::MinScale))
        return {{text}, scale};
    return {BreakLines(pieces, room), 1};
}

QVector<double> shareWidth(double width, const QVector<CellRoom>& cells)
{
    double fitted = 0, weights = 0;
    for (const CellRoom& c : cells) {
        if (c.weight > 0)
            weights += c.weight;
        else
            fitted += c.content;
    }
    const double share = weights > 0 ? qMax(0.0, width - fitted) / weights : 0;
    QVector<double> base;
    double contents = 0, slack = 0, leasts = 0, shrunks = 0, smallests = 0, figures = 0, texts = 0;
    bool allFit = fitted <= width + Tolerance;
    for (const CellRoom& c : cells) {
        base << (c.weight > 0 ? c.weight * share : c.content);
        contents += c.content;
        leasts += c.least;
        shrunks += c.shrunk;
        smallests += c.smallest;
        (c.figure() ? figures : texts) += c.smallest;
        slack += qMax(0.0, base.last() - c.content);
        allFit = allFit && c.content <= base.last() + Tolerance;
    }
    if (allFit)
        return base;

    // From `from` towards `to` for each cell, sharing what is left of the width in proportion to
    // the distance.
    auto between = [&](auto from, auto to, double total, double distance) {
        QVector<double> widths;
        for (const CellRoom& c : cells)
            widths << from(c) + (distance > 0 ? (to(c) - from(c)) * (width - total) / distance : 0);
        return widths;
    };
    if (contents <= width + Tolerance) {
        // Everyone prints at full size; what is left goes where it was before.
        QVector<double> widths;
        for (int i = 0; i < cells.size(); ++i) {
            const double spare = qMax(0.0, base[i] - cells[i].content);
            widths << cells[i].content + (slack > 0 ? spare * (width - contents) / slack : 0);
        }
        return widths;
    }
    auto content = [](const CellRoom& c) { return c.content; };
    auto least = [](const CellRoom& c) { return c.least; };
    auto shrunk = [](const CellRoom& c) { return c.shrunk; };
    auto smallest = [](const CellRoom& c) { return c.smallest; };
    if (leasts <= width + Tolerance)
        return between(least, content, leasts, contents - leasts);
    if (shrunks <= width + Tolerance)
        return between(shrunk, least, shrunks, leasts - shrunks);
    if (smallests <= width + Tolerance)
        return between(smallest, shrunk, smallests, shrunks - smallests);
    // The figures as small as they may be, the texts share the rest.
    QVector<double> widths;
    const double rest = width - figures;
    const bool textsSqueezed = texts > 0 && rest > 0;
    for (const CellRoom& c : cells)
        widths << (textsSqueezed ? (c.figure() ? c.smallest : c.smallest * rest / texts)
                                 : c.smallest * width / smallests);
    return widths;
}

}  // namespace CellFit
