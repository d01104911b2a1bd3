#include "PrintSetForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "PrintReport.h"
#include "ScreenHelpers.h"
#include "Settings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <iterator>

namespace {

// The paper sizes offered, in list order: the report engine's paper code, the list text and the
// page size in millimetres (none for the custom size, which takes the typed width and length).
struct PaperEntry {
    std::uint8_t code;
    const char* text;
    int width;
    int length;
};

const PaperEntry Papers[] = {
    {8, "A3(297x420mm)", 297, 420},
    {9, "A4(210x297mm)", 210, 297},
    {10, "A4Small(210x297mm)", 210, 297},
    {11, "A5", 148, 210},
    {12, "B4", 250, 354},
    {13, "B5", 182, 257},
    {27, "自定义大小", 0, 0},
};
constexpr int CustomPaper = int(std::size(Papers)) - 1;

// The list entry of a paper code; a code of none of the entries counts as the custom size.
int PaperIndex(std::uint8_t code)
{
    for (int i = 0; i < int(std::size(Papers)); ++i)
        if (Papers[i].code == code)
            return i;
    return CustomPaper;
}

}  // namespace

TPrintSetForm::TPrintSetForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    for (const PaperEntry& p : Papers)
        PaperSizeComboBox->addItem(QString::fromUtf8(p.text));
    for (QLineEdit* edit : {WidthEdit, lengthEdit, TopMEdit, BottomMEdit, LeftMEdit, RightMEdit}) {
        InstallIntKeyFilter(edit);
        edit->installEventFilter(this);
        EnterMovesFocus(edit, edit == WidthEdit ? static_cast<QWidget*>(lengthEdit) : OKButton);
    }
    GuardedConnect(PaperSizeComboBox, &QComboBox::activated, this, m_ctx, &TPrintSetForm::PaperSizeComboBoxChange);
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, &TPrintSetForm::OKButtonClick);
    GuardedConnect(EscButton, &QPushButton::clicked, this, m_ctx, &TPrintSetForm::EscButtonClick);
    GuardedConnect(TestPageButton, &QPushButton::clicked, this, m_ctx, &TPrintSetForm::TestPageButtonClick);
    GuardedConnect(ReceiptPrinterComboBox, &QComboBox::currentIndexChanged, this, m_ctx, &TPrintSetForm::showReceiptTarget);
    EnterMovesFocus(ReceiptTargetEdit, OKButton);
    showSettings();
}

// The edits show the stored width and length even when they differ from the entry's size.
void TPrintSetForm::showSettings()
{
    const TXSDPrintSet& s = m_ctx.XSDPrintSet;
    PaperSizeComboBox->setCurrentIndex(
        ComboIndexOf(*PaperSizeComboBox, QString::fromUtf8(Papers[PaperIndex(s.PaperSize)].text)));
    WidthEdit->setText(QString::number(s.Width));
    lengthEdit->setText(QString::number(s.Length));
    (s.Orientation != 0 ? landscapeButton : portraitButton)->setChecked(true);
    TopMEdit->setText(QString::number(s.TopMargin));
    BottomMEdit->setText(QString::number(s.BottomMargin));
    LeftMEdit->setText(QString::number(s.LeftMargin));
    RightMEdit->setText(QString::number(s.RightMargin));
    ReceiptWidthComboBox->setCurrentIndex(s.ReceiptWidth == 58 ? 1 : 0);
    ReceiptPrinterComboBox->setCurrentIndex(s.ReceiptPrinter);
    ReceiptTargetEdit->setText(s.ReceiptTarget);
    DrawerCheckBox->setChecked(s.ReceiptDrawer);
    showReceiptTarget();
    NumberBarcodeCheckBox->setChecked(s.NumberBarcode == 1);
}

// The target box says what it takes; the print dialog needs none, no drawer kick and no test page
// (a slip's preview shows what it prints).
void TPrintSetForm::showReceiptTarget()
{
    const char* const hints[] = {"", "打印队列名称，如 Receipt", "设备文件，如 /dev/usb/lp0", "地址:端口，如 192.168.1.50:9100"};
    const int kind = qBound(0, ReceiptPrinterComboBox->currentIndex(), 3);
    ReceiptTargetEdit->setPlaceholderText(QString::fromUtf8(hints[kind]));
    ReceiptTargetEdit->setEnabled(kind != 0);
    DrawerCheckBox->setEnabled(kind != 0);
    TestPageButton->setEnabled(kind != 0);
}

TXSDPrintSet TPrintSetForm::withReceiptPrinter(TXSDPrintSet set) const
{
    set.ReceiptWidth = ReceiptWidthComboBox->currentIndex() == 1 ? 58 : 80;
    set.ReceiptPrinter = qBound(0, ReceiptPrinterComboBox->currentIndex(), 3);
    set.ReceiptTarget = ReceiptTargetEdit->text().trimmed();
    set.ReceiptDrawer = DrawerCheckBox->isChecked();
    return set;
}

void TPrintSetForm::TestPageButtonClick()
{
    const TXSDPrintSet set = withReceiptPrinter(m_ctx.XSDPrintSet);
    if (set.ReceiptPrinter != 0 && set.ReceiptTarget.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请先填写小票打印机的位置。"));
        ReceiptTargetEdit->setFocus();
        return;
    }
    if (PrintReceipt(m_ctx, this, ReceiptTestPage(m_ctx.GsInfo, m_ctx.today()), set) && set.ReceiptPrinter != 0)
        m_ctx.prompts->message(this, QStringLiteral("测试页已送到小票打印机。"));
}

void TPrintSetForm::PaperSizeComboBoxChange()
{
    const int i = PaperSizeComboBox->currentIndex();
    if (i < 0 || i == CustomPaper)
        return;
    WidthEdit->setText(QString::number(Papers[i].width));
    lengthEdit->setText(QString::number(Papers[i].length));
}

bool TPrintSetForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (edit == WidthEdit || edit == lengthEdit) {
        const QChar typed = key->key() == Qt::Key_Backspace ? Backspace
                            : key->text().size() == 1   ? key->text()[0]
                                                        : QChar();
        if (!typed.isNull() && !IntKeyFilter(typed, *edit).isNull())
            PaperSizeComboBox->setCurrentIndex(CustomPaper);
    }
    return false;
}

std::optional<int> TPrintSetForm::editValue(QLineEdit* edit, const QString& name)
{
    bool ok = false;
    const int value = edit->text().trimmed().toInt(&ok);
    if (ok)
        return value;
    m_ctx.prompts->message(this, edit->text().trimmed().isEmpty() ? name + QStringLiteral("不能为空!")
                                                                  : name + QStringLiteral("必须是整数!"));
    edit->setFocus();
    edit->selectAll();
    return std::nullopt;
}

void TPrintSetForm::OKButtonClick()
{
    const std::pair<QLineEdit*, const char*> edits[] = {
        {WidthEdit, "宽度"},      {lengthEdit, "高度"}, {TopMEdit, "上边距"},
        {BottomMEdit, "下边距"}, {LeftMEdit, "左边距"}, {RightMEdit, "右边距"}};
    int values[std::size(edits)];
    for (int i = 0; i < int(std::size(edits)); ++i) {
        const std::optional<int> v = editValue(edits[i].first, QString::fromUtf8(edits[i].second));
        if (!v)
            return;  // nothing written, the window stays open
        values[i] = *v;
    }
    TXSDPrintSet set = withReceiptPrinter({});
    set.PaperSize = Papers[PaperSizeComboBox->currentIndex()].code;
    set.Width = values[0];
    set.Length = values[1];
    set.Orientation = portraitButton->isChecked() ? 0 : 1;
    set.TopMargin = values[2];
    set.BottomMargin = values[3];
    set.LeftMargin = values[4];
    set.RightMargin = values[5];
    set.NumberBarcode = NumberBarcodeCheckBox->isChecked() ? 1 : 0;
    if (WriteXSDPrintSet(m_ctx.ProgramDir, set)) {
        m_ctx.XSDPrintSet = set;
        m_ctx.prompts->message(this, QStringLiteral("保存成功！"));
    } else {
        m_ctx.prompts->message(this, QStringLiteral("保存失败!"));
    }
    accept();
}

void TPrintSetForm::EscButtonClick()
{
    reject();
}
