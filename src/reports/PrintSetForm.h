#pragma once

#include "Records.h"

#include <QDialog>
#include <optional>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "销售单打印设置": paper size, page size, orientation and margins of the printed sales document,
// and the receipt slip's roll and printer (the print dialog or an ESC/POS receipt printer on a raw
// queue, a device file or the network, with the cash drawer), kept in section "PrintSet" of
// Set.ini and in XSDPrintSet of the context.
class TPrintSetForm : public QDialog {
    Q_OBJECT
public:
    explicit TPrintSetForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox* PaperSizeComboBox = nullptr;
    QLineEdit* WidthEdit = nullptr;   // 宽, millimetres
    QLineEdit* lengthEdit = nullptr;  // 高, millimetres
    QLineEdit* TopMEdit = nullptr;
    QLineEdit* BottomMEdit = nullptr;
    QLineEdit* LeftMEdit = nullptr;
    QLineEdit* RightMEdit = nullptr;
    QRadioButton* portraitButton = nullptr;  // 纵向
    QRadioButton* landscapeButton = nullptr;  // 横向
    QComboBox* ReceiptWidthComboBox = nullptr;  // width of the receipt slip's roll: 80 or 58 mm
    QComboBox* ReceiptPrinterComboBox = nullptr;  // print dialog, raw queue, device file, network printer
    QLineEdit* ReceiptTargetEdit = nullptr;       // the queue's name, the device file or host:port
    QCheckBox* DrawerCheckBox = nullptr;          // 打印小票时打开钱箱
    QPushButton* TestPageButton = nullptr;        // 打印测试页
    QCheckBox* NumberBarcodeCheckBox = nullptr;  // the sales document's number as a barcode
    QPushButton* OKButton = nullptr;       // 保存
    QPushButton* EscButton = nullptr;      // 取消

    void PaperSizeComboBoxChange();
    void OKButtonClick();
    void EscButtonClick();
    // A sample slip to the receipt printer as the window shows it now (saved or not).
    void TestPageButtonClick();

protected:
    // Enter moves on through the number edits; a key accepted in the width or length edit
    // switches the paper to "自定义大小".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void showSettings();
    void showReceiptTarget();
    // The settings given with the receipt printer as the window shows it.
    TXSDPrintSet withReceiptPrinter(TXSDPrintSet set) const;
    // The integer of a number edit; nothing (after telling the operator) when it holds none.
    std::optional<int> editValue(QLineEdit* edit, const QString& name);
    AppContext& m_ctx;
};
