#pragma once

#include "TradeDocumentForm.h"

// "采购登记" / "采购退货": enters a purchase (kind 1) or a purchase return (kind 2) with its
// supplier and goods lines; confirming stores the document and posts each line to the stock and
// cost ledger (stock, moving average cost, latest purchase price).
class TBase_CGDJForm : public TradeDocumentForm {
    Q_OBJECT
public:
    explicit TBase_CGDJForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox*& GYSComboBox = partnerBox;     // 供应商
    QLabel*& Label11 = partnerLink;           // opens the supplier window
    QLineEdit*& PhoneEdit = phoneEdit;
    QLineEdit*& AddressEdit = addressEdit;
    QLabel*& Label3 = dateLabel;              // 采购日期 / 退货日期
    QLineEdit*& DHEdit = numberEdit;
    QPushButton*& browsebutton = previewButton;
    QLabel*& Label6 = paidLabel;              // 实付 / 实收

    void InitCaiGouDan();
    bool SaveCaiGouDan();
    void PrintCaiGouDan(int mode);
    void GYSComboBoxChange();
    void Label11Click();
    void browsebuttonClick() { previewButtonClick(); }

protected:
    void fillLists() override { InitCaiGouDan(); }
    std::unique_ptr<GoodsLineForm> makeAddForm() override;
    bool saveDocument() override { return SaveCaiGouDan(); }
    void printDocument(int mode) override { PrintCaiGouDan(mode); }
    void partnerLinkClick() override { Label11Click(); }
    void partnerChange() override { GYSComboBoxChange(); }
};
