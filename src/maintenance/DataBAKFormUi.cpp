// Layout of the backup and restore windows.
#include "DataBAKForm.h"

#include "GridColumns.h"
#include "StringGrid.h"
#include "WindowParts.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The label, the read-only edit with "浏览" beside it, and the two buttons below.
void LayOut(QDialog* form, const QString& title, const QString& caption, const QString& start, QLineEdit*& edit,
            QPushButton*& browse, QPushButton*& go, QPushButton*& cancel)
{
    form->setWindowTitle(title);
    edit = MakeEdit(form, "Edit1");
    edit->setReadOnly(true);
    edit->setMinimumWidth(300);
    browse = MakeButton(form, "Button1", QStringLiteral("浏览"));
    go = MakeButton(form, "Button2", start);
    cancel = MakeButton(form, "Button3", QStringLiteral("取消"));
    auto* path = new QHBoxLayout;
    path->addWidget(edit, 1);
    path->addWidget(browse);
    auto* top = new QVBoxLayout(form);
    top->setContentsMargins(16, 14, 16, 14);
    top->addWidget(new QLabel(caption, form));
    top->addLayout(path);
    top->addSpacing(8);
    top->addLayout(ButtonRow({go, cancel}));
}

// The file dialog of both windows: database files "*.data", a name typed without an extension
// gets ".data" so that the restore window finds the backup under the same filter.
QFileDialog* FileDialog(QWidget* parent, const char* name, QFileDialog::AcceptMode mode)
{
    auto* dialog = Named(new QFileDialog(parent), name);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog->setNameFilter(QStringLiteral("*.data"));
    dialog->setDefaultSuffix(QStringLiteral("data"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);
    return dialog;
}

}  // namespace

void TDataBAK_Form::setupUi()
{
    setObjectName(QStringLiteral("DataBAK_Form"));
    LayOut(this, QStringLiteral("数据备份"), QStringLiteral("备份路径及文件名："), QStringLiteral("开始备份"), pathEdit,
           browseButton, backupButton, cancelButton);
    saveDialog = FileDialog(this, "SaveDialog1", QFileDialog::AcceptSave);

    // The automatic backups made on leaving the program and before data are cleared or replaced,
    // under the buttons.
    AutoBackupGrid = Named(new StringGrid(this), "AutoBackupGrid");
    AutoBackupGrid->setFixedCols(0);
    SetGridColumns(*AutoBackupGrid, {{QStringLiteral("备份日期"), 140, {}},
                                     {QStringLiteral("大小"), 80, {}},
                                     {QStringLiteral("文件"), 320, {}}});
    AutoBackupGrid->verticalHeader()->hide();
    AutoBackupGrid->setMinimumHeight(140);
    auto* top = static_cast<QVBoxLayout*>(layout());
    top->addSpacing(8);
    top->addWidget(new QLabel(QStringLiteral("自动备份(每天退出程序时、清除或恢复数据前备份到 Data/backup)："), this));
    top->addWidget(AutoBackupGrid, 1);
    resize(540, 380);
}

void TDataCBAK_Form::setupUi()
{
    setObjectName(QStringLiteral("DataCBAK_Form"));
    LayOut(this, QStringLiteral("数据恢复"), QStringLiteral("恢复路径及文件名："), QStringLiteral("开始恢复"), pathEdit,
           browseButton, restoreButton, cancelButton);
    openDialog = FileDialog(this, "OpenDialog1", QFileDialog::AcceptOpen);
}
