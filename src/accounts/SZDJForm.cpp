#include "SZDJForm.h"

#include "AppContext.h"
#include "ClosedMonthQuestion.h"
#include "DocNumbers.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "NumberText.h"
#include "ScreenHelpers.h"
#include "ShouZhiStore.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QString Prefix = QStringLiteral("sz");

}  // namespace

TSZDJForm::TSZDJForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    m_types = new QButtonGroup(this);
    m_types->addButton(ZCRadioButton);
    m_types->addButton(SRRadioButton);
    InstallFloatKeyFilter(JEEdit);
    EnterMovesFocus(JEEdit, SaveButton);
    entryDate->setDate(m_ctx.today());
    SZComboBox->addItems(ShouZhiItems(m_ctx.db()));
    ResetForm();
    GuardedConnect(SaveButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("保存收支单"), &TSZDJForm::SaveButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
    GuardedConnect(entryDate, &QDateEdit::dateChanged, this, m_ctx, &TSZDJForm::entryDateChange);
}

void TSZDJForm::ResetForm()
{
    JEEdit->clear();
    remarkMemo->clear();
    m_types->setExclusive(false);
    ZCRadioButton->setChecked(false);
    SRRadioButton->setChecked(false);
    m_types->setExclusive(true);
    SZComboBox->setCurrentIndex(-1);
    entryDateChange();
}

void TSZDJForm::entryDateChange()
{
    SZDHEdit->setText(NextShouZhiDH(m_ctx.db(), Prefix, entryDate->date()));
}

void TSZDJForm::refuse(const QString& text)
{
    m_ctx.prompts->message(this, text);
}

void TSZDJForm::SaveButtonClick()
{
    const QString amount = JEEdit->text().trimmed();
    if (amount.isEmpty())
        return refuse(QStringLiteral("请输入收支金额!"));
    if (!ZCRadioButton->isChecked() && !SRRadioButton->isChecked())
        return refuse(QStringLiteral("请选择收支类型!"));
    const QString item = SZComboBox->currentText().trimmed();
    if (item.isEmpty())
        return refuse(QStringLiteral("请选择收支项目!"));
    const std::optional<Money> JinE = ReadMoney(amount);
    if (!JinE) {
        refuse(QStringLiteral("“收支金额”不是正确的金额,请重新输入!"));
        JEEdit->setFocus();
        JEEdit->selectAll();
        return;
    }
    if (SZDHEdit->text().isEmpty())
        return refuse(NoDocumentNumberMessage());

    TShouZhi entry;
    entry.dh = SZDHEdit->text();
    entry.type = ZCRadioButton->isChecked() ? ExpenseType() : IncomeType();
    entry.in_date = entryDate->date();
    entry.Item = item;
    entry.JinE = *JinE;
    entry.remark = remarkMemo->toPlainText();
    if (!GoOnInClosedMonth(m_ctx, this, entry.in_date))
        return;
    InsertShouZhi(m_ctx.db(), entry);
    m_ctx.prompts->message(this, QStringLiteral("保存成功!"));
    ResetForm();
}
