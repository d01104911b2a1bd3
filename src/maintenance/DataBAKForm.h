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

    QLineEdit* pathEdit = nullptr;
    QPushButton* browseButton = nullptr;  // "浏览"
    QPushButton* backupButton = nullptr;  // "开始备份"
    QPushButton* cancelButton = nullptr;  // "取消"
    QFileDialog* saveDialog = nullptr;
    StringGrid* AutoBackupGrid = nullptr;  // the automatic backups, newest first

    void browseButtonClick();
    void backupButtonClick();
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

    QLineEdit* pathEdit = nullptr;
    QPushButton* browseButton = nullptr;  // "浏览"
    QPushButton* restoreButton = nullptr;  // "开始恢复"
    QPushButton* cancelButton = nullptr;  // "取消"
    QFileDialog* openDialog = nullptr;

    void browseButtonClick();
    void restoreButtonClick();

private:
    void setupUi();

    AppContext& m_ctx;
};

// The name proposed for a backup made on `day`: "DBBack" + yyyyMMdd.
QString ProposedBackupName(const QDate& day);
