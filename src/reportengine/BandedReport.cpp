#include "BandedReport.h"

#include "CellFit.h"
#include "FieldText.h"

#include <algorithm>
#include <numeric>

namespace {

constexpr double Epsilon = 1e-9;
// A line whose cells cannot all have this share of the width moves some of them to a further line.
constexpr double FlowShare = 0.4;

// A band laid out for one row: texts and rules placed from the band's top.
struct LaidBand {
    QVector<PageText> texts;
    QVector<PageRule> rules;
    QVector<PageBarcode> barcodes;
    double height = 0;
};

// The columns of the ruled table rows (RuleCells) that have the same weights.
struct Table {
    QVector<double> weights;
    QVector<CellFit::CellRoom> rooms;
    QVector<double> widths;
};

QVector<double> Weights(const LayoutLine& line)
{
    QVector<double> w;
    for (const LayoutCell& c : line.cells)
        w << c.weight;
    return w;
}

void Translate(LaidBand& band, double dy)
{
    for (PageText& t : band.texts)
        t.rect.translate(0, dy);
    for (PageRule& r : band.rules)
        r.line.translate(0, dy);
    for (PageBarcode& b : band.barcodes)
        b.rect.translate(0, dy);
}

// The rectangles a band may not be cut through: its texts and barcodes.
QVector<QRectF> Uncut(const LaidBand& band)
{
    QVector<QRectF> rects;
    for (const PageText& t : band.texts)
        rects << t.rect;
    for (const PageBarcode& b : band.barcodes)
        rects << b.rect;
    return rects;
}

// The lowest height at most `room` where the band may be cut without cutting a text line or a
// barcode: the top or bottom of one that no other straddles. 0 when not even its first line fits.
double CutHeight(const LaidBand& band, double room)
{
    double best = 0;
    const QVector<QRectF> uncut = Uncut(band);
    for (const QRectF& t : uncut)
        for (const double at : {t.top(), t.bottom()}) {
            if (at <= best || at > room + Epsilon)
                continue;
            const bool straddled = std::any_of(uncut.begin(), uncut.end(), [at](const QRectF& o) {
                return o.top() < at - Epsilon && o.bottom() > at + Epsilon;
            });
            if (!straddled)
                best = at;
        }
    return best;
}

// Moves the texts or barcodes below the cut to `rest`, moved up to start at 0.
template <typename Item>
void CutItems(QVector<Item>& items, QVector<Item>& rest, double cut)
{
    QVector<Item> kept;
    for (const Item& item : std::as_const(items)) {
        if (item.rect.bottom() <= cut + Epsilon) {
            kept << item;
        } else {
            rest << item;
            rest.last().rect.translate(0, -cut);
        }
    }
    items = kept;
}

// Cuts a band at height `cut`: the band keeps what lies above, the rest is returned moved up to
// start at 0. The cell rules crossing the cut are cut too, and both parts are closed by a rule
// along the cut below (above) those cells.
LaidBand CutBand(LaidBand& band, double cut)
{
    LaidBand rest;
    rest.height = band.height - cut;
    band.height = cut;
    CutItems(band.texts, rest.texts, cut);
    CutItems(band.barcodes, rest.barcodes, cut);
    QVector<PageRule> keptRules;
    double crossLeft = 1e9, crossRight = -1e9;
    BandKind crossKind = BandKind::Detail;
    for (PageRule r : std::as_const(band.rules)) {
        const double top = qMin(r.line.y1(), r.line.y2());
        const double bottom = qMax(r.line.y1(), r.line.y2());
        if (bottom <= cut + Epsilon) {
            keptRules << r;
        } else if (top >= cut - Epsilon) {
            r.line.translate(0, -cut);
            rest.rules << r;
        } else {
            keptRules << PageRule{QLineF(r.line.x1(), top, r.line.x2(), cut), r.band};
            rest.rules << PageRule{QLineF(r.line.x1(), 0, r.line.x2(), bottom - cut), r.band};
            crossLeft = qMin(crossLeft, r.line.x1());
            crossRight = qMax(crossRight, r.line.x1());
            crossKind = r.band;
        }
    }
    if (crossLeft < crossRight) {
        keptRules << PageRule{QLineF(crossLeft, cut, crossRight, cut), crossKind};
        rest.rules << PageRule{QLineF(crossLeft, 0, crossRight, 0), crossKind};
    }
    band.rules = keptRules;
    return rest;
}

}  // namespace

// Walks the data and places the bands page by page.
class Paginator {
public:
    Paginator(const BandedReport& report, const ReportData& data, const std::function<void()>& step = {})
        : m_report(report), m_data(data), m_setup(report.m_page), m_step(step)
    {
        const QSizeF page = m_setup.pageSizeMm();
        m_left = m_setup.leftMargin;
        m_width = page.width() - m_setup.leftMargin - m_setup.rightMargin;
        m_pageBottom = page.height() - m_setup.bottomMargin;
        m_hasLines = bool(m_data.details) && band(BandKind::SubDetail);
        measureTables();
    }

    PageModel run()
    {
        m_model.setup = m_setup;
        startPage(false);
        place(BandKind::Title, nullptr, -1);
        emitBand(layBand(BandKind::ColumnHeader, nullptr, -1));
        m_bodyTop = m_y;
        const RowSet& master = m_data.master;
        for (int r = 0; r < master.rowCount(); ++r) {
            step();
            m_rowNumber = r + 1;
            if (!m_hasLines) {
                place(BandKind::Detail, &master, r);
                continue;
            }
            // A document's header stays on the page of its first line.
            const RowSet lines = m_data.details(r);
            place(BandKind::Detail, &master, r,
                  lines.isEmpty() ? 0 : layBand(BandKind::SubDetail, &lines, 0).height);
            for (int l = 0; l < lines.rowCount(); ++l)
                place(BandKind::SubDetail, &lines, l);
        }
        place(BandKind::Summary, nullptr, -1);
        finishPage();
        return std::move(m_model);
    }

    double firstPageNeed() const
    {
        double need = 0;
        for (BandKind kind : {BandKind::Title, BandKind::ColumnHeader, BandKind::Detail, BandKind::SubDetail,
                              BandKind::PageFooter})
            need += layBand(kind, nullptr, -1).height;
        return need;
    }
    double printableHeight() const { return m_pageBottom - m_setup.topMargin; }

private:
    const BandedReport& m_report;
    const ReportData& m_data;
    ReportPageSetup m_setup;
    std::function<void()> m_step;
    PageModel m_model;
    bool m_hasLines = false;
    QVector<Table> m_tables;
    QHash<const LayoutLine*, int> m_tableOf;  // the table of each ruled row of the layout
    // The texts of the master rows' fields in table columns, by field, as measured.
    QHash<QString, QStringList> m_fieldTexts;
    double m_left = 0;
    double m_width = 0;
    double m_pageBottom = 0;
    double m_footerTop = 0;
    LaidBand m_footer;
    double m_y = 0;
    double m_bodyTop = 0;
    int m_rowNumber = 0;

    const LayoutBand* band(BandKind kind) const { return m_report.m_layout.band(kind); }

    void step() const
    {
        if (m_step)
            m_step();
    }

    const Table* table(const LayoutLine& line) const
    {
        const int t = m_tableOf.value(&line, -1);
        return t < 0 ? nullptr : &m_tables[t];
    }

    // Widens a table column for the texts its cell prints over the whole report; the lines of
    // the documents are measured by measureLines.
    void measureCell(BandKind kind, const LayoutCell& cell, CellFit::CellRoom& room)
    {
        if (cell.barcode)
            return;  // a symbol takes the cell's share, whatever its code
        switch (cell.kind) {
        case CellKind::Field:
            if (kind == BandKind::Detail) {
                QStringList& column = m_fieldTexts[cell.text];
                if (column.isEmpty())
                    for (int r = 0; r < m_data.master.rowCount(); ++r)
                        column << FieldText(m_data.master.value(r, cell.text));
                for (const QString& text : column) {
                    step();
                    room.take(text);
                }
            }
            break;
        case CellKind::RowNumber: room.take(QString::number(qMax(1, m_data.master.rowCount()))); break;
        case CellKind::Memo:
        case CellKind::Blank: break;
        default: room.take(cellText(cell, nullptr, -1), cell.kind == CellKind::Caption);
        }
    }

    // Widens the table columns of the sub-detail rows for every line of every document, the
    // lines of one document read at a time.
    void measureLines(const QVector<std::pair<const LayoutLine*, Table*>>& rows)
    {
        for (int r = 0; r < m_data.master.rowCount(); ++r) {
            step();
            const RowSet lines = m_data.details(r);
            for (const auto& [line, table] : rows)
                for (int i = 0; i < line->cells.size(); ++i)
                    if (line->cells[i].kind == CellKind::Field)
                        for (int l = 0; l < lines.rowCount(); ++l)
                            table->rooms[i].take(FieldText(lines.value(l, line->cells[i].text)));
        }
    }

    // The ruled table rows with the same weights share their columns, sized once for the whole
    // report so that the captions and every row line up.
    void measureTables()
    {
        QVector<std::pair<const LayoutLine*, int>> lineRows;
        for (const LayoutBand& b : m_report.m_layout.bands)
            for (const LayoutLine& line : b.lines) {
                if (!(line.rules & RuleCells))
                    continue;
                const QVector<double> weights = Weights(line);
                auto it = std::find_if(m_tables.begin(), m_tables.end(),
                                       [&](const Table& t) { return t.weights == weights; });
                if (it == m_tables.end()) {
                    Table t{weights, QVector<CellFit::CellRoom>(weights.size()), {}};
                    for (int i = 0; i < weights.size(); ++i)
                        t.rooms[i].weight = weights[i];
                    m_tables << t;
                    it = m_tables.end() - 1;
                }
                const int index = int(it - m_tables.begin());
                m_tableOf.insert(&line, index);
                if (b.kind == BandKind::SubDetail)
                    lineRows.append({&line, index});
                for (int i = 0; i < line.cells.size(); ++i)
                    measureCell(b.kind, line.cells[i], it->rooms[i]);
            }
        if (m_hasLines && !lineRows.isEmpty()) {
            QVector<std::pair<const LayoutLine*, Table*>> rows;
            for (const auto& [line, index] : lineRows)
                rows.append({line, &m_tables[index]});
            measureLines(rows);
        }
        for (Table& t : m_tables)
            t.widths = CellFit::shareWidth(m_width, t.rooms);
    }

    void startPage(bool withColumnHeader)
    {
        m_model.pages.append(ReportPage());
        m_y = m_setup.topMargin;
        m_footer = layBand(BandKind::PageFooter, nullptr, -1);
        m_footerTop = m_pageBottom - m_footer.height;
        if (withColumnHeader)
            emitBand(layBand(BandKind::ColumnHeader, nullptr, -1));
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        const double y = m_y;
        m_y = m_footerTop;
        emitBand(m_footer);
        m_y = y;
    }

    // Places a band, on the next page when it (with the room asked for what must follow it on
    // the same page) does not fit above the page footer. A band taller than a whole page goes on
    // over as many pages as it needs, cut between its text lines.
    void place(BandKind kind, const RowSet* rows, int row, double keepWithNext = 0)
    {
        if (!band(kind))
            return;
        LaidBand laid = layBand(kind, rows, row);
        if (m_y + laid.height + keepWithNext > m_footerTop + Epsilon && m_y > m_bodyTop + Epsilon) {
            finishPage();
            startPage(true);
        }
        while (m_y + laid.height > m_footerTop + Epsilon) {
            const double cut = CutHeight(laid, m_footerTop - m_y);
            if (cut <= Epsilon)
                break;  // not one line fits between the page's header and footer
            LaidBand rest = CutBand(laid, cut);
            emitBand(laid);
            finishPage();
            startPage(true);
            laid = std::move(rest);
        }
        emitBand(laid);
    }

    QString cellText(const LayoutCell& cell, const RowSet* rows, int row) const
    {
        switch (cell.kind) {
        case CellKind::Caption: return cell.text;
        case CellKind::Field: {
            if (!rows)
                return {};
            if (rows == &m_data.master)
                if (const auto column = m_fieldTexts.constFind(cell.text); column != m_fieldTexts.cend())
                    return column->at(row);
            return FieldText(rows->value(row, cell.text));
        }
        case CellKind::Label: return m_report.m_labels.value(cell.text);
        case CellKind::RowNumber: return QString::number(m_rowNumber);
        case CellKind::PageNumber: return QString::number(m_model.pageCount());
        case CellKind::Memo:
        case CellKind::Blank: return {};
        }
        return {};
    }

    static QString cellSource(const LayoutCell& cell)
    {
        switch (cell.kind) {
        case CellKind::RowNumber: return QStringLiteral("COUNT");
        case CellKind::PageNumber: return QStringLiteral("PAGENUMBER");
        case CellKind::Caption:
        case CellKind::Blank: return {};
        default: return cell.text;
        }
    }

    void emitBand(const LaidBand& laid)
    {
        ReportPage& page = m_model.pages.last();
        LaidBand placed = laid;
        Translate(placed, m_y);
        page.texts += placed.texts;
        page.rules += placed.rules;
        page.barcodes += placed.barcodes;
        m_y += laid.height;
    }

    LaidBand layBand(BandKind kind, const RowSet* rows, int row) const
    {
        LaidBand laid;
        const LayoutBand* b = band(kind);
        if (!b)
            return laid;
        laid.height = b->gapAbove;
        for (const LayoutLine& line : b->lines)
            layLine(laid, kind, line, rows, row);
        return laid;
    }

    CellFit::CellRoom room(const LayoutCell& cell, const QString& text) const
    {
        CellFit::CellRoom r;
        r.weight = cell.kind == CellKind::Memo && cell.weight <= 0 ? 1 : cell.weight;
        if (cell.kind != CellKind::Memo && cell.kind != CellKind::Blank && !cell.barcode)
            r.take(text);
        return r;
    }

    // The least room of a cell when deciding whether its line must flow onto further lines: a
    // text that may be broken keeps a good part of the width.
    double flowLeast(const CellFit::CellRoom& r) const
    {
        return qMax(r.least, qMin(r.content, FlowShare * m_width));
    }

    // Lays out one line of a band. A ruled table row takes its table's columns. Any other line
    // whose cells do not fit side by side flows: its cells, a caption kept with the cell after
    // it, go onto as many lines as they need, each starting with the line's leading blank.
    void layLine(LaidBand& laid, BandKind kind, const LayoutLine& line, const RowSet* rows, int row) const
    {
        const int n = int(line.cells.size());
        QStringList texts;
        for (const LayoutCell& c : line.cells)
            texts << cellText(c, rows, row);
        QVector<int> all(n);
        std::iota(all.begin(), all.end(), 0);
        if (const Table* t = table(line)) {
            layCells(laid, kind, line, texts, all, t->widths, line.rules);
            return;
        }

        QVector<CellFit::CellRoom> rooms;
        double least = 0;
        for (int i = 0; i < n; ++i) {
            rooms << room(line.cells[i], texts[i]);
            least += flowLeast(rooms.last());
        }
        QVector<QVector<int>> flowed;
        if (least <= m_width + Epsilon) {
            flowed << all;
        } else {
            const bool leadingBlank = n > 1 && line.cells[0].kind == CellKind::Blank;
            QVector<int> current;
            double used = 0;
            for (int i = leadingBlank ? 1 : 0; i < n;) {
                QVector<int> group{i};
                if (line.cells[i].kind == CellKind::Caption && i + 1 < n
                    && line.cells[i + 1].kind != CellKind::Caption && line.cells[i + 1].kind != CellKind::Blank)
                    group << i + 1;
                i += int(group.size());
                double need = 0;
                for (int g : group)
                    need += flowLeast(rooms[g]);
                if (!current.isEmpty() && used + need > m_width + Epsilon) {
                    flowed << current;
                    current.clear();
                    used = 0;
                }
                if (current.isEmpty() && leadingBlank)
                    current << 0;
                current << group;
                used += need;
            }
            flowed << current;
        }
        for (int k = 0; k < flowed.size(); ++k) {
            QVector<CellFit::CellRoom> part;
            for (int i : flowed[k])
                part << rooms[i];
            int rules = line.rules & RuleCells;
            if (k == 0)
                rules |= line.rules & RuleAbove;
            if (k + 1 == flowed.size())
                rules |= line.rules & RuleBelow;
            layCells(laid, kind, line, texts, flowed[k], CellFit::shareWidth(m_width, part), rules);
        }
    }

    // Places the given cells of a line side by side with the given widths, each text fitted to
    // its cell; the line grows by whole text lines to hold the longest cell.
    void layCells(LaidBand& laid, BandKind kind, const LayoutLine& line, const QStringList& texts,
                  const QVector<int>& cells, const QVector<double>& widths, int rules) const
    {
        const double top = laid.height;
        const double right = m_left + m_width;
        double x = m_left;
        QVector<double> edges{x};
        int textLines = 1;
        for (int k = 0; k < cells.size(); ++k) {
            const LayoutCell& c = line.cells[cells[k]];
            const double w = qMax(0.0, qMin(widths[k], right - x));
            QVector<CellFit::FittedText> fitted;
            if (c.barcode) {
                if (!texts[cells[k]].isEmpty())
                    laid.barcodes.append(PageBarcode{QRectF(x, top, w, line.height), texts[cells[k]], kind, cellSource(c)});
            } else if (c.kind == CellKind::Memo) {
                for (const QString& memoLine : m_report.m_memos.value(c.text))
                    fitted << CellFit::fit(memoLine, w);
            } else if (c.kind != CellKind::Blank) {
                fitted << CellFit::fit(texts[cells[k]], w);
            }
            int at = 0;
            for (const CellFit::FittedText& f : fitted)
                for (const QString& text : f.lines) {
                    laid.texts.append(PageText{QRectF(x, top + at * line.height, w, line.height), text, kind,
                                               cellSource(c), c.align, c.bold, f.scale});
                    ++at;
                }
            textLines = qMax(textLines, at);
            x += w;
            edges << x;
        }
        const double height = line.height * textLines;
        if (rules & RuleAbove)
            laid.rules.append(PageRule{QLineF(m_left, top, x, top), kind});
        if (rules & RuleBelow)
            laid.rules.append(PageRule{QLineF(m_left, top + height, x, top + height), kind});
        if (rules & RuleCells)
            for (double e : edges)
                laid.rules.append(PageRule{QLineF(e, top, e, top + height), kind});
        laid.height += height;
    }
};

BandedReport::BandedReport(ReportLayout layout, ReportPageSetup page)
    : m_layout(std::move(layout)), m_page(page)
{
}

void BandedReport::setLabel(const QString& name, const QString& text)
{
    m_labels.insert(name, text);
}

void BandedReport::setMemoLines(const QString& name, const QStringList& lines)
{
    m_memos.insert(name, lines);
}

PageModel BandedReport::layOut(const ReportData& data, const std::function<void()>& step) const
{
    return Paginator(*this, data, step).run();
}

PageModel BandedReport::layOutOnRoll(const ReportData& data) const
{
    constexpr double Unrolled = 100000;  // millimetres, more than any slip needs
    BandedReport roll = *this;
    roll.m_page.paperSize = CustomPaperSize;
    roll.m_page.orientation = 0;
    roll.m_page.length = Unrolled;
    const PageModel unrolled = roll.layOut(data);
    double bottom = roll.m_page.topMargin;
    for (const ReportPage& page : unrolled.pages)
        bottom = qMax(bottom, ContentBottom(page));
    roll.m_page.length = bottom + roll.m_page.bottomMargin;
    return roll.layOut(data);
}

bool BandedReport::fitsPage() const
{
    const ReportData none;
    const Paginator p(*this, none);
    return p.firstPageNeed() <= p.printableHeight() + 1e-9;
}
