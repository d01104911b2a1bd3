#include "BandedReport.h"

#include "FieldText.h"
#include "ReportFont.h"

namespace {

constexpr double CellPadding = 1.5;  // millimetres added to a fitted text

}  // namespace

// Walks the data and places the bands page by page.
class Paginator {
public:
    Paginator(const BandedReport& report, const ReportData& data)
        : m_report(report), m_data(data), m_setup(report.m_page)
    {
        const QSizeF page = m_setup.pageSizeMm();
        m_left = m_setup.leftMargin;
        m_width = page.width() - m_setup.leftMargin - m_setup.rightMargin;
        m_footerTop = page.height() - m_setup.bottomMargin - bandHeight(BandKind::PageFooter);
    }

    PageModel run()
    {
        m_model.setup = m_setup;
        startPage(false);
        m_bodyTop = m_y;
        place(BandKind::Title, nullptr, -1);
        emitBand(BandKind::ColumnHeader, nullptr, -1);
        m_bodyTop = m_y;
        const RowSet& master = m_data.master;
        const bool hasLines = bool(m_data.details) && m_report.m_layout.band(BandKind::SubDetail);
        for (int r = 0; r < master.rowCount(); ++r) {
            m_rowNumber = r + 1;
            if (!hasLines) {
                place(BandKind::Detail, &master, r);
                continue;
            }
            // A document's header stays on the page of its first line.
            const RowSet lines = m_data.details(r);
            place(BandKind::Detail, &master, r, lines.isEmpty() ? 0 : bandHeight(BandKind::SubDetail));
            for (int l = 0; l < lines.rowCount(); ++l)
                place(BandKind::SubDetail, &lines, l);
        }
        place(BandKind::Summary, nullptr, -1);
        finishPage();
        return std::move(m_model);
    }

    double firstPageNeed() const
    {
        return bandHeight(BandKind::Title) + bandHeight(BandKind::ColumnHeader) + bandHeight(BandKind::Detail)
            + bandHeight(BandKind::SubDetail) + bandHeight(BandKind::PageFooter);
    }
    double printableHeight() const { return m_footerTop + bandHeight(BandKind::PageFooter) - m_setup.topMargin; }

private:
    const BandedReport& m_report;
    const ReportData& m_data;
    ReportPageSetup m_setup;
    PageModel m_model;
    double m_left = 0;
    double m_width = 0;
    double m_footerTop = 0;
    double m_y = 0;
    double m_bodyTop = 0;
    int m_rowNumber = 0;

    const LayoutBand* band(BandKind kind) const { return m_report.m_layout.band(kind); }

    int memoLineCount(const LayoutLine& line) const
    {
        int n = 1;
        for (const LayoutCell& c : line.cells)
            if (c.kind == CellKind::Memo)
                n = qMax(n, int(m_report.m_memos.value(c.text).size()));
        return n;
    }

    double lineHeight(const LayoutLine& line) const { return line.height * memoLineCount(line); }

    double bandHeight(BandKind kind) const
    {
        const LayoutBand* b = band(kind);
        if (!b)
            return 0;
        double h = b->gapAbove;
        for (const LayoutLine& line : b->lines)
            h += lineHeight(line);
        return h;
    }

    void startPage(bool withColumnHeader)
    {
        m_model.pages.append(ReportPage());
        m_y = m_setup.topMargin;
        if (withColumnHeader)
            emitBand(BandKind::ColumnHeader, nullptr, -1);
        m_bodyTop = m_y;
    }

    void finishPage()
    {
        const double y = m_y;
        m_y = m_footerTop;
        emitBand(BandKind::PageFooter, nullptr, -1);
        m_y = y;
    }

    // Places a band, on the next page when it (with the room asked for what must follow it on
    // the same page) does not fit above the page footer.
    void place(BandKind kind, const RowSet* rows, int row, double keepWithNext = 0)
    {
        if (!band(kind))
            return;
        const double h = bandHeight(kind) + keepWithNext;
        if (m_y + h > m_footerTop + 1e-9 && m_y > m_bodyTop + 1e-9) {
            finishPage();
            startPage(true);
        }
        emitBand(kind, rows, row);
    }

    QString cellText(const LayoutCell& cell, const RowSet* rows, int row) const
    {
        switch (cell.kind) {
        case CellKind::Caption: return cell.text;
        case CellKind::Field: return rows ? FieldText(rows->value(row, cell.text)) : QString();
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

    void emitBand(BandKind kind, const RowSet* rows, int row)
    {
        const LayoutBand* b = band(kind);
        if (!b)
            return;
        m_y += b->gapAbove;
        for (const LayoutLine& line : b->lines)
            emitLine(kind, line, rows, row);
    }

    void emitLine(BandKind kind, const LayoutLine& line, const RowSet* rows, int row)
    {
        ReportPage& page = m_model.pages.last();
        const int n = int(line.cells.size());
        QStringList texts;
        texts.reserve(n);
        double fitted = 0;
        double weights = 0;
        for (const LayoutCell& c : line.cells) {
            texts << cellText(c, rows, row);
            if (c.weight > 0)
                weights += c.weight;
            else if (c.kind != CellKind::Memo)
                fitted += ReportFont::textWidthMm(texts.last()) + CellPadding;
        }
        const double share = weights > 0 ? qMax(0.0, m_width - fitted) / weights : 0;
        const int memoLines = memoLineCount(line);
        const double height = line.height * memoLines;
        const double right = m_left + m_width;

        double x = m_left;
        QVector<double> edges{x};
        for (int i = 0; i < n; ++i) {
            const LayoutCell& c = line.cells[i];
            double w = c.weight > 0 ? c.weight * share
                                    : (c.kind == CellKind::Memo ? m_width : ReportFont::textWidthMm(texts[i]) + CellPadding);
            w = qMax(0.0, qMin(w, right - x));
            if (c.kind == CellKind::Memo) {
                const QStringList memo = m_report.m_memos.value(c.text);
                for (int k = 0; k < memo.size(); ++k)
                    page.texts.append(PageText{QRectF(x, m_y + k * line.height, w, line.height), memo[k], kind,
                                       c.text, c.align, c.bold});
            } else if (c.kind != CellKind::Blank) {
                page.texts.append(PageText{QRectF(x, m_y, w, line.height), texts[i], kind, cellSource(c),
                                   c.align, c.bold});
            }
            x += w;
            edges << x;
        }
        if (line.rules & RuleAbove)
            page.rules.append(PageRule{QLineF(m_left, m_y, x, m_y), kind});
        if (line.rules & RuleBelow)
            page.rules.append(PageRule{QLineF(m_left, m_y + height, x, m_y + height), kind});
        if (line.rules & RuleCells)
            for (double e : edges)
                page.rules.append(PageRule{QLineF(e, m_y, e, m_y + height), kind});
        m_y += height;
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

PageModel BandedReport::layOut(const ReportData& data) const
{
    return Paginator(*this, data).run();
}

bool BandedReport::fitsPage() const
{
    const ReportData none;
    const Paginator p(*this, none);
    return p.firstPageNeed() <= p.printableHeight() + 1e-9;
}
