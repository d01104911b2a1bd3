// Layout of the label window: the goods chosen above, their list, the paper, the buttons.
#include "LabelPrintForm.h"

#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QDoubleSpinBox* MakeMm(QWidget* parent, const char* objectName, double most)
{
    auto* box = Named(new QDoubleSpinBox(parent), objectName);
    box->setRange(0, most);
    box->setDecimals(1);
    box->setSingleStep(0.5);
    box->setSuffix(QStringLiteral(" 毫米"));
    return box;
}

QSpinBox* MakeCount(QWidget* parent, const char* objectName, int most)
{
    auto* box = Named(new QSpinBox(parent), objectName);
    box->setRange(1, most);
    return box;
}

void AddRow(QGridLayout* grid, int row, int column, const QString& caption, QWidget* box)
{
    grid->addWidget(new QLabel(caption), row, column);
    grid->addWidget(box, row, column + 1);
}

}  // namespace

const QVector<GridColumn>& LabelItemColumns()
{
    static const QVector<GridColumn> columns{
        {QStringLiteral("序号"), 40, {}, GridFormat::RowNumber},
        {QStringLiteral("品牌"), 100, QStringLiteral("PinPai")},
        {QStringLiteral("产品"), 100, QStringLiteral("ChanPin")},
        {QStringLiteral("型号"), 130, QStringLiteral("GuiGe")},
        {QStringLiteral("价格"), 80, QStringLiteral("price"), GridFormat::Money},
        {QStringLiteral("条码"), 130, QStringLiteral("barcode")},
        {QStringLiteral("张数"), 50, QStringLiteral("count"), GridFormat::Integer},
    };
    return columns;
}

void TLabelPrintForm::setupUi()
{
    setObjectName(QStringLiteral("LabelPrintForm"));
    setWindowTitle(QStringLiteral("打印标签"));
    resize(960, 620);

    auto* goodsBox = new QGroupBox(QStringLiteral("商品"), this);
    brandBox = Named(new QComboBox(goodsBox), "brandBox");
    productBox = Named(new QComboBox(goodsBox), "productBox");
    specBox = Named(new QComboBox(goodsBox), "specBox");
    for (QComboBox* box : {brandBox, productBox, specBox})
        box->setMinimumWidth(130);
    countEdit = MakeCount(goodsBox, "countEdit", 999);
    addButton = MakeButton(goodsBox, "addButton", QStringLiteral("添加(&A)"));
    auto* pick = new QHBoxLayout(goodsBox);
    for (const auto& [caption, box] : {std::pair<const char*, QWidget*>{"品牌", brandBox}, {"产品", productBox},
                                       {"型号", specBox}, {"张数", countEdit}}) {
        pick->addWidget(new QLabel(QString::fromUtf8(caption)));
        pick->addWidget(box);
    }
    pick->addWidget(addButton);
    pick->addStretch();

    itemGrid = Named(new StringGrid(this), "itemGrid");
    SetGridColumns(*itemGrid, LabelItemColumns());
    removeButton = MakeButton(this, "removeButton", QStringLiteral("删除(&D)"));
    clearButton = MakeButton(this, "clearButton", QStringLiteral("清空"));

    auto* paperBox = new QGroupBox(QStringLiteral("纸张"), this);
    sheetButton = Named(new QRadioButton(QStringLiteral("A4标签纸"), paperBox), "sheetButton");
    rollButton = Named(new QRadioButton(QStringLiteral("标签打印机（每张一页）"), paperBox), "rollButton");
    rowsEdit = MakeCount(paperBox, "rowsEdit", 40);
    columnsEdit = MakeCount(paperBox, "columnsEdit", 10);
    topEdit = MakeMm(paperBox, "topEdit", 100);
    bottomEdit = MakeMm(paperBox, "bottomEdit", 100);
    leftEdit = MakeMm(paperBox, "leftEdit", 100);
    rightEdit = MakeMm(paperBox, "rightEdit", 100);
    columnGapEdit = MakeMm(paperBox, "columnGapEdit", 50);
    rowGapEdit = MakeMm(paperBox, "rowGapEdit", 50);
    widthEdit = MakeMm(paperBox, "widthEdit", 300);
    heightEdit = MakeMm(paperBox, "heightEdit", 300);
    sizeLabel = Named(new QLabel(paperBox), "sizeLabel");
    auto* paper = new QGridLayout(paperBox);
    paper->addWidget(sheetButton, 0, 0, 1, 2);
    AddRow(paper, 0, 2, QStringLiteral("行数"), rowsEdit);
    AddRow(paper, 0, 4, QStringLiteral("列数"), columnsEdit);
    AddRow(paper, 1, 0, QStringLiteral("上边距"), topEdit);
    AddRow(paper, 1, 2, QStringLiteral("下边距"), bottomEdit);
    AddRow(paper, 1, 4, QStringLiteral("左边距"), leftEdit);
    AddRow(paper, 1, 6, QStringLiteral("右边距"), rightEdit);
    AddRow(paper, 2, 0, QStringLiteral("列间距"), columnGapEdit);
    AddRow(paper, 2, 2, QStringLiteral("行间距"), rowGapEdit);
    paper->addWidget(rollButton, 3, 0, 1, 2);
    AddRow(paper, 3, 2, QStringLiteral("标签宽"), widthEdit);
    AddRow(paper, 3, 4, QStringLiteral("标签高"), heightEdit);
    paper->addWidget(sizeLabel, 4, 0, 1, 8);

    previewButton = MakeButton(this, "previewButton", QStringLiteral("打印预览(&V)"));
    printButton = MakeButton(this, "printButton", QStringLiteral("打印(&P)"));
    closeButton = MakeButton(this, "closeButton", QStringLiteral("关闭"));

    auto* top = new QVBoxLayout(this);
    top->addWidget(goodsBox);
    top->addWidget(itemGrid, 1);
    top->addLayout(ButtonRow({removeButton, clearButton}));
    top->addWidget(paperBox);
    top->addLayout(ButtonRow({previewButton, printButton, closeButton}));
}
