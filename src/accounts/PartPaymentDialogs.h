#pragma once

#include "PartPayments.h"

#include <QDialog>

struct AppContext;
class QDateEdit;
class QLineEdit;
class QPushButton;
class StringGrid;

// "冲减应收款" / "冲减应付款": records one receipt (payment) against the document handed in,
// with its date and amount. Closes with Accepted once it is recorded.
class TCJForm : public QDialog {
    Q_OBJECT
public:
    TCJForm(AppContext& context, AccountSide side, QWidget* parent = nullptr);

    QDateEdit* payDate = nullptr;
    QLineEdit* QKEdit = nullptr;  // 目前尚欠款 (read-only)
    QLineEdit* SKEdit = nullptr;  // 本次收款 / 本次付款
    QPushButton* OKButton = nullptr;
    QPushButton* EscButton = nullptr;

    // The document the receipt is for.
    void SetDH(const QString& dh) { m_dh = dh; }
    QString DH() const { return m_dh; }

    void OKButtonClick();
    // Leaving the amount: a text that is not a number is refused and the focus stays.
    void SKEditExit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void refuseAmount(const QString& text);

    AppContext& m_ctx;
    AccountSide m_side;
    QString m_dh;
};

class TCJYSKForm : public TCJForm {
    Q_OBJECT
public:
    explicit TCJYSKForm(AppContext& context, QWidget* parent = nullptr)
        : TCJForm(context, AccountSide::Receivable, parent) {}
};

class TCJYFKForm : public TCJForm {
    Q_OBJECT
public:
    explicit TCJYFKForm(AppContext& context, QWidget* parent = nullptr)
        : TCJForm(context, AccountSide::Payable, parent) {}
};

// "收款过程" / "还款过程": the receipts (payments) recorded against one open document.
class TGCForm : public QDialog {
    Q_OBJECT
public:
    TGCForm(AppContext& context, AccountSide side, QWidget* parent = nullptr);

    StringGrid* paymentGrid = nullptr;
    QPushButton* EscButton = nullptr;

    // Hands in the document and lists its part payments.
    void SetDH(const QString& dh);

private:
    void setupUi();

    AppContext& m_ctx;
    AccountSide m_side;
};

class TSKGCForm : public TGCForm {
    Q_OBJECT
public:
    explicit TSKGCForm(AppContext& context, QWidget* parent = nullptr)
        : TGCForm(context, AccountSide::Receivable, parent) {}
};

class TFKGCForm : public TGCForm {
    Q_OBJECT
public:
    explicit TFKGCForm(AppContext& context, QWidget* parent = nullptr)
        : TGCForm(context, AccountSide::Payable, parent) {}
};
