// Layout of the goods window: three lists side by side with their filter boxes, the tab pages
// of buttons below them.
#include "ZLSet_ShangPinForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

StringGrid* MakeGrid(QWidget* parent, const char* objectName, const QVector<GridColumn>& columns)
{
    auto* grid = Named(new StringGrid(parent), objectName);
    grid->setFixedCols(0);
    grid->verticalHeader()->hide();
    SetGridColumns(*grid, columns);
    int total = 0;
    for (const GridColumn& c : columns)
        total += c.width;
    grid->setMinimumWidth(total + 24);
    ClearGrid(*grid);
    return grid;
}

// A filter box above its grid; Tab goes from the box to its grid, then on to the next box.
QVBoxLayout* Listed(QLineEdit* filter, StringGrid* grid)
{
    QWidget::setTabOrder(filter, grid);
    auto* column = new QVBoxLayout;
    column->setSpacing(4);
    column->addWidget(filter);
    column->addWidget(grid, 1);
    return column;
}

QWidget* TabPage(QPushButton* add, QPushButton* edit, QPushButton* del)
{
    auto* page = new QWidget;
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(12, 10, 12, 10);
    for (QPushButton* b : {add, edit, del}) {
        b->setParent(page);
        b->setMinimumWidth(88);
        row->addWidget(b);
    }
    row->addStretch();
    return page;
}

}  // namespace

void TZLSet_ShangPinForm::setupUi()
{
    setObjectName(QStringLiteral("ZLSet_ShangPinForm"));
    setWindowTitle(QStringLiteral("商品设置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    brandGrid = MakeGrid(this, "StringGrid1", PinPaiColumns);
    productGrid = MakeGrid(this, "StringGrid2", ChanPinColumns);
    itemGrid = MakeGrid(this, "StringGrid3", GuiGeColumns);
    PPFilterEdit = MakeEdit(this, "PPFilterEdit");
    CPFilterEdit = MakeEdit(this, "CPFilterEdit");
    GGFilterEdit = MakeEdit(this, "GGFilterEdit");

    const QString add = QStringLiteral("添加"), edit = QStringLiteral("修改"), del = QStringLiteral("删除");
    PP_AddButton = MakeButton(this, "PP_AddButton", add);
    PP_EditButton = MakeButton(this, "PP_EditButton", edit);
    PP_DelButton = MakeButton(this, "PP_DelButton", del);
    CP_AddButton = MakeButton(this, "CP_AddButton", add);
    CP_EditButton = MakeButton(this, "CP_EditButton", edit);
    CP_DelButton = MakeButton(this, "CP_DelButton", del);
    GG_AddButton = MakeButton(this, "GG_AddButton", add);
    GG_EditButton = MakeButton(this, "GG_EditButton", edit);
    GG_DelButton = MakeButton(this, "GG_DelButton", del);
    editTabs = Named(new QTabWidget(this), "PageControl1");
    editTabs->setDocumentMode(true);
    brandPage = Named(TabPage(PP_AddButton, PP_EditButton, PP_DelButton), "TabSheet1");
    productPage = Named(TabPage(CP_AddButton, CP_EditButton, CP_DelButton), "TabSheet2");
    itemPage = Named(TabPage(GG_AddButton, GG_EditButton, GG_DelButton), "TabSheet3");
    editTabs->addTab(brandPage, QStringLiteral("品牌管理"));
    editTabs->addTab(productPage, QStringLiteral("产品管理"));
    editTabs->addTab(itemPage, QStringLiteral("规格型号管理"));

    ImportButton = MakeButton(this, "ImportButton", QStringLiteral("从Excel导入…"));
    ImportButton->setMinimumWidth(ImportButton->sizeHint().width() + 16);
    LabelButton = MakeButton(this, "LabelButton", QStringLiteral("打印标签…"));
    exitButton = MakeButton(this, "Button1", QStringLiteral("退出"));

    auto* lists = new QHBoxLayout;
    lists->setSpacing(8);
    lists->addLayout(Listed(PPFilterEdit, brandGrid), 3);
    lists->addLayout(Listed(CPFilterEdit, productGrid), 5);
    lists->addLayout(Listed(GGFilterEdit, itemGrid), 7);

    auto* foot = new QHBoxLayout;
    foot->addWidget(editTabs, 1);
    auto* side = new QVBoxLayout;
    side->addStretch();
    side->addWidget(ImportButton);
    side->addWidget(LabelButton);
    side->addWidget(exitButton);
    foot->addLayout(side);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->setSpacing(10);
    top->addLayout(lists, 1);
    top->addLayout(foot);
    brandGrid->setFocus();  // the window opens in the brand list
    resize(1000, 580);
}
