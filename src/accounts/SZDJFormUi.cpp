// Layout of the income and expense entry window.
#include "SZDJForm.h"

#include "WindowParts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

void TSZDJForm::setupUi()
{
    setObjectName(QStringLiteral("SZDJForm"));
    setWindowTitle(QStringLiteral("收支登记"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    SZDHEdit = MakeEdit(this, "SZDHEdit");
    SZDHEdit->setEnabled(false);
    entryDate = MakeDateEdit(this, "DateTimePicker1");
    SZComboBox = Named(new QComboBox(this), "SZComboBox");
    SZComboBox->setEditable(false);
    ZCRadioButton = Named(new QRadioButton(QStringLiteral("支出"), this), "ZCRadioButton");
    SRRadioButton = Named(new QRadioButton(QStringLiteral("收入"), this), "SRRadioButton");
    auto* types = new QHBoxLayout;
    types->addWidget(ZCRadioButton);
    types->addWidget(SRRadioButton);
    types->addStretch();
    JEEdit = MakeEdit(this, "JEEdit");
    remarkMemo = Named(new QPlainTextEdit(this), "Memo1");
    remarkMemo->setTabChangesFocus(true);
    remarkMemo->setFixedHeight(80);
    SaveButton = MakeButton(this, "SaveButton", QStringLiteral("保存"));
    SaveButton->setAutoDefault(true);  // Enter on the focused button saves
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->setVerticalSpacing(10);
    fields->addRow(QStringLiteral("收支单号"), SZDHEdit);
    fields->addRow(QStringLiteral("收支日期"), entryDate);
    fields->addRow(QStringLiteral("收支项目"), SZComboBox);
    fields->addRow(QStringLiteral("收支类型"), types);
    fields->addRow(QStringLiteral("收支金额"), JEEdit);
    fields->addRow(QStringLiteral("备注"), remarkMemo);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(20, 18, 20, 14);
    top->setSpacing(14);
    top->addLayout(fields);
    top->addLayout(ButtonRow({SaveButton, EscButton}));
    setFixedSize(360, sizeHint().height());
}
