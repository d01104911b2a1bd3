#include "DocumentQueryPage.h"

#include "AppContext.h"
#include "BackgroundWork.h"
#include "ClosedMonthQuestion.h"
#include "DateRangePresets.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "NumberText.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

QVector<GridColumn> DocumentLineColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("品牌"), 110, QStringLiteral("PinPai")},
            {QStringLiteral("产品"), 130, QStringLiteral("chanpin")},
            {QStringLiteral("型号/规格"), 160, QStringLiteral("guige")},
            {QStringLiteral("单价"), 80, QStringLiteral("danjia"), GridFormat::Money},
            {QStringLiteral("数量"), 60, QStringLiteral("shuliang"), GridFormat::Integer},
            {QStringLiteral("金额"), 90, QStringLiteral("jinE"), GridFormat::Money}};
}

DocumentQueryPage::DocumentQueryPage(AppContext& context, const DocumentBook& book, const DocumentPageNames& names,
                                     bool withFilter, QWidget* parent)
    : QWidget(parent), m_ctx(context), m_book(book)
{
    if (withFilter)
        Filter = MakeEdit(this, names.filter);
    setupUi(names);

    // The month so far, unless the window remembers another range.
    const QDate today = m_ctx.today();
    From->setDate(QDate(today.year(), today.month(), 1));
    To->setDate(today);

    EnterMovesFocus(From, To);
    EnterMovesFocus(To, Filter ? static_cast<QWidget*>(Filter) : QueryButton);
    GuardedConnect(QueryButton, &QPushButton::clicked, this, m_ctx, [this] { Query(true); });
    if (Filter)
        GuardedConnect(Filter, &QLineEdit::returnPressed, this, m_ctx, [this] { Query(true); });
    GuardedConnect(Presets, &DateRangePresets::rangeChosen, this, m_ctx, [this] { Query(true); });
    GuardedConnect(List, &StringGrid::rowSelected, this, m_ctx, &DocumentQueryPage::ShowLines);
    GuardedConnect(DeleteButton, &QPushButton::clicked, this, m_ctx, &DocumentQueryPage::DeleteDocument);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintList(ReportOutput::Print); });
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintList(ReportOutput::Preview); });
    GuardedConnect(PrintDocumentButton, &QPushButton::clicked, this, m_ctx,
                   [this] { PrintDocument(ReportOutput::Print); });
    GuardedConnect(BrowseDocumentButton, &QPushButton::clicked, this, m_ctx,
                   [this] { PrintDocument(ReportOutput::Preview); });
}

QString DocumentQueryPage::DocumentWord() const
{
    return m_kind == ReturnKind ? m_book.word + QStringLiteral("退货") : m_book.word;
}

void DocumentQueryPage::SetQueryKind(DanKind kind)
{
    m_kind = kind == ForwardKind ? ForwardKind : ReturnKind;
    const QString word = DocumentWord();
    DeleteButton->setText(m_kind == ForwardKind ? QStringLiteral("删除") + word + u'单' : QStringLiteral("删除退货单"));
    PrintDocumentButton->setText(QStringLiteral("打印") + word + u'单');
    BrowseDocumentButton->setText(word + QStringLiteral("单预览"));
    ListBox->setTitle(word + u'单');
    LinesBox->setTitle(word + QStringLiteral("单明细"));
}

void DocumentQueryPage::Query(bool applyFilter)
{
    if (!ListDocuments(applyFilter && Filter ? Filter->text() : QString(), From->date(), To->date()))
        return;
    List->setRow(List->rowCount() - 1);
    ShowLines();
    CalcTotals();
}

void DocumentQueryPage::Reread()
{
    if (!m_from.isValid())
        return;
    const int row = List->row();
    const QString dh = row > 0 ? List->cell(1, row).trimmed() : QString();
    if (!ListDocuments(m_filter, m_from, m_to))
        return;
    if (!SelectRowWith(*List, 1, dh))
        List->setRow(List->rowCount() - 1);
    ShowLines();
    CalcTotals();
}

// Reads the documents off the window's thread; false when the operator cancelled.
bool DocumentQueryPage::ListDocuments(const QString& filter, const QDate& from, const QDate& to)
{
    const DanKind kind = m_kind;
    auto rows = RunInBackground(m_ctx, window(), QStringLiteral("正在查询") + DocumentWord() + QStringLiteral("单..."),
                                [&](Database& db) { return m_book.list(db, kind, filter, from, to); });
    if (!rows)
        return false;
    m_filter = filter;
    m_from = from;
    m_to = to;
    m_rows = std::move(*rows);
    FillGrid(*List, m_rows, m_book.listColumns);
    return true;
}

void DocumentQueryPage::ShowLines()
{
    const QString dh = List->cell(1, List->row());
    FillGrid(*Lines, dh.isEmpty() ? RowSet() : m_book.lines(m_kind, dh), DocumentLineColumns());
}

void DocumentQueryPage::CalcTotals()
{
    SLLabel->setText(QString::number(qint64(ColumnSum(*List, 3))));
    JELabel->setText(YuanText(MoneyColumnSum(*List, 4)));
}

void DocumentQueryPage::DeleteDocument()
{
    const QString dh = List->cell(1, List->row());
    if (dh.isEmpty())
        return;
    if (!m_ctx.prompts->warningQuestion(
            this, QStringLiteral("确定要删除单号为'") + dh + QStringLiteral("'的") + DocumentWord() + QStringLiteral("记录吗?")))
        return;
    const QDate day =
        QDate::fromString(m_rows.value(List->row() - 1, QStringLiteral("in_date")).toString(), Qt::ISODate);
    if (!GoOnInClosedMonth(m_ctx, this, day))
        return;
    if (RunGuarded(m_ctx, this, DeleteButton->text(), [&] { m_book.remove(dh); }))
        emit documentDeleted();
}

void DocumentQueryPage::PrintList(ReportOutput output)
{
    ReportRequest r;
    r.form = m_book.listForm;
    r.read = [rows = m_rows, kind = m_kind, listLines = m_book.listLines](Database& db) {
        return listLines(db, rows, kind);
    };
    r.labels = {{QStringLiteral("TitleQRLabel"), m_ctx.GsInfo.GSName + DocumentWord() + QStringLiteral("查询")},
                {QStringLiteral("DateQRLabel"), m_ctx.today().toString(QStringLiteral("yyyy-MM-dd"))},
                {QStringLiteral("SumSLQRLabel"), SLLabel->text()},
                {QStringLiteral("SumJEQRLabel"), JELabel->text()}};
    PrintReport(m_ctx, window(), !List->cell(1, 1).isEmpty(), r, output);
}

void DocumentQueryPage::PrintDocument(ReportOutput output)
{
    const int row = List->row();
    if (Lines->cell(1, 1).isEmpty() || List->cell(1, row).isEmpty())
        return;
    ReportRequest r = m_book.document(DocumentWord(), *List, row);
    r.prepare = [kind = m_kind, dh = List->cell(1, row), lines = m_book.lines] {
        return ReportData{lines(kind, dh), {}};
    };
    PrintReport(m_ctx, window(), true, r, output);
}

void DocumentQueryPage::setupUi(const DocumentPageNames& names)
{
    From = MakeDateEdit(this, names.from);
    To = MakeDateEdit(this, names.to);
    Presets = new DateRangePresets(m_ctx.clock(), From, To, this);
    QueryButton = MakeButton(this, names.query, QStringLiteral("查询"));
    DeleteButton = MakeButton(this, names.remove, QString());
    PrintButton = MakeButton(this, names.print, QStringLiteral("打印"));
    BrowseButton = MakeButton(this, names.browse, QStringLiteral("打印预览"));

    auto* dates = new QHBoxLayout;
    AddDateRange(dates, From, To);
    dates->addWidget(Presets);
    dates->addStretch(1);
    auto* actions = new QHBoxLayout;
    if (Filter) {
        actions->addWidget(new QLabel(QStringLiteral("客户名称/电话"), this));
        Filter->setMinimumWidth(160);
        actions->addWidget(Filter);
    }
    actions->addStretch(1);
    for (QPushButton* b : {QueryButton, DeleteButton, PrintButton, BrowseButton})
        actions->addWidget(b);

    ListBox = Named(new QGroupBox(this), names.listBox);
    List = Named(new StringGrid(ListBox), names.list);
    SetGridColumns(*List, m_book.listColumns);
    SLLabel = Named(new QLabel(QStringLiteral("0"), ListBox), names.sl);
    JELabel = Named(new QLabel(YuanText(0), ListBox), names.je);
    auto* totals = new QHBoxLayout;
    totals->addWidget(new QLabel(QStringLiteral("合计数量："), ListBox));
    totals->addWidget(SLLabel);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("合计金额："), ListBox));
    totals->addWidget(JELabel);
    totals->addStretch(1);
    auto* listLayout = new QVBoxLayout(ListBox);
    listLayout->addWidget(List, 1);
    listLayout->addLayout(totals);

    LinesBox = Named(new QGroupBox(this), names.linesBox);
    Lines = Named(new StringGrid(LinesBox), names.lines);
    SetGridColumns(*Lines, DocumentLineColumns());
    PrintDocumentButton = MakeButton(LinesBox, names.printDocument, QString());
    BrowseDocumentButton = MakeButton(LinesBox, names.browseDocument, QString());
    auto* linesLayout = new QVBoxLayout(LinesBox);
    linesLayout->addWidget(Lines, 1);
    linesLayout->addLayout(ButtonRow({PrintDocumentButton, BrowseDocumentButton}));

    auto* top = new QVBoxLayout(this);
    top->addLayout(dates);
    top->addLayout(actions);
    top->addWidget(ListBox, 3);
    top->addWidget(LinesBox, 2);
}
