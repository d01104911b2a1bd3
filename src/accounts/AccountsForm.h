#pragma once

#include "PartPayments.h"

#include <QDialog>

struct AppContext;
class QLabel;
class QPushButton;
class RefreshOffer;
class StringGrid;

// The receivables window ("销售应收款") and the payables window ("采购应付款"): one window for
// both sides. Left the customers (suppliers) who owe or are owed, "所有" first; right their open
// documents and the lines of the selected one; below the totals. A receipt (payment) is recorded
// against the selected document, what remains may be written off, the part payments looked at,
// and the list printed or previewed.
class TAccountsForm : public QDialog {
    Q_OBJECT
public:
    TAccountsForm(AppContext& context, AccountSide side, QWidget* parent = nullptr);

    AccountSide side() const { return m_side; }

    QPushButton* HXButton = nullptr;    // 核消应收款 / 核消应付款
    QPushButton* CJButton = nullptr;    // 冲减应收款 / 冲减应付款
    QPushButton* GCButton = nullptr;    // 收款过程 / 付款过程 (object name SKGCButton / FKGCButton)
    QPushButton* PrintButton = nullptr;
    QPushButton* BrowseButton = nullptr;
    QPushButton* ZLButton = nullptr;     // 账龄分析
    QPushButton* DZDButton = nullptr;    // 对账单 (receivables only): the selected customer's statement
    QPushButton* EscButton = nullptr;
    StringGrid* partyGrid = nullptr;    // customers (suppliers)
    StringGrid* documentGrid = nullptr;  // open documents
    StringGrid* lineGrid = nullptr;     // lines of the selected document
    QLabel* JELabel = nullptr;
    QLabel* QKLabel = nullptr;
    RefreshOffer* refreshOffer = nullptr;  // 数据已更新, 刷新

    void HXButtonClick();
    void CJButtonClick();
    void GCButtonClick();
    void PrintButtonClick();
    void BrowseButtonClick();
    void ZLButtonClick();
    void DZDButtonClick();
    void partySelected();
    void documentSelected();

    // Fills the lists again from the database: "所有" selected, every open document, the lines of
    // the first, the totals.
    void RefreshAll();
    // The same after another counter's change, keeping the chosen customer (supplier) and
    // document where they are still listed.
    void Reread();

private:
    void setupUi();
    void ListParties();
    void ListDocuments(const QString& party);
    void ShowLines(const QString& dh);
    void ShowTotals();
    QString selectedDH() const;
    QString selectedParty() const;
    void PrintList(bool print);

    AppContext& m_ctx;
    AccountSide m_side;
};

class TXSYSKForm : public TAccountsForm {
    Q_OBJECT
public:
    explicit TXSYSKForm(AppContext& context, QWidget* parent = nullptr)
        : TAccountsForm(context, AccountSide::Receivable, parent) {}
};

class TCGYFKForm : public TAccountsForm {
    Q_OBJECT
public:
    explicit TCGYFKForm(AppContext& context, QWidget* parent = nullptr)
        : TAccountsForm(context, AccountSide::Payable, parent) {}
};
