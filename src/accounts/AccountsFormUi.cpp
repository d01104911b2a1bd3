// Layout of the receivables and payables window.
#include "AccountsForm.h"

#include "AccountTexts.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// A list grid: columns with their headers and widths (column 0 the narrow fixed column when
// fixed), the given row height.
StringGrid* MakeGrid(QWidget* parent, const char* name, bool fixedColumn, const QStringList& headers,
                     const QVector<int>& widths, int rowHeight)
{
    auto* grid = Named(new StringGrid(parent), name);
    grid->setFixedCols(fixedColumn ? 1 : 0);
    grid->setColCount(int(headers.size()));
    grid->setHeader(headers);
    for (int c = 0; c < widths.size(); ++c)
        grid->setColWidth(c, widths[c]);
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
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));
    auto* bar = new QHBoxLayout;
    for (QPushButton* b : {HXButton, CJButton, GCButton, PrintButton, BrowseButton, ZLButton, EscButton})
        bar->addWidget(b);
    bar->addStretch();

    StringGrid1 = MakeGrid(this, "StringGrid1", false, {texts.partyList}, {130}, 15);
    StringGrid1->setAlternatingRowColors(false);
    StringGrid1->setFixedWidth(130 + 2 * StringGrid1->frameWidth());

    QStringList headers{QString()};
    QVector<int> widths{24};
    for (const DocumentColumn& c : texts.documentColumns) {
        headers.append(c.header);
        widths.append(c.width);
    }
    auto* documents = Named(new QGroupBox(texts.documentsGroup, this), "GroupBox1");
    StringGrid2 = MakeGrid(documents, "StringGrid2", true, headers, widths, 18);
    (new QVBoxLayout(documents))->addWidget(StringGrid2);

    auto* lines = Named(new QGroupBox(texts.linesGroup, this), "GroupBox2");
    StringGrid3 = MakeGrid(lines, "StringGrid3", true,
                           {QString(), QStringLiteral("品牌"), QStringLiteral("产品"), QStringLiteral("型号/规格"),
                            QStringLiteral("单价"), QStringLiteral("数量"), QStringLiteral("金额")},
                           {24, 70, 130, texts.specWidth, 70, 50, 80}, 18);
    (new QVBoxLayout(lines))->addWidget(StringGrid3);

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
    body->addWidget(StringGrid1);
    body->addLayout(right, 1);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(bar);
    top->addLayout(body, 1);
    resize(1080, 640);
}
