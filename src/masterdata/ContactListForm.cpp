#include "ContactListForm.h"

#include "AppContext.h"
#include "GridFilter.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QPushButton>

TContactListForm::TContactListForm(AppContext& context, QWidget* parent, Shape shape)
    : QDialog(parent), m_ctx(context), m_shape(std::move(shape))
{
    setupUi();
    m_filter = new GridFilter(contactGrid, FilterEdit, {1, m_shape.phoneCol}, this);
    m_filter->setSelectLast(true);
    FilterEdit->setPlaceholderText(QStringLiteral("名称、电话或拼音首字母"));
    EnterMovesFocus(FilterEdit, contactGrid);  // Enter in the box goes to the list, not to AddButton
    GuardedConnect(AddButton, &QPushButton::clicked, this, m_ctx, &TContactListForm::AddButtonClick);
    GuardedConnect(EditButton, &QPushButton::clicked, this, m_ctx, &TContactListForm::EditButtonClick);
    GuardedConnect(DelButton, &QPushButton::clicked, this, m_ctx, &TContactListForm::DelButtonClick);
    GuardedConnect(ExitButton, &QPushButton::clicked, this, m_ctx, &TContactListForm::ExitButtonClick);
}

void TContactListForm::List()
{
    m_filter->setRows(GridTexts(rows(), m_columns));
}

QStringList TContactListForm::selectedRow() const
{
    QStringList row;
    const int r = contactGrid->row();
    for (int c = 0; c < contactGrid->colCount(); ++c)
        row.append(r > 0 ? contactGrid->cell(c, r) : QString());
    return row;
}

void TContactListForm::AddButtonClick()
{
    runEditor(nullptr);
    List();
}

// The empty row of an empty (or filtered-out) list names no one: nothing to edit.
void TContactListForm::EditButtonClick()
{
    const QStringList row = selectedRow();
    if (row.value(1).isEmpty())
        return;
    runEditor(&row);
    List();
}

void TContactListForm::DelButtonClick()
{
    const QString name = selectedRow().value(1);
    if (name.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请选择要删除的") + m_shape.what + u'!');
        return;
    }
    if (!m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除") + m_shape.what + u'"' + name
                                           + QStringLiteral("\"信息吗?")))
        return;
    remove(name);
    List();
}

void TContactListForm::ExitButtonClick()
{
    close();
}
