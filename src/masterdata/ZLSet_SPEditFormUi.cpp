// Layout of the goods add/edit dialog: six panels of labelled fields, one shown at a time.
#include "ZLSet_SPEditForm.h"

#include "WindowParts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace {

struct Field {
    const char* label;
    QWidget* control;
};

// A panel: the fields with their labels in a column, a note, the confirm and return buttons.
QWidget* MakePanel(QWidget* parent, const char* objectName, std::initializer_list<Field> fields,
                   QPushButton* confirm, QPushButton* back, const QString& note = {})
{
    auto* panel = Named(new QWidget(parent), objectName);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    int row = 0;
    for (const Field& f : fields) {
        auto* label = new QLabel(QString::fromUtf8(f.label), panel);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        f.control->setParent(panel);
        f.control->setMinimumWidth(300);
        grid->addWidget(label, row, 0);
        grid->addWidget(f.control, row, 1);
        ++row;
    }
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(18, 16, 18, 12);
    layout->setSpacing(12);
    layout->addLayout(grid);
    confirm->setParent(panel);
    back->setParent(panel);
    layout->addLayout(ButtonRow({confirm, back}));
    if (!note.isEmpty()) {
        auto* text = new QLabel(note, panel);
        text->setStyleSheet(QStringLiteral("color: #a33a00;"));
        layout->addWidget(text);
    }
    return panel;
}

QComboBox* MakeCombo(QWidget* parent, const char* objectName, bool editable)
{
    auto* box = Named(new QComboBox(parent), objectName);
    box->setEditable(editable);
    box->setMaxVisibleItems(20);
    return box;
}

// The barcodes of a goods item, one a line: a scanner's Enter starts the next line, Tab moves on.
QPlainTextEdit* MakeBarcodeBox(QWidget* parent, const char* objectName)
{
    auto* box = Named(new QPlainTextEdit(parent), objectName);
    box->setTabChangesFocus(true);
    box->setPlaceholderText(QStringLiteral("每行一个条码，可用扫描枪扫入"));
    box->setFixedHeight(box->fontMetrics().lineSpacing() * 3 + 14);
    return box;
}

QLineEdit* ReadOnly(QLineEdit* edit)
{
    edit->setEnabled(false);
    return edit;
}

}  // namespace

void TZLSet_SPEditForm::setupUi()
{
    setObjectName(QStringLiteral("ZLSet_SPEditForm"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    const QString add = QStringLiteral("添加"), edit = QStringLiteral("修改"), back = QStringLiteral("返回");
    PPAdd_PPEdit = MakeEdit(this, "PPAdd_PPEdit");
    PPAddButton = MakeButton(this, "PPAddButton", add);
    PPAddExitButton = MakeButton(this, "PPAddExitButton", back);
    PPAddPanel = MakePanel(this, "PPAddPanel", {{"品牌", PPAdd_PPEdit}}, PPAddButton, PPAddExitButton);

    PPEdit_PPEdit = MakeEdit(this, "PPEdit_PPEdit");
    PPEditButton = MakeButton(this, "PPEditButton", edit);
    PPEditExitButton = MakeButton(this, "PPEditExitButton", back);
    PPEditPanel = MakePanel(this, "PPEditPanel", {{"品牌", PPEdit_PPEdit}}, PPEditButton, PPEditExitButton);

    CPAdd_PPComboBox = MakeCombo(this, "CPAdd_PPComboBox", false);
    CPAdd_CPEdit = MakeEdit(this, "CPAdd_CPEdit");
    CPAdd_TypeComboBox = MakeCombo(this, "CPAdd_TypeComboBox", true);
    CPAddButton = MakeButton(this, "CPAddButton", add);
    CPAddExitButton = MakeButton(this, "CPAddExitButton", back);
    CPAddPanel = MakePanel(this, "CPAddPanel",
                           {{"品牌", CPAdd_PPComboBox}, {"产品", CPAdd_CPEdit}, {"产品类型", CPAdd_TypeComboBox}},
                           CPAddButton, CPAddExitButton);

    CPEdit_PPEdit = ReadOnly(MakeEdit(this, "CPEdit_PPEdit"));
    CPEdit_CPEdit = MakeEdit(this, "CPEdit_CPEdit");
    CPEdit_TypeComboBox = MakeCombo(this, "CPEdit_TypeComboBox", true);
    CPEditButton = MakeButton(this, "CPEditButton", edit);
    CPEditExitButton = MakeButton(this, "CPEditExitButton", back);
    CPEditPanel = MakePanel(this, "CPEditPanel",
                            {{"品牌", CPEdit_PPEdit}, {"产品", CPEdit_CPEdit}, {"产品类型", CPEdit_TypeComboBox}},
                            CPEditButton, CPEditExitButton);

    GGAdd_PPComboBox = MakeCombo(this, "GGAdd_PPComboBox", false);
    GGAdd_CPComboBox = MakeCombo(this, "GGAdd_CPComboBox", false);
    GGAdd_GGEdit = MakeEdit(this, "GGAdd_GGEdit");
    GGAdd_CBEdit = MakeEdit(this, "GGAdd_CBEdit");
    GGAdd_SLEdit = MakeEdit(this, "GGAdd_SLEdit");
    GGAdd_TMEdit = MakeBarcodeBox(this, "GGAdd_TMEdit");
    GGAddButton = MakeButton(this, "GGAddButton", add);
    GGAddExitButton = MakeButton(this, "GGAddExitButton", back);
    GGAddPanel = MakePanel(this, "GGAddPanel",
                           {{"品牌", GGAdd_PPComboBox},
                            {"产品", GGAdd_CPComboBox},
                            {"规格/型号", GGAdd_GGEdit},
                            {"初始成本", GGAdd_CBEdit},
                            {"初始库存量", GGAdd_SLEdit},
                            {"条码", GGAdd_TMEdit}},
                           GGAddButton, GGAddExitButton,
                           QStringLiteral("注：“初始成本”是指单个商品的成\n本，在使用过程中系统会根据商品的\n"
                                          "每次采购价来自动计算商品的成本。"));

    GGEdit_PPEdit = ReadOnly(MakeEdit(this, "GGEdit_PPEdit"));
    GGEdit_CPEdit = ReadOnly(MakeEdit(this, "GGEdit_CPEdit"));
    GGEdit_GGEdit = MakeEdit(this, "GGEdit_GGEdit");
    GGEdit_CBEdit = MakeEdit(this, "GGEdit_CBEdit");
    GGEdit_SLEdit = MakeEdit(this, "GGEdit_SLEdit");
    GGEdit_TMEdit = MakeBarcodeBox(this, "GGEdit_TMEdit");
    GGEditButton = MakeButton(this, "GGEditButton", edit);
    GGEditExitButton = MakeButton(this, "GGEditExitButton", back);
    GGEditPanel = MakePanel(this, "GGEditPanel",
                            {{"品牌", GGEdit_PPEdit},
                             {"产品", GGEdit_CPEdit},
                             {"规格", GGEdit_GGEdit},
                             {"初始成本", GGEdit_CBEdit},
                             {"库存数量", GGEdit_SLEdit},
                             {"条码", GGEdit_TMEdit}},
                            GGEditButton, GGEditExitButton);

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSizeConstraint(QLayout::SetFixedSize);
    for (QWidget* p : {PPAddPanel, PPEditPanel, CPAddPanel, CPEditPanel, GGAddPanel, GGEditPanel})
        top->addWidget(p);
}
