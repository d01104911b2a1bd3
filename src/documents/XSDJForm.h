#pragma once

#include "TradeDocumentForm.h"

// "销售登记" / "销售退货": enters a sale (kind 1) or a sales return (kind 2) with its customer,
// salesperson and goods lines; confirming stores the document and lowers (or, for a return,
// raises) the stock of each line's goods. A saved document prints on the sales document's paper
// settings, and as a receipt slip on a till roll.
class TBase_XSDJForm : public TradeDocumentForm {
    Q_OBJECT
public:
    explicit TBase_XSDJForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox*& KHComboBox = partnerBox;      // 客户
    QLineEdit*& KHPhoneEdit = phoneEdit;
    QLineEdit*& KHAddressEdit = addressEdit;
    QComboBox* YYYComboBox = nullptr;         // 业务员
    QLineEdit*& XDHEdit = numberEdit;
    QPushButton*& BrowseButton = previewButton;
    QPushButton* SlipPrintButton = nullptr;   // 打印小票
    QPushButton* SlipBrowseButton = nullptr;  // 小票预览

    void InitXiaoShouDan();
    bool SaveXiaoShouDan();
    void PrintXiaoShouDan(ReportOutput output);
    // The receipt slip of the saved document on the till roll of the print settings.
    void PrintXiaoShouSlip(ReportOutput output);
    void KHComboBoxChange();
    void openCustomerWindow();
    void BrowseButtonClick() { previewButtonClick(); }

protected:
    void fillLists() override { InitXiaoShouDan(); }
    std::unique_ptr<GoodsLineForm> makeAddForm() override;
    bool saveDocument() override { return SaveXiaoShouDan(); }
    void printDocument(ReportOutput output) override { PrintXiaoShouDan(output); }
    void partnerLinkClick() override { openCustomerWindow(); }
    void partnerChange() override { KHComboBoxChange(); }
    bool confirmClearAll() override;
    QList<QWidget*> enteringControls() const override;
    QList<QWidget*> savedControls() const override;
    void clearHeader() override;
};
