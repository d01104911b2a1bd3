#pragma once

#include <QDialog>

struct GoodsImportCheck;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class StringGrid;

// Preview of a catalogue import: the goods items the sheet would add, or the rows it refuses
// with their reasons. "导入" is offered only when every row is accepted.
class TGoodsImportForm : public QDialog {
    Q_OBJECT
public:
    TGoodsImportForm(const QString& fileName, const GoodsImportCheck& check, QWidget* parent = nullptr);

    QLabel* SummaryLabel = nullptr;
    StringGrid* itemGrid = nullptr;         // the goods items to add
    QPlainTextEdit* ErrorMemo = nullptr;    // the refused rows
    QPushButton* OKButton = nullptr;        // 导入
    QPushButton* CancelButton = nullptr;    // 取消

private:
    void setupUi();
};
