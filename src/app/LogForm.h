#pragma once

#include <QDialog>

struct AppContext;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The login window: the operator picks or types a user name and types the password. Closes with
// Accepted after a successful sign-in (LoginUser filled); three failed attempts close it with
// Rejected.
class TLogForm : public QDialog {
    Q_OBJECT
public:
    explicit TLogForm(AppContext& context, QWidget* parent = nullptr);

    QComboBox* userBox = nullptr;
    QLineEdit* passwordEdit = nullptr;
    QPushButton* loginButton = nullptr;
    QPushButton* exitButton = nullptr;
    QGroupBox* hintBox = nullptr;

    int failedAttempts() const { return m_failed; }

    void loginButtonClick();
    void exitButtonClick();

private:
    void setupUi();
    void FillUserCombo();
    void LoadLoginUser(const QString& UserName);

    AppContext& m_ctx;
    int m_failed = 0;
};
