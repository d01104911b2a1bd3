#pragma once

#include <QDialog>
#include <optional>

struct AppContext;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "销售单打印设置": paper size, page size, orientation and margins of the printed sales document,
// kept in section "PrintSet" of Set.ini and in XSDPrintSet of the context.
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
    QCheckBox* NumberBarcodeCheckBox = nullptr;  // the sales document's number as a barcode
    QPushButton* OKButton = nullptr;       // 保存
    QPushButton* EscButton = nullptr;      // 取消

    void PaperSizeComboBoxChange();
    void OKButtonClick();
    void EscButtonClick();

protected:
    // Enter moves on through the number edits; a key accepted in the width or length edit
    // switches the paper to "自定义大小".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void showSettings();
    // The integer of a number edit; nothing (after telling the operator) when it holds none.
    std::optional<int> editValue(QLineEdit* edit, const QString& name);
    AppContext& m_ctx;
};
