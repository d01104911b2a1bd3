#include "LabelPrintForm.h"

#include "AppContext.h"
#include "FormLayouts.h"
#include "GoodsLabels.h"
#include "GoodsSelector.h"
#include "GridColumns.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "ReportPreviewDialog.h"
#include "ReportPrinting.h"
#include "Settings.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

const QVector<GridColumn>& LabelItemColumns();  // LabelPrintFormUi.cpp

namespace {

const QString Section = QStringLiteral("Labels");

// The keys of the set-up's lengths, in millimetres.
struct LengthKey {
    const char* key;
    double LabelSheetSetup::*value;
};
const LengthKey LengthKeys[] = {
    {"TopMargin", &LabelSheetSetup::topMargin},     {"BottomMargin", &LabelSheetSetup::bottomMargin},
    {"LeftMargin", &LabelSheetSetup::leftMargin},   {"RightMargin", &LabelSheetSetup::rightMargin},
    {"ColumnGap", &LabelSheetSetup::columnGap},     {"RowGap", &LabelSheetSetup::rowGap},
    {"LabelWidth", &LabelSheetSetup::labelWidth},   {"LabelHeight", &LabelSheetSetup::labelHeight},
};

}  // namespace

LabelSheetSetup ReadLabelSheet(const QString& programDir)
{
    const IniFile ini(SettingsPath(programDir));
    LabelSheetSetup s;
    s.roll = ini.readInteger(Section, QStringLiteral("Roll"), 0) == 1;
    s.rows = ini.readInteger(Section, QStringLiteral("Rows"), s.rows);
    s.columns = ini.readInteger(Section, QStringLiteral("Columns"), s.columns);
    for (const LengthKey& k : LengthKeys) {
        bool ok = false;
        const double mm = ini.readString(Section, QLatin1String(k.key)).toDouble(&ok);
        if (ok && mm >= 0)
            s.*k.value = mm;
    }
    return s;
}

bool WriteLabelSheet(const QString& programDir, const LabelSheetSetup& sheet)
{
    IniFile ini(SettingsPath(programDir));
    ini.setInteger(Section, QStringLiteral("Roll"), sheet.roll ? 1 : 0);
    ini.setInteger(Section, QStringLiteral("Rows"), sheet.rows);
    ini.setInteger(Section, QStringLiteral("Columns"), sheet.columns);
    for (const LengthKey& k : LengthKeys)
        ini.setString(Section, QLatin1String(k.key), QString::number(sheet.*k.value));
    return ini.save();
}

TLabelPrintForm::TLabelPrintForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    m_goods = new GoodsSelector(m_ctx, brandBox, productBox, specBox, GoodsSelector::WithAllEntries, this);
    EnterMovesFocus(brandBox, productBox);
    EnterMovesFocus(productBox, specBox);
    EnterMovesFocus(specBox, countEdit);
    EnterMovesFocus(countEdit, addButton);
    itemGrid->installEventFilter(this);
    m_items.columns = GoodsLabels::items(m_ctx.db(), QString()).columns;  // no brand: the columns alone
    m_items.columns << QStringLiteral("count");
    using F = TLabelPrintForm;
    GuardedConnect(addButton, &QPushButton::clicked, this, m_ctx, &F::addButtonClick);
    GuardedConnect(removeButton, &QPushButton::clicked, this, m_ctx, &F::removeButtonClick);
    GuardedConnect(clearButton, &QPushButton::clicked, this, m_ctx, &F::clearButtonClick);
    GuardedConnect(previewButton, &QPushButton::clicked, this, m_ctx, &F::previewButtonClick);
    GuardedConnect(printButton, &QPushButton::clicked, this, m_ctx, &F::printButtonClick);
    GuardedConnect(closeButton, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
    showSheet(ReadLabelSheet(m_ctx.ProgramDir));
    for (QRadioButton* b : {sheetButton, rollButton})
        GuardedConnect(b, &QRadioButton::toggled, this, m_ctx, &F::sheetChange);
    for (QSpinBox* b : {rowsEdit, columnsEdit})
        GuardedConnect(b, &QSpinBox::valueChanged, this, m_ctx, &F::sheetChange);
    for (QDoubleSpinBox* b : {topEdit, bottomEdit, leftEdit, rightEdit, columnGapEdit, rowGapEdit, widthEdit, heightEdit})
        GuardedConnect(b, &QDoubleSpinBox::valueChanged, this, m_ctx, &F::sheetChange);
    sheetChange();
    showItems();
}

void TLabelPrintForm::showSheet(const LabelSheetSetup& s)
{
    (s.roll ? rollButton : sheetButton)->setChecked(true);
    rowsEdit->setValue(s.rows);
    columnsEdit->setValue(s.columns);
    const std::pair<QDoubleSpinBox*, double> lengths[] = {
        {topEdit, s.topMargin},     {bottomEdit, s.bottomMargin}, {leftEdit, s.leftMargin}, {rightEdit, s.rightMargin},
        {columnGapEdit, s.columnGap}, {rowGapEdit, s.rowGap},     {widthEdit, s.labelWidth}, {heightEdit, s.labelHeight}};
    for (const auto& [box, mm] : lengths)
        box->setValue(mm);
}

LabelSheetSetup TLabelPrintForm::sheet() const
{
    LabelSheetSetup s;
    s.roll = rollButton->isChecked();
    s.rows = rowsEdit->value();
    s.columns = columnsEdit->value();
    s.topMargin = topEdit->value();
    s.bottomMargin = bottomEdit->value();
    s.leftMargin = leftEdit->value();
    s.rightMargin = rightEdit->value();
    s.columnGap = columnGapEdit->value();
    s.rowGap = rowGapEdit->value();
    s.labelWidth = widthEdit->value();
    s.labelHeight = heightEdit->value();
    return s;
}

// The boxes of the paper not chosen are off; the size of one label follows every change.
void TLabelPrintForm::sheetChange()
{
    const bool roll = rollButton->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{rowsEdit, columnsEdit, topEdit, bottomEdit, leftEdit, rightEdit,
                                                      columnGapEdit, rowGapEdit})
        w->setEnabled(!roll);
    widthEdit->setEnabled(roll);
    heightEdit->setEnabled(roll);
    const LabelSheetSetup s = sheet();
    const QSizeF size = s.labelSizeMm();
    const QString problem = s.problem();
    sizeLabel->setText(QStringLiteral("每个标签 %1 × %2 毫米%3")
                           .arg(QString::number(size.width(), 'f', 1), QString::number(size.height(), 'f', 1),
                                s.roll ? QString() : QStringLiteral("，每页%1个").arg(s.rows * s.columns))
                       + (problem.isEmpty() ? QString() : QStringLiteral("  ") + problem));
}

void TLabelPrintForm::showItems()
{
    FillGrid(*itemGrid, m_items, LabelItemColumns());
}

void TLabelPrintForm::pickGoods(const QString& PinPai, const QString& ChanPin)
{
    m_goods->pick(PinPai, ChanPin);
}

void TLabelPrintForm::addButtonClick()
{
    const QString brand = m_goods->PinPaiFilter();
    if (brand.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请选择品牌!"));
        brandBox->setFocus();
        return;
    }
    const RowSet found = GoodsLabels::items(m_ctx.db(), brand, m_goods->ChanPinFilter(), m_goods->GuiGeFilter());
    for (QVector<QVariant> row : found.rows) {
        row << countEdit->value();
        // A goods item listed again takes the new number of labels.
        const auto same = std::find_if(m_items.rows.begin(), m_items.rows.end(), [&](const QVector<QVariant>& r) {
            return r.mid(0, 3) == row.mid(0, 3);
        });
        if (same != m_items.rows.end())
            *same = row;
        else
            m_items.rows.append(row);
    }
    showItems();
    addButton->setFocus();
}

void TLabelPrintForm::removeButtonClick()
{
    const int row = itemGrid->row();
    if (row < 1 || row > m_items.rowCount())
        return;
    m_items.rows.removeAt(row - 1);
    showItems();
    itemGrid->setRow(qMin(row, qMax(1, m_items.rowCount())));
}

void TLabelPrintForm::clearButtonClick()
{
    m_items.rows.clear();
    showItems();
}

PageModel TLabelPrintForm::labelPages() const
{
    const LabelSheetSetup s = sheet();
    return LayOutLabels(GoodsLabelLayout(), GoodsLabels::repeated(m_items), s);
}

bool TLabelPrintForm::readyToPrint()
{
    if (m_items.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("请先添加要打印标签的商品!"));
        brandBox->setFocus();
        return false;
    }
    const LabelSheetSetup s = sheet();
    if (const QString problem = s.problem(); !problem.isEmpty()) {
        m_ctx.prompts->message(this, problem);
        return false;
    }
    if (!WriteLabelSheet(m_ctx.ProgramDir, s))
        m_ctx.prompts->message(this, QStringLiteral("标签纸的设置无法保存到Set.ini。"));
    return true;
}

void TLabelPrintForm::previewButtonClick()
{
    if (!readyToPrint())
        return;
    ReportPreviewDialog preview(labelPages(), [this](const QString& text) { m_ctx.prompts->message(this, text); }, this);
    preview.exec();
}

void TLabelPrintForm::printButtonClick()
{
    if (readyToPrint())
        PrintWithDialog(labelPages(), this);
}

// Delete in the list removes the selected goods item.
bool TLabelPrintForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == itemGrid && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        RunGuarded(m_ctx, this, [this] { removeButtonClick(); });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
