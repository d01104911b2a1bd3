// Layout of the system initialisation window.
#include "InitSYSForm.h"

#include "WindowParts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

void TInitSYSForm::setupUi()
{
    setObjectName(QStringLiteral("InitSYSForm"));
    setWindowTitle(QStringLiteral("系统初始化"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(14, 12, 14, 12);
    auto* note = new QVBoxLayout;
    note->setSpacing(1);
    for (const char* line : {"注：系统初始化用于初次使用本系统时清除演示数据，从而录入正式",
                             "数据。另外，如果软件长期使用后，用户希望清理历史业务数据重建一个",
                             "干净的系统，亦可使用此功能。"}) {
        auto* label = new QLabel(QString::fromUtf8(line), this);
        label->setStyleSheet(QStringLiteral("color: #b00000"));
        note->addWidget(label);
    }
    top->addLayout(note);

    auto* frame = new QGroupBox(this);
    auto* checks = new QVBoxLayout(frame);
    checks->setSpacing(6);
    const std::pair<QCheckBox**, std::pair<const char*, const char*>> items[] = {
        {&XSCheckBox, {"XSCheckBox", "销售记录(包括销售退货,销售应收款等与销售相关的所有数据)"}},
        {&CGCheckBox, {"CGCheckBox", "采购记录(包括采购退货,采购应付款等与采购相关的所有数据)"}},
        {&SPCheckBox, {"SPCheckBox", "商品资料/库存"}},
        {&GYSCheckBox, {"GYSCheckBox", "供应商信息"}},
        {&YGCheckBox, {"YGCheckBox", "员工信息"}},
        {&KHCheckBox, {"KHCheckBox", "客户信息"}},
        {&SZICheckBox, {"SZICheckBox", "收支项目"}},
        {&SZCheckBox, {"SZCheckBox", "收支记录"}},
        {&JQCheckBox, {"JQCheckBox", "经营数据结存记录"}},
        {&UserCheckBox, {"UserCheckBox", "清除系统用户(保留\"系统管理员\")"}},
    };
    for (const auto& [member, texts] : items) {
        *member = Named(new QCheckBox(QString::fromUtf8(texts.second), frame), texts.first);
        checks->addWidget(*member);
    }
    top->addWidget(frame, 1);

    SetAllButton = MakeButton(this, "SetAllButton", QStringLiteral("全选"));
    ClearButton = MakeButton(this, "ClearButton", QStringLiteral("清除数据"));
    ClearButton->setDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("退出"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(SetAllButton);
    buttons->addStretch();
    buttons->addWidget(ClearButton);
    buttons->addWidget(EscButton);
    top->addLayout(buttons);
}
