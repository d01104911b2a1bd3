// Layout of the add-item dialogs.
#include "GoodsLineForm.h"

#include "WindowParts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

void GoodsLineForm::setupUi()
{
    setObjectName(QStringLiteral("AddItemForm"));
    setWindowTitle(QStringLiteral("添加商品"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    FindEdit = MakeEdit(this, "FindEdit");
    FindEdit->setPlaceholderText(QStringLiteral("输入型号的一部分，或扫描条码"));
    FindEdit->setClearButtonEnabled(true);
    // The matches show in a room of their own that stays when they go, so the dialog keeps its size;
    // while none show, the room says what it is for (the list covers the note).
    auto* findRoom = new QWidget(this);
    findRoom->setFixedHeight(110);
    findRoom->setMinimumWidth(300);
    auto* roomLayout = new QGridLayout(findRoom);
    roomLayout->setContentsMargins(0, 0, 0, 0);
    auto* roomNote = new QLabel(QStringLiteral("有多个商品相符时列在这里,\n上下键选择, 回车确定"), findRoom);
    roomNote->setAlignment(Qt::AlignCenter);
    roomNote->setEnabled(false);
    roomNote->setFrameShape(QFrame::StyledPanel);
    roomLayout->addWidget(roomNote, 0, 0);
    FindList = Named(new QListWidget(findRoom), "FindList");
    FindList->setUniformItemSizes(true);
    FindList->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);  // long matches do not widen the room
    roomLayout->addWidget(FindList, 0, 0);
    FindList->hide();

    auto combo = [this](const char* name) {
        auto* box = Named(new QComboBox(this), name);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(22);
        box->setMaxVisibleItems(20);
        return box;
    };
    brandBox = combo("ComboBox1");
    productBox = combo("ComboBox2");
    specBox = combo("ComboBox3");
    KCLabel = Named(new QLabel(this), "KCLabel");
    PJCBLabel = Named(new QLabel(this), "PJCBLabel");
    DJEdit = MakeEdit(this, "DJEdit");
    SLEdit = MakeEdit(this, "SLEdit");
    JEEdit = MakeEdit(this, "JEEdit");
    JEEdit->setEnabled(false);
    for (QLineEdit* e : {DJEdit, SLEdit, JEEdit})
        e->setAlignment(Qt::AlignRight);

    auto* fields = new QFormLayout;
    fields->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    fields->addRow(QStringLiteral("型号/条码"), FindEdit);
    fields->addRow(QString(), findRoom);
    fields->addRow(QStringLiteral("品牌"), brandBox);
    fields->addRow(QStringLiteral("产品"), productBox);
    fields->addRow(QStringLiteral("型号/规格"), specBox);
    auto* info = new QHBoxLayout;
    info->addWidget(KCLabel);
    info->addSpacing(16);
    info->addWidget(PJCBLabel);
    info->addStretch();
    fields->addRow(QString(), info);
    fields->addRow(QStringLiteral("单价"), DJEdit);
    fields->addRow(QStringLiteral("数量"), SLEdit);
    fields->addRow(QStringLiteral("金额"), JEEdit);

    okButton = MakeButton(this, "Button1", QStringLiteral("确定"));
    okButton->setDefault(true);
    backButton = MakeButton(this, "Button2", QStringLiteral("返回"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 14, 16, 12);
    top->setSpacing(10);
    top->addLayout(fields);
    top->addLayout(ButtonRow({okButton, backButton}));
    top->setSizeConstraint(QLayout::SetFixedSize);
    setTabOrder(FindEdit, FindList);
    setTabOrder(FindList, brandBox);
}
