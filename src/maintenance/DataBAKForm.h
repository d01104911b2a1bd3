#pragma once

#include <QDialog>

struct AppContext;
class QFileDialog;
class QLineEdit;
class QPushButton;
class StringGrid;

// Backup of the database: the operator picks a target with "浏览" and starts the backup.
class TDataBAK_Form : public QDialog {
    Q_OBJECT
public:
    explicit TDataBAK_Form(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;  // "浏览"
    QPushButton* Button2 = nullptr;  // "开始备份"
    QPushButton* Button3 = nullptr;  // "取消"
    QFileDialog* SaveDialog1 = nullptr;
    StringGrid* AutoBackupGrid = nullptr;  // the automatic backups, newest first

    void Button1Click();
    void Button2Click();
    void ListAutoBackups();

private:
    void setupUi();

    AppContext& m_ctx;
};

// Restore of the database from a backup the operator picks with "浏览".
class TDataCBAK_Form : public QDialog {
    Q_OBJECT
public:
    explicit TDataCBAK_Form(AppContext& context, QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;  // "浏览"
    QPushButton* Button2 = nullptr;  // "开始恢复"
    QPushButton* Button3 = nullptr;  // "取消"
    QFileDialog* OpenDialog1 = nullptr;

    void Button1Click();
    void Button2Click();

private:
    void setupUi();

    AppContext& m_ctx;
};

// The name proposed for a backup made on `day`: "DBBack" + yyyyMMdd.
QString ProposedBackupName(const QDate& day);
