// Layout of the sales document print settings window.
#include "PrintSetForm.h"

#include "WindowParts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLineEdit* NumberEdit(QWidget* parent, const char* name)
{
    auto* edit = MakeEdit(parent, name);
    edit->setFixedWidth(64);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// A caption, a number edit and "毫米" in three cells of a grid row.
void AddLengthRow(QGridLayout* grid, int row, int column, const QString& caption, QLineEdit* edit)
{
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
    grid->addWidget(new QLabel(QStringLiteral("毫米")), row, column + 2);
}

}  // namespace

void TPrintSetForm::setupUi()
{
    setObjectName(QStringLiteral("PrintSetForm"));
    setWindowTitle(QStringLiteral("销售单打印设置"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    auto* paperBox = new QGroupBox(QStringLiteral("纸张大小"), this);
    PaperSizeComboBox = new QComboBox(paperBox);
    PaperSizeComboBox->setObjectName(QStringLiteral("PaperSizeComboBox"));
    WidthEdit = NumberEdit(paperBox, "WidthEdit");
    lengthEdit = NumberEdit(paperBox, "lengthEdit");
    auto* paperGrid = new QGridLayout(paperBox);
    paperGrid->addWidget(PaperSizeComboBox, 0, 0, 1, 7);
    AddLengthRow(paperGrid, 1, 0, QStringLiteral("宽"), WidthEdit);
    AddLengthRow(paperGrid, 1, 4, QStringLiteral("高"), lengthEdit);
    paperGrid->setColumnMinimumWidth(3, 18);

    auto* marginBox = new QGroupBox(QStringLiteral("边距"), this);
    TopMEdit = NumberEdit(marginBox, "TopMEdit");
    BottomMEdit = NumberEdit(marginBox, "BottomMEdit");
    LeftMEdit = NumberEdit(marginBox, "LeftMEdit");
    RightMEdit = NumberEdit(marginBox, "RightMEdit");
    auto* marginGrid = new QGridLayout(marginBox);
    AddLengthRow(marginGrid, 0, 0, QStringLiteral("上边距"), TopMEdit);
    AddLengthRow(marginGrid, 0, 4, QStringLiteral("下边距"), BottomMEdit);
    AddLengthRow(marginGrid, 1, 0, QStringLiteral("左边距"), LeftMEdit);
    AddLengthRow(marginGrid, 1, 4, QStringLiteral("右边距"), RightMEdit);
    marginGrid->setColumnMinimumWidth(3, 18);

    auto* directionBox = new QGroupBox(QStringLiteral("方向"), this);
    portraitButton = new QRadioButton(QStringLiteral("纵向"), directionBox);
    portraitButton->setObjectName(QStringLiteral("RadioButton1"));
    landscapeButton = new QRadioButton(QStringLiteral("横向"), directionBox);
    landscapeButton->setObjectName(QStringLiteral("RadioButton2"));
    auto* directionRow = new QHBoxLayout(directionBox);
    directionRow->addWidget(portraitButton);
    directionRow->addWidget(landscapeButton);
    directionRow->addStretch();

    auto* receiptBox = new QGroupBox(QStringLiteral("小票"), this);
    ReceiptWidthComboBox = new QComboBox(receiptBox);
    ReceiptWidthComboBox->setObjectName(QStringLiteral("ReceiptWidthComboBox"));
    ReceiptWidthComboBox->addItems({QStringLiteral("80毫米"), QStringLiteral("58毫米")});
    ReceiptPrinterComboBox = Named(new QComboBox(receiptBox), "ReceiptPrinterComboBox");
    ReceiptPrinterComboBox->addItems({QStringLiteral("系统打印（打印对话框）"), QStringLiteral("打印队列（原始数据）"),
                                      QStringLiteral("USB打印机设备文件"), QStringLiteral("网络打印机")});
    ReceiptTargetEdit = MakeEdit(receiptBox, "ReceiptTargetEdit");
    DrawerCheckBox = Named(new QCheckBox(QStringLiteral("打印小票时打开钱箱"), receiptBox), "DrawerCheckBox");
    TestPageButton = MakeButton(receiptBox, "TestPageButton", QStringLiteral("打印测试页"));
    auto* receiptGrid = new QGridLayout(receiptBox);
    receiptGrid->addWidget(new QLabel(QStringLiteral("纸卷宽度")), 0, 0);
    receiptGrid->addWidget(ReceiptWidthComboBox, 0, 1);
    receiptGrid->addWidget(new QLabel(QStringLiteral("小票打印机")), 1, 0);
    receiptGrid->addWidget(ReceiptPrinterComboBox, 1, 1, 1, 2);
    receiptGrid->addWidget(new QLabel(QStringLiteral("位置")), 2, 0);
    receiptGrid->addWidget(ReceiptTargetEdit, 2, 1, 1, 2);
    receiptGrid->addWidget(DrawerCheckBox, 3, 1, 1, 2);
    receiptGrid->addWidget(TestPageButton, 0, 2, Qt::AlignRight);
    receiptGrid->setColumnStretch(2, 1);

    NumberBarcodeCheckBox = new QCheckBox(QStringLiteral("销售单上打印单号条码（Code 128）"), this);
    NumberBarcodeCheckBox->setObjectName(QStringLiteral("NumberBarcodeCheckBox"));

    // Enter in the edits only moves the focus; on the focused "保存" it saves.
    OKButton = MakeButton(this, "OKButton", QStringLiteral("保存"));
    OKButton->setAutoDefault(true);
    EscButton = MakeButton(this, "EscButton", QStringLiteral("取消"));

    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(16, 14, 16, 12);
    top->setSpacing(10);
    top->addWidget(paperBox);
    top->addWidget(marginBox);
    top->addWidget(directionBox);
    top->addWidget(NumberBarcodeCheckBox);
    top->addWidget(receiptBox);
    top->addLayout(ButtonRow({OKButton, EscButton}));
    setFixedSize(sizeHint());
}
