// Layout of the customer, supplier and employee lookups.
#include "ContactLookupForm.h"

#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

void TContactLookupForm::setupUi()
{
    setObjectName(QLatin1String(m_shape.objectName));
    setWindowTitle(m_shape.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    SearchEdit = MakeEdit(this, m_shape.editName);
    SearchEdit->setMinimumWidth(200);
    SearchButton = MakeButton(this, "SearchButton", QStringLiteral("查询"));
    SearchButton->setDefault(true);  // Enter in the box searches
    ShowAllButton = MakeButton(this, "ShowAllButton", QStringLiteral("显示全部"));
    PrintButton = MakeButton(this, "PrintButton", QStringLiteral("打印"));
    BrowseButton = MakeButton(this, "BrowseButton", QStringLiteral("打印预览"));
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(m_shape.label, this));
    bar->addWidget(SearchEdit);
    bar->addWidget(SearchButton);
    bar->addWidget(ShowAllButton);
    bar->addStretch(1);
    bar->addLayout(ButtonRow({PrintButton, BrowseButton, EscButton}));

    contactGrid = Named(new StringGrid(this), "StringGrid1");
    SetGridColumns(*contactGrid, m_columns);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(10, 10, 10, 10);
    top->addLayout(bar);
    top->addWidget(contactGrid, 1);
    resize(900, 500);
}
