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
    QLineEdit*& PhoneEdit = phoneEdit;
    QLineEdit*& AddressEdit = addressEdit;
    QLineEdit*& DHEdit = numberEdit;
    QPushButton*& browsebutton = previewButton;

    void InitCaiGouDan();
    bool SaveCaiGouDan();
    void PrintCaiGouDan(ReportOutput output);
    void GYSComboBoxChange();
    void openSupplierWindow();
    void browsebuttonClick() { previewButtonClick(); }

protected:
    void fillLists() override { InitCaiGouDan(); }
    std::unique_ptr<GoodsLineForm> makeAddForm() override;
    bool saveDocument() override { return SaveCaiGouDan(); }
    void printDocument(ReportOutput output) override { PrintCaiGouDan(output); }
    void partnerLinkClick() override { openSupplierWindow(); }
    void partnerChange() override { GYSComboBoxChange(); }
};
