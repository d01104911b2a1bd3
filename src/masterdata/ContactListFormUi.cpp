// Layout of the customer, supplier and employee lists.
#include "ContactListForm.h"

#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

void TContactListForm::setupUi()
{
    setObjectName(QLatin1String(m_shape.objectName));
    setWindowTitle(m_shape.caption);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::WindowMaximizeButtonHint);

    FilterEdit = MakeEdit(this, "FilterEdit");
    FilterEdit->setFixedWidth(240);
    FilterLabel = Named(new QLabel(QStringLiteral("查找(&F)："), this), "FilterLabel");
    FilterLabel->setBuddy(FilterEdit);

    contactGrid = Named(new StringGrid(this), "StringGrid1");
    contactGrid->setFixedCols(1);
    // The column widths are given for digits six pixels wide; they grow with a larger font so
    // that a phone number still fits its column.
    const double scale = std::max(1.0, contactGrid->fontMetrics().horizontalAdvance(QStringLiteral("0123456789")) / 60.0);
    m_columns = {{QString(), 10, QString()}};
    int width = 10;
    for (GridColumn c : m_shape.columns) {
        c.width = int(c.width * scale) + 8;  // and room for the cell margins
        width += c.width;
        m_columns.append(c);
    }
    SetGridColumns(*contactGrid, m_columns);
    contactGrid->verticalHeader()->setMinimumWidth(10);
    contactGrid->verticalHeader()->setFixedWidth(10);

    AddButton = MakeButton(this, "AddButton", QStringLiteral("添加"));
    EditButton = MakeButton(this, "EditButton", QStringLiteral("修改"));
    DelButton = MakeButton(this, "DelButton", QStringLiteral("删除"));
    ExitButton = MakeButton(this, "ExitButton", QStringLiteral("退出"));
    AddButton->setDefault(m_shape.addIsDefault);

    auto* find = new QHBoxLayout;
    find->addWidget(FilterLabel);
    find->addWidget(FilterEdit);
    find->addStretch();

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(12, 12, 12, 12);
    top->addLayout(find);
    top->addWidget(contactGrid, 1);
    top->addLayout(ButtonRow({AddButton, EditButton, DelButton, ExitButton}));
    resize(std::min(width + 60, 1180), 480);
}
