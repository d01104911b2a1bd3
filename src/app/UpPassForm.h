#pragma once

#include <QDialog>

struct AppContext;
class QLineEdit;
class QPushButton;

// The password window: the signed-in user changes the own password.
class TUpPassForm : public QDialog {
    Q_OBJECT
public:
    explicit TUpPassForm(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* UserEdit = nullptr;
    QLineEdit* OldPassEdit = nullptr;
    QLineEdit* NewPass1Edit = nullptr;
    QLineEdit* NewPass2Edit = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* EscButton = nullptr;

    void OKButtonClick();
    void EscButtonClick();

private:
    void setupUi();
    AppContext& m_ctx;
};
