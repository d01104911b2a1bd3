#include "PartPaymentDialogs.h"

#include "AccountTexts.h"
#include "AccountsStore.h"
#include "AppContext.h"
#include "ClosedMonthQuestion.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "NumberText.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"

#include <QApplication>
#include <QDateEdit>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

TCJForm::TCJForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    payDate->setDate(m_ctx.today());
    QKEdit->setText(QStringLiteral("0"));
    SKEdit->setText(QStringLiteral("0"));
    InstallKeyFilter(SKEdit, AcceptAlso(QStringLiteral("-"), FloatKeyFilter),
                     QStringLiteral("只能输入数字、一个小数点和负号"));
    EnterMovesFocus(SKEdit, OKButton);
    SKEdit->installEventFilter(this);
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, TextsOf(m_side).record, &TCJForm::OKButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
    SKEdit->setFocus();
    SKEdit->selectAll();
}

bool TCJForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == SKEdit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Another window coming up (a message, a menu) is not leaving the amount; neither is
        // going to "取消", which closes the dialog whatever the amount holds.
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason
            && QApplication::focusWidget() != EscButton)
            QMetaObject::invokeMethod(this, [this] { RunGuarded(m_ctx, this, [this] { SKEditExit(); }); },
                                      Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

void TCJForm::refuseAmount(const QString& text)
{
    m_ctx.prompts->message(this, text);
    SKEdit->setFocus();
    SKEdit->selectAll();
}

void TCJForm::SKEditExit()
{
    // The check runs once the focus has settled elsewhere; when "确定" has already refused the
    // amount the focus is back on it.
    if (!isVisible() || SKEdit->hasFocus())
        return;
    if (!ReadNumber(SKEdit->text()))
        refuseAmount(QStringLiteral("请输入正确的金额!"));
}

void TCJForm::OKButtonClick()
{
    const AccountTexts& texts = TextsOf(m_side);
    const QString text = SKEdit->text();
    if (text.isEmpty() || text == QStringLiteral("0"))
        return refuseAmount(texts.amountMissing);
    const std::optional<Money> paid = ReadMoney(text);
    if (!paid)
        return refuseAmount(QStringLiteral("“%1”不是正确的金额,请重新输入!").arg(texts.amountLabel));
    if (!GoOnInClosedMonth(m_ctx, this, payDate->date()))
        return;
    RecordPartPayment(m_ctx.db(), m_side, m_dh, *paid, payDate->date());
    accept();
}

TGCForm::TGCForm(AppContext& context, AccountSide side, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side)
{
    setupUi();
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &QDialog::close);
}

void TGCForm::SetDH(const QString& dh)
{
    FillGrid(*paymentGrid, PartPayments(m_ctx.db(), m_side, dh), TextsOf(m_side).historyColumns);
    paymentGrid->setRow(1);
}
