#pragma once

#include "PageModel.h"
#include "ReportRows.h"
#include "ReportLayout.h"
#include "ReportPageSetup.h"

#include <QHash>
#include <QStringList>
#include <functional>

// One report to print: a layout, the texts of its placeholder labels and memos, and its page.
// layOut() paginates the layout over the data into a page model:
// - the title band once at the top of the first page;
// - the column header band at the top of every page;
// - the detail band once per row of the master dataset, with the running row number (COUNT)
//   continuing across pages, and after it the sub-detail band once per line of that row (a
//   document's header moves to the next page with its first line);
// - the summary band once after the last row;
// - the page footer band at the foot of every page, with the page number (PAGENUMBER).
// A band that does not fit above the page footer moves to the next page; a band too tall for an
// empty page is placed anyway (cut by the page) so that pagination always ends.
class BandedReport {
public:
    explicit BandedReport(ReportLayout layout, ReportPageSetup page = {});

    const ReportLayout& layout() const { return m_layout; }
    const ReportPageSetup& pageSetup() const { return m_page; }
    void setPageSetup(const ReportPageSetup& page) { m_page = page; }

    // Text of a placeholder label; a label never set prints empty.
    void setLabel(const QString& name, const QString& text);
    // Lines of a memo.
    void setMemoLines(const QString& name, const QStringList& lines);

    // step, when given, is called for every row measured and placed (and every document whose
    // lines are read), so that a long report lets its caller's event loop run.
    PageModel layOut(const ReportData& data, const std::function<void()>& step = {}) const;
    // Lays the report out on one page of the set-up's width as long as its bands need (a till
    // roll): the length is the content's with the top and bottom margins.
    PageModel layOutOnRoll(const ReportData& data) const;

    // Whether a page of the set-up holds the first page's fixed bands together: the title, the
    // column header, one row (with one line of a document) and the page footer. A page that
    // does not would have its first row drawn over the footer.
    bool fitsPage() const;

private:
    ReportLayout m_layout;
    ReportPageSetup m_page;
    QHash<QString, QString> m_labels;
    QHash<QString, QStringList> m_memos;

    friend class Paginator;
};
