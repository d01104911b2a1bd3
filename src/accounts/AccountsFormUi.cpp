// Layout of the receivables and payables window.
#include "AccountsForm.h"

#include "AccountTexts.h"
#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A list grid laid out for its columns with the given row height; column 0 is the narrow fixed
// column when fixed, otherwise the grid shows no row headers.
StringGrid* MakeGrid(QWidget* parent, const char* name, bool fixedColumn, const QVector<GridColumn>& columns,
                     int rowHeight)
{
    auto* grid = Named(new StringGrid(parent), name);
    grid->setFixedCols(fixedColumn ? 1 : 0);
    SetGridColumns(*grid, columns);
    grid->verticalHeader()->setDefaultSectionSize(std::max(rowHeight, grid->fontMetrics().height() + 4));
    if (!fixedColumn)
        grid->verticalHeader()->hide();
    return grid;
}

}  // namespace

void TAccountsForm::setupUi()
{
    const AccountTexts& texts = TextsOf(m_side);
    setObjectName(texts.formName);
    setWindowTitle(texts.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    HXButton = MakeButton(this, "HXButton", texts.writeOff);
    CJButton = MakeButton(this, "CJButton", texts.record);
    GCButton = MakeButton(this, texts.historyButton.toLatin1().constData(), texts.history);
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    ZLButton = MakeButton(this, "ZLButton", QStringLiteral("账龄分析"));
    DZDButton = MakeButton(this, "DZDButton", QStringLiteral("对账单"));
    DZDButton->setVisible(m_side == AccountSide::Receivable);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {HXButton, CJButton, GCButton, PrintButton, BrowseButton, ZLButton, DZDButton, EscButton})
        bar->addWidget(b);
    bar->addStretch();

    partyGrid = MakeGrid(this, "StringGrid1", false, {{texts.partyList, 130}}, 15);
    partyGrid->setAlternatingRowColors(false);
    partyGrid->setFitColumns(false);
    partyGrid->setFixedWidth(130 + 2 * partyGrid->frameWidth());

    auto* documents = Named(new QGroupBox(texts.documentsGroup, this), "GroupBox1");
    documentGrid = MakeGrid(documents, "StringGrid2", true, texts.documentColumns, 18);
    (new QVBoxLayout(documents))->addWidget(documentGrid);

    auto* lines = Named(new QGroupBox(texts.linesGroup, this), "GroupBox2");
    lineGrid = MakeGrid(lines, "StringGrid3", true, texts.lineColumns, 18);
    (new QVBoxLayout(lines))->addWidget(lineGrid);

    JELabel = Named(new QLabel(this), "JELabel");
    QKLabel = Named(new QLabel(this), "QKLabel");
    for (QLabel* l : {JELabel, QKLabel}) {
        l->setMinimumWidth(120);
        l->setStyleSheet(QStringLiteral("color: #a33a00; font-weight: bold;"));
    }
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    totals->addWidget(new QLabel(QStringLiteral("合计金额："), this));
    totals->addWidget(JELabel);
    totals->addSpacing(24);
    totals->addWidget(new QLabel(QStringLiteral("合计欠款："), this));
    totals->addWidget(QKLabel);

    auto* right = new QVBoxLayout;
    right->addWidget(documents, 3);
    right->addWidget(lines, 2);
    right->addLayout(totals);
    auto* body = new QHBoxLayout;
    body->addWidget(partyGrid);
    body->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(bar);
    top->addLayout(body, 1);
    resize(1080, 640);
}
