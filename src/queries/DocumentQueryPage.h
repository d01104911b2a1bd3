#pragma once

#include "GridColumns.h"
#include "Records.h"
#include "ReportRows.h"
#include "PrintReport.h"

#include <QWidget>
#include <functional>

struct AppContext;
class Database;
class DateRangePresets;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class StringGrid;

// What a document query page lists and does: the sales query and the purchase query differ only
// in these.
struct DocumentBook {
    QString word;  // "销售", "采购": the kind 2 documents are its "退货" documents
    QVector<GridColumn> listColumns;
    // Runs off the window's thread on a connection of its own (RunInBackground).
    std::function<RowSet(Database& db, DanKind kind, const QString& filter, const QDate& from, const QDate& to)> list;
    std::function<RowSet(DanKind kind, const QString& dh)> lines;
    // The listed documents with the lines of all of them, read at once (the list's printout).
    std::function<ReportData(Database& db, RowSet documents, DanKind kind)> listLines;
    std::function<void(const QString& dh)> remove;  // the document with its stock effect, one transaction
    ReportForm listForm;
    // The printout of the document in a list row, without its rows; word is "销售",
    // "销售退货", ...
    std::function<ReportRequest(const QString& word, const StringGrid& list, int row)> document;
};

// The documented names of one page's controls.
struct DocumentPageNames {
    const char *from, *to, *filter, *query, *remove, *print, *browse;
    const char *listBox, *list, *sl, *je, *linesBox, *lines, *printDocument, *browseDocument;
};

// One page of a document query: the date range (with its quick choices, kept per window and
// page), an optional customer filter, the document list with its totals, the lines of the
// selected document, deleting, and printing the list or the selected document.
class DocumentQueryPage : public QWidget {
    Q_OBJECT
public:
    DocumentQueryPage(AppContext& context, const DocumentBook& book, const DocumentPageNames& names,
                      bool withFilter, QWidget* parent = nullptr);

    // The captions of the kind (ForwardKind documents or their returns).
    void SetQueryKind(DanKind kind);
    QString DocumentWord() const;  // "销售", "销售退货", ...

    // Lists the range (with the filter text when applyFilter), the lines of the selected (last)
    // document and the totals.
    void Query(bool applyFilter);
    // Lists again what the last query listed (its dates and filter, whatever the boxes hold now),
    // keeping the selected document where it is still listed; nothing before the first query.
    void Reread();
    void ShowLines();
    void CalcTotals();
    void DeleteDocument();
    void PrintList(ReportOutput output);
    void PrintDocument(ReportOutput output);

    QDateEdit* From = nullptr;
    QDateEdit* To = nullptr;
    DateRangePresets* Presets = nullptr;
    QLineEdit* Filter = nullptr;  // only on a page with a customer filter
    QPushButton* QueryButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QGroupBox* ListBox = nullptr;
    StringGrid* List = nullptr;
    QLabel* SLLabel = nullptr;
    QLabel* JELabel = nullptr;
    QGroupBox* LinesBox = nullptr;
    StringGrid* Lines = nullptr;
    QPushButton* PrintDocumentButton = nullptr;
    QPushButton* BrowseDocumentButton = nullptr;

signals:
    void documentDeleted();

private:
    void setupUi(const DocumentPageNames& names);
    bool ListDocuments(const QString& filter, const QDate& from, const QDate& to);

    AppContext& m_ctx;
    const DocumentBook& m_book;
    DanKind m_kind = ForwardKind;
    RowSet m_rows;  // the listed documents, as printed
    QString m_filter;
    QDate m_from, m_to;  // of the last query; invalid before it
};

// The columns of a document's lines in both queries (the rows of PrepareBB_XSDJ, PrepareBB_CGDJ).
QVector<GridColumn> DocumentLineColumns();
