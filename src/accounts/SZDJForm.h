#pragma once

#include <QDialog>

struct AppContext;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "收支登记": records income and expense entries one after another, each with the next "sz"
// number of its date.
class TSZDJForm : public QDialog {
    Q_OBJECT
public:
    explicit TSZDJForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* SZDHEdit = nullptr;  // the number the entry will be saved with (disabled)
    QDateEdit* entryDate = nullptr;
    QComboBox* SZComboBox = nullptr;
    QRadioButton* ZCRadioButton = nullptr;  // 支出
    QRadioButton* SRRadioButton = nullptr;  // 收入
    QLineEdit* JEEdit = nullptr;
    QPlainTextEdit* remarkMemo = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* EscButton = nullptr;

    void SaveButtonClick();
    void entryDateChange();
    // Empties the form for the next entry; the date stays.
    void ResetForm();

private:
    void setupUi();
    void refuse(const QString& text);

    AppContext& m_ctx;
    QButtonGroup* m_types = nullptr;
};
