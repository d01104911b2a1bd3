#pragma once

#include <QDialog>

struct AppContext;
class QPushButton;
class StringGrid;

// Clearing a closed month's business data: the months closed with their data still present, and
// the command that deletes the chosen month's documents, lines and income and expense entries.
class TClearDataForm : public QDialog {
    Q_OBJECT
public:
    explicit TClearDataForm(AppContext& context, QWidget* parent = nullptr);

    StringGrid* monthGrid = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* EscButton = nullptr;

    void ClearButtonClick();

private:
    void setupUi();
    void ListUnclearedJieQun();

    AppContext& m_ctx;
};
