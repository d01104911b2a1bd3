#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

struct GoodsKey;

struct AppContext;
class GoodsSelector;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The add/edit dialog of the goods window: six pages, one shown (brand add/edit, product
// add/edit, goods item add/edit). Each confirm button checks the input in a fixed order, writes
// through one data routine and closes; its return button closes without saving.
class TZLSet_SPEditForm : public QDialog {
    Q_OBJECT
public:
    enum Page { PPAdd = 1, PPEdit, CPAdd, CPEdit, GGAdd, GGEdit };

    explicit TZLSet_SPEditForm(AppContext& context, QWidget* parent = nullptr);

    // Shows the page's panel alone, with its caption, size and default button.
    void ShowEditPage(int page);
    int page() const { return m_page; }

    QString OldPinPai, OldChanPin, OldGuiGe;

    QWidget *PPAddPanel = nullptr, *PPEditPanel = nullptr, *CPAddPanel = nullptr, *CPEditPanel = nullptr,
            *GGAddPanel = nullptr, *GGEditPanel = nullptr;
    QLineEdit* PPAdd_PPEdit = nullptr;
    QPushButton *PPAddButton = nullptr, *PPAddExitButton = nullptr;
    QLineEdit* PPEdit_PPEdit = nullptr;
    QPushButton *PPEditButton = nullptr, *PPEditExitButton = nullptr;
    QComboBox* CPAdd_PPComboBox = nullptr;
    QLineEdit* CPAdd_CPEdit = nullptr;
    QComboBox* CPAdd_TypeComboBox = nullptr;
    QPushButton *CPAddButton = nullptr, *CPAddExitButton = nullptr;
    QLineEdit *CPEdit_PPEdit = nullptr, *CPEdit_CPEdit = nullptr;
    QComboBox* CPEdit_TypeComboBox = nullptr;
    QPushButton *CPEditButton = nullptr, *CPEditExitButton = nullptr;
    QComboBox *GGAdd_PPComboBox = nullptr, *GGAdd_CPComboBox = nullptr;
    QLineEdit *GGAdd_GGEdit = nullptr, *GGAdd_CBEdit = nullptr, *GGAdd_SLEdit = nullptr;
    QPlainTextEdit* GGAdd_TMEdit = nullptr;  // 条码, one a line
    QPushButton *GGAddButton = nullptr, *GGAddExitButton = nullptr;
    QLineEdit *GGEdit_PPEdit = nullptr, *GGEdit_CPEdit = nullptr, *GGEdit_GGEdit = nullptr,
              *GGEdit_CBEdit = nullptr, *GGEdit_SLEdit = nullptr;
    QPlainTextEdit* GGEdit_TMEdit = nullptr;  // 条码, one a line
    QPushButton *GGEditButton = nullptr, *GGEditExitButton = nullptr;

    // The brand and product lists of page 5, chained.
    GoodsSelector* GGAddGoods = nullptr;

    void PPAddButtonClick();
    void PPEditButtonClick();
    void CPAddButtonClick();
    void CPEditButtonClick();
    void GGAddButtonClick();
    void GGEditButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void setupUi();
    void ClearEditInputs();
    QWidget* panel(int page) const;
    QPushButton* confirmButton(int page) const;
    void refuse(QWidget* box, const QString& text);
    // Reads the stock and cost boxes of a goods item page; false (refused) when one is unusable.
    bool readStockAndCost(QLineEdit* SLEdit, QLineEdit* CBEdit, int& ShuLiang, double& PJCB);
    // Reads the barcode box of a goods item page for the goods item; false (refused, with the
    // reason) when a code is unusable or another goods item holds it.
    bool readBarcodes(QPlainTextEdit* box, const GoodsKey& goods, QStringList& codes);

    AppContext& m_ctx;
    int m_page = 0;
};
