#include "JieQunForm.h"

#include "AppContext.h"
#include "DigitsUpDown.h"
#include "GridColumns.h"
#include "JieQunStore.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "MonthKey.h"
#include "NumberText.h"
#include "PrintReport.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"

#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QVector<GridColumn> JieQunColumns = {
    {QString(), 12},
    {QStringLiteral("年份"), 60, QStringLiteral("JQM1")},
    {QStringLiteral("月份"), 50, QStringLiteral("JQM2")},
    {QStringLiteral("销售额"), 90, QStringLiteral("XSE"), GridFormat::Money},
    {QStringLiteral("销售利润"), 90, QStringLiteral("XSLR"), GridFormat::Money},
    {QStringLiteral("营业收入"), 90, QStringLiteral("Other_SR"), GridFormat::Money},
    {QStringLiteral("营业支出"), 90, QStringLiteral("Other_ZC"), GridFormat::Money},
    {QStringLiteral("本期利润"), 90, QStringLiteral("BenQiLR"), GridFormat::Money},
    {QStringLiteral("状态"), 80, QStringLiteral("JQState")},
};

}  // namespace

const QVector<GridColumn>& TJieQunForm::columns()
{
    return JieQunColumns;
}

TJieQunForm::TJieQunForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    GuardedConnect(CXButton, &QPushButton::clicked, this, m_ctx, &TJieQunForm::CXButtonClick);
    GuardedConnect(JQButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("结存"), &TJieQunForm::JQButtonClick);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, &TJieQunForm::PrintButtonClick);
    GuardedConnect(BrowseButton, &QPushButton::clicked, this, m_ctx, &TJieQunForm::BrowseButtonClick);
    connect(EscButton, &QPushButton::clicked, this, &QDialog::close);
    for (DigitsUpDown* box : {BeginYUpDown, BeginMUpDown, EndYUpDown, EndMUpDown})
        EnterMovesFocus(box, CXButton);
    for (DigitsUpDown* box : {JQYUpDown, JQMUpDown})
        EnterMovesFocus(box, JQButton);
    for (DigitsUpDown* box : {BeginYUpDown, BeginMUpDown, EndYUpDown, EndMUpDown, JQYUpDown, JQMUpDown})
        box->installEventFilter(this);
    SetDefaultMonths(m_ctx.today());
}

void TJieQunForm::SetDefaultMonths(const QDate& today)
{
    const int previous = today.month() == 1 ? 1 : today.month() - 1;
    for (DigitsUpDown* year : {BeginYUpDown, EndYUpDown, JQYUpDown})
        year->setValue(today.year());
    BeginMUpDown->setValue(1);
    EndMUpDown->setValue(previous);
    JQMUpDown->setValue(previous);
}

void TJieQunForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        RunGuarded(m_ctx, this, [this] { CXButtonClick(); });
    }
}

// Typed characters of the year and month edits: a full edit (4 digits for a year, 2 for a
// month) with nothing selected takes only Backspace; otherwise digits and Backspace only. The
// up-down hands its keys to its edit itself, so the filter sits on the up-down.
bool TJieQunForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<DigitsUpDown*>(watched);
    if (!box || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const QString text = static_cast<QKeyEvent*>(event)->text();
    if (text.isEmpty() || (text.front() != Backspace && !text.front().isPrint()))
        return false;  // arrows, Tab, Delete, Enter
    const KeyFilter filter = LengthLimit(box->maximum() > 12 ? 4 : 2, IntKeyFilter);
    return filter(text.front(), *box->findChild<QLineEdit*>()).isNull();
}

void TJieQunForm::ListJieQun(const QString& first, const QString& last)
{
    m_rows = ::ListJieQun(m_ctx.db(), first, last);
    FillGrid(*closingGrid, m_rows, JieQunColumns);
    closingGrid->setRow(1);
}

// Columns 3 to 7 of the grid summed, each to the cent, followed by " 元".
void TJieQunForm::ShowTotals()
{
    QLabel* const labels[] = {XSELabel, XSLRLabel, SRLabel, ZCLabel, BQLRLabel};
    for (int col = 3; col <= 7; ++col)
        labels[col - 3]->setText(YuanText(MoneyColumnSum(*closingGrid, col)));
}

void TJieQunForm::CXButtonClick()
{
    const QString first = MonthKey(BeginYEdit->text(), BeginMEdit->text());
    const QString last = MonthKey(EndYEdit->text(), EndMEdit->text());
    if (!IsValidMonthKey(first) || !IsValidMonthKey(last)) {
        m_ctx.prompts->message(this, QStringLiteral("请输入正确的年月份!"));
        return;
    }
    ListJieQun(first, last);
    ShowTotals();
}

void TJieQunForm::JQButtonClick()
{
    const QString key = MonthKey(JQYEdit->text(), JQMEdit->text());
    if (!IsValidMonthKey(key)) {
        m_ctx.prompts->message(this, QStringLiteral("请输入正确的结存年月份!"));
        return;
    }
    const QString month = key.left(4) + QStringLiteral("年") + key.mid(4) + QStringLiteral("月的经营数据已经结存");
    switch (GetJieQunState(m_ctx.db(), key)) {
    case 0:
        MakeJieQun(m_ctx.db(), key);
        m_ctx.prompts->message(this, QStringLiteral("完成结存!"));
        break;
    case 1:
        if (m_ctx.prompts->question(this, month + QStringLiteral(",是否要重新结存?")))
            ReMakeJieQun(m_ctx.db(), key);
        break;
    default:
        m_ctx.prompts->message(this, month + QStringLiteral(",且该月的经营数据已被清除,无法重新结存!"));
        break;
    }
    ListJieQun(key, key);
    ShowTotals();
}

void TJieQunForm::PrintJieQun(bool preview)
{
    ReportRequest r;
    r.form = ReportForm::JieQun;
    // The rows as listed, money to the cent as on screen.
    r.prepare = [rows = m_rows]() mutable {
        for (const GridColumn& column : JieQunColumns)
            if (const int i = rows.columnIndex(column.field); column.format == GridFormat::Money && i >= 0)
                for (QVector<QVariant>& row : rows.rows)
                    row[i] = RoundFloat(2, row[i].toDouble());
        return ReportData{rows, {}};
    };
    r.labels = {{QStringLiteral("TitleQRLabel"), BeginYEdit->text() + QStringLiteral("年") + BeginMEdit->text()
                                                     + QStringLiteral("月 至 ") + EndYEdit->text() + QStringLiteral("年")
                                                     + EndMEdit->text() + QStringLiteral("月 结存数据")},
                {QStringLiteral("SUMSRQRLabel"), SRLabel->text()},
                {QStringLiteral("SUMZCQRLabel"), ZCLabel->text()}};
    PrintReport(m_ctx, this, !m_rows.isEmpty(), r, preview ? ReportOutput::Preview : ReportOutput::Print);
}

void TJieQunForm::PrintButtonClick()
{
    PrintJieQun(false);
}

void TJieQunForm::BrowseButtonClick()
{
    PrintJieQun(true);
}
