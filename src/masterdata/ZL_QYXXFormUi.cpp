// Layout of the enterprise information window.
#include "ZL_QYXXForm.h"

#include "ScreenHelpers.h"
#include "WindowParts.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void TZL_QYXXForm::setupUi()
{
    setObjectName(QStringLiteral("ZL_QYXXForm"));
    setWindowTitle(QStringLiteral("企业信息配置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    int row = 0;
    const auto field = [&](QLineEdit*& edit, const char* name, const char* label, int maxLength, int span) {
        edit = MakeEdit(this, name);
        LimitLength(edit, maxLength);
        auto* caption = new QLabel(QString::fromUtf8(label), this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(caption, row, 0);
        grid->addWidget(edit, row, 1, 1, span);
    };
    field(nameEdit, "Edit1", "公司名称：", 100, 3);
    ++row;
    field(phoneEdit, "Edit2", "联系电话：", 35, 1);
    auto* phoneNote = new QLabel(QStringLiteral("此处最多可填写两个联系电话，若填\n两个号码，请在号码间留空格"), this);
    phoneNote->setStyleSheet(QStringLiteral("color: #555555;"));
    grid->addWidget(phoneNote, row, 2, 1, 2);
    ++row;
    field(faxEdit, "Edit3", "传真：", 20, 1);
    auto* postLabel = new QLabel(QStringLiteral("邮编："), this);
    postLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    postcodeEdit = MakeEdit(this, "Edit4");
    LimitLength(postcodeEdit, 20);
    grid->addWidget(postLabel, row, 2);
    grid->addWidget(postcodeEdit, row, 3);
    ++row;
    field(addressEdit, "Edit5", "地址：", 100, 3);
    ++row;
    field(bankEdit, "Edit6", "开户行：", 50, 3);
    ++row;
    field(accountEdit, "Edit7", "帐号：", 50, 3);
    ++row;
    field(taxNumberEdit, "Edit8", "税号：", 50, 3);
    ++row;

    introMemo = new QPlainTextEdit(this);
    introMemo->setObjectName(QStringLiteral("Memo1"));
    introMemo->setFixedHeight(90);
    introMemo->setTabChangesFocus(true);  // the introduction is one paragraph; Tab moves on
    auto* memoLabel = new QLabel(QStringLiteral("简介："), this);
    memoLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(memoLabel, row, 0);
    grid->addWidget(introMemo, row, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* note = new QLabel(QStringLiteral("注：以上信息将显示在销售单中，简介内容应简短(最多90个汉字)"), this);
    note->setStyleSheet(QStringLiteral("color: #a33a00;"));

    saveButton = MakeButton(this, "Button1", QStringLiteral("保存"));
    cancelButton = MakeButton(this, "Button2", QStringLiteral("取消"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 18, 20, 14);
    top->setSpacing(12);
    top->addLayout(grid);
    top->addWidget(note);
    top->addLayout(ButtonRow({saveButton, cancelButton}));
    setFixedSize(560, sizeHint().height());
}
