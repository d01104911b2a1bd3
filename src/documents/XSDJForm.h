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
    QLabel*& Label12 = partnerLink;           // opens the customer window
    QLineEdit*& KHPhoneEdit = phoneEdit;
    QLineEdit*& KHAddressEdit = addressEdit;
    QComboBox* YYYComboBox = nullptr;         // 业务员
    QLabel*& Label4 = dateLabel;              // 销售日期 / 退货日期
    QLineEdit*& XDHEdit = numberEdit;
    QPushButton*& BrowseButton = previewButton;
    QLabel*& Label7 = paidLabel;              // 实收 / 实付
    QPushButton* SlipPrintButton = nullptr;   // 打印小票
    QPushButton* SlipBrowseButton = nullptr;  // 小票预览

    void InitXiaoShouDan();
    bool SaveXiaoShouDan();
    void PrintXiaoShouDan(int mode);
    // The receipt slip of the saved document on the till roll of the print settings.
    void PrintXiaoShouSlip(int mode);
    void KHComboBoxChange();
    void Label12Click();
    void BrowseButtonClick() { previewButtonClick(); }

protected:
    void fillLists() override { InitXiaoShouDan(); }
    std::unique_ptr<GoodsLineForm> makeAddForm() override;
    bool saveDocument() override { return SaveXiaoShouDan(); }
    void printDocument(int mode) override { PrintXiaoShouDan(mode); }
    void partnerLinkClick() override { Label12Click(); }
    void partnerChange() override { KHComboBoxChange(); }
    bool confirmClearAll() override;
    QList<QWidget*> stateOneControls() const override;
    QList<QWidget*> stateTwoControls() const override;
    void clearHeader() override;
};
