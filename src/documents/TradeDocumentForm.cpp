#include "TradeDocumentForm.h"

#include "AppContext.h"
#include "Database.h"
#include "DocNumbers.h"
#include "GoodsLineForm.h"
#include "GuardedConnect.h"
#include "NumberText.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"

#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

enum GridColumn { ColPinPai = 1, ColChanPin, ColGuiGe, ColDanJia, ColShuLiang, ColJinE, GridColumns };

bool IsEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}  // namespace

TradeDocumentForm::TradeDocumentForm(AppContext& context, const DocumentSide& side, const KindTexts& texts,
                                     QWidget* parent)
    : QDialog(parent), m_ctx(context), m_side(side), m_texts(texts)
{
}

void TradeDocumentForm::connectHandlers()
{
    using F = TradeDocumentForm;
    GuardedConnect(AddButton, &QPushButton::clicked, this, m_ctx, &F::AddButtonClick);
    GuardedConnect(DelRowButton, &QPushButton::clicked, this, m_ctx, &F::DelRowButtonClick);
    GuardedConnect(DelAllButton, &QPushButton::clicked, this, m_ctx, &F::DelAllButtonClick);
    GuardedConnect(NewDButton, &QPushButton::clicked, this, m_ctx, &F::NewDButtonClick);
    GuardedConnect(PrintButton, &QPushButton::clicked, this, m_ctx, &F::PrintButtonClick);
    GuardedConnect(previewButton, &QPushButton::clicked, this, m_ctx, &F::previewButtonClick);
    GuardedConnect(CloseButton, &QPushButton::clicked, this, m_ctx, &F::CloseButtonClick);
    GuardedConnect(AutoDHButton, &QPushButton::clicked, this, m_ctx, &F::AutoDHButtonClick);
    GuardedConnect(documentDate, &QDateEdit::dateChanged, this, m_ctx, &F::documentDateChange);
    GuardedConnect(SSEdit, &QLineEdit::textChanged, this, m_ctx, &F::SSEditChange);
    GuardedConnect(partnerBox, &QComboBox::editTextChanged, this, m_ctx, [this] { partnerChange(); });
    partnerLink->installEventFilter(this);
}

TradeDocumentForm::~TradeDocumentForm() = default;

void TradeDocumentForm::SetDanKind(DanKind kind)
{
    m_kind = kind;
    const int k = kindIndex();
    setWindowTitle(QString::fromUtf8(m_texts.caption[k]));
    dateLabel->setText(QString::fromUtf8(m_texts.date[k]));
    paidLabel->setText(QString::fromUtf8(m_texts.paid[k]));
    NewDButton->setText(QString::fromUtf8(m_state == DanState::Saved ? m_texts.newDocument[k] : m_texts.confirm[k]));
}

void TradeDocumentForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        RunGuarded(m_ctx, this, [this] { FormShow(); });
    }
}

void TradeDocumentForm::FormShow()
{
    fillLists();
    SetDanState(DanState::Entering);
}

QList<QWidget*> TradeDocumentForm::enteringControls() const
{
    return {partnerBox, partnerLink, phoneEdit, addressEdit, documentDate, numberEdit, AutoDHButton,
            SSEdit, RemarkEdit, AddButton, DelRowButton, DelAllButton};
}

QList<QWidget*> TradeDocumentForm::savedControls() const
{
    return {PrintButton, previewButton};
}

void TradeDocumentForm::clearHeader()
{
    partnerBox->setCurrentIndex(-1);
    partnerBox->setEditText(QString());
    phoneEdit->clear();
    addressEdit->clear();
    RemarkEdit->clear();
}

void TradeDocumentForm::refillPartners(const std::function<void()>& fill)
{
    QStringList before;
    for (int i = 0; i < partnerBox->count(); ++i)
        before << partnerBox->itemText(i);
    const QString typed = partnerBox->currentText();
    {
        // The names passing through the box while it is refilled are nobody's choice: their phone
        // and address must not reach the header.
        const QSignalBlocker quiet(partnerBox);
        fill();
        partnerBox->setEditText(typed);
    }
    for (int i = 0; i < partnerBox->count(); ++i)
        if (!before.contains(partnerBox->itemText(i))) {
            {
                const QSignalBlocker quiet(partnerBox);
                partnerBox->setCurrentIndex(i);
            }
            partnerChange();  // its phone and address, also when its name was typed already
            return;
        }
}

void TradeDocumentForm::SetDanState(DanState state)
{
    m_state = state;
    const int k = kindIndex();
    if (state == DanState::Entering) {
        NewDButton->setText(QString::fromUtf8(m_texts.confirm[k]));
        {
            const QSignalBlocker quiet(documentDate);
            documentDate->setDate(m_ctx.today());
        }
        proposeNumber(m_ctx.today());
        clearHeader();
        InitDanGrid();
        for (QLineEdit* e : {SLEdit, JEEdit, SSEdit, QKEdit})
            e->setText(QStringLiteral("0"));
    } else {
        NewDButton->setText(QString::fromUtf8(m_texts.newDocument[k]));
    }
    for (QWidget* w : enteringControls())
        w->setEnabled(state == DanState::Entering);
    for (QWidget* w : savedControls())
        w->setEnabled(state != DanState::Entering);
    (state == DanState::Entering ? static_cast<QWidget*>(partnerBox) : NewDButton)->setFocus();
}

void TradeDocumentForm::InitDanGrid()
{
    lineGrid->setColCount(GridColumns);
    lineGrid->setFixedCols(1);
    lineGrid->setHeader({QString(), QStringLiteral("品牌"), QStringLiteral("产品"), QStringLiteral("型号/规格"),
                            QStringLiteral("单价"), QStringLiteral("数量"), QStringLiteral("金额")});
    // Wide enough for the long product names and model numbers of the catalogue.
    const int widths[GridColumns] = {10, 80, 150, 140, 80, 50, 90};
    for (int c = 0; c < GridColumns; ++c)
        lineGrid->setColWidth(c, widths[c]);
    lineGrid->setColumnFormats({GridFormat::Text, GridFormat::Text, GridFormat::Text, GridFormat::Text,
                                   GridFormat::Number, GridFormat::Integer, GridFormat::Number});
    ClearGrid(*lineGrid);
    m_draft.clear();
}

// The grid shows the lines of the draft: each new line of the draft is appended as a row.
void TradeDocumentForm::AppendItemRow(const TShangPinItem& entered)
{
    m_draft.addLine(entered);
    const TShangPinItem& item = m_draft.lines().constLast();
    int row = lineGrid->rowCount() - 1;
    if (!lineGrid->cell(ColPinPai, row).isEmpty()) {
        lineGrid->setRowCount(row + 2);
        ++row;
    }
    lineGrid->setCell(ColPinPai, row, item.PinPai);
    lineGrid->setCell(ColChanPin, row, item.chanpin);
    lineGrid->setCell(ColGuiGe, row, item.guige);
    lineGrid->setCell(ColDanJia, row, FormatMoney(item.danjia));
    lineGrid->setCell(ColShuLiang, row, QString::number(item.shuliang));
    lineGrid->setCell(ColJinE, row, FormatMoney(item.jinE));
    lineGrid->setRow(row);
}

// Adding or removing a line counts the whole amount as paid.
void TradeDocumentForm::CalcDanTotals()
{
    SLEdit->setText(QString::number(m_draft.quantity()));
    JEEdit->setText(FormatMoney(m_draft.amount()));
    {
        const QSignalBlocker quiet(SSEdit);
        SSEdit->setText(JEEdit->text());
    }
    QKEdit->setText(QStringLiteral("0"));
}

// The amount owed follows the amount paid as it is typed (0 paid when the box is empty; a text
// that is no number yet, such as ".", counts as 0 until it is one).
void TradeDocumentForm::SSEditChange()
{
    m_draft.setPaid(ReadNumber(SSEdit->text()).value_or(0));
    QKEdit->setText(FormatMoney(m_draft.owed()));
}

QVector<TShangPinItem> TradeDocumentForm::GridLines() const
{
    return m_draft.lines();
}

void TradeDocumentForm::AddButtonClick()
{
    if (m_state != DanState::Entering)
        return;
    if (!m_finderLoaded) {
        m_finder = GoodsFinder::load(m_ctx.db());
        m_finderLoaded = true;
    }
    const std::unique_ptr<GoodsLineForm> form = makeAddForm();
    form->SetItemKind(m_kind);
    form->SetLinesOnGrid(GridLines());
    form->SetFinder(&m_finder);
    if (form->exec() == QDialog::Accepted) {
        const TShangPinItem& item = form->ResultItem();
        const int same = form->scanned() ? m_draft.lineOf(item) : -1;
        if (same < 0) {
            AppendItemRow(item);
        } else {  // the same goods item scanned again: its line takes the quantity
            m_draft.addToLine(same, item);
            lineGrid->setCell(ColShuLiang, same + 1, QString::number(m_draft.lines()[same].shuliang));
            lineGrid->setCell(ColJinE, same + 1, FormatMoney(m_draft.lines()[same].jinE));
            lineGrid->setRow(same + 1);
        }
        CalcDanTotals();
    }
    AddButton->setFocus();  // Enter (or F2) adds the next line
}

void TradeDocumentForm::DelRowButtonClick()
{
    const int row = lineGrid->row();
    if (m_state != DanState::Entering || row < 1)
        return;
    DeleteGridRow(row, *lineGrid);
    m_draft.removeLine(row - 1);
    CalcDanTotals();
    lineGrid->setRow(qMin(row, lineGrid->rowCount() - 1));
}

void TradeDocumentForm::DelAllButtonClick()
{
    if (m_state != DanState::Entering || !confirmClearAll())
        return;
    ClearGrid(*lineGrid);
    m_draft.clear();
    CalcDanTotals();
}

void TradeDocumentForm::NewDButtonClick()
{
    if (m_state != DanState::Entering) {
        SetDanState(DanState::Entering);
        return;
    }
    bool saved = false;
    RunGuarded(m_ctx, this, QString::fromUtf8(m_texts.save[kindIndex()]), [&] { saved = saveDocument(); });
    if (saved)
        SetDanState(DanState::Saved);
}

void TradeDocumentForm::PrintButtonClick()
{
    if (m_state == DanState::Saved)
        printDocument(ReportOutput::Print);
}

void TradeDocumentForm::previewButtonClick()
{
    if (m_state == DanState::Saved)
        printDocument(ReportOutput::Preview);
}

void TradeDocumentForm::CloseButtonClick()
{
    close();
}

void TradeDocumentForm::AutoDHButtonClick()
{
    proposeNumber(m_ctx.today());
}

void TradeDocumentForm::documentDateChange()
{
    proposeNumber(documentDate->date());
}

void TradeDocumentForm::proposeNumber(const QDate& date)
{
    m_proposed = NextDH(m_ctx.db(), m_side, m_kind, date);
    numberEdit->setText(m_proposed);
}

void TradeDocumentForm::refuse(QWidget* field, const QString& text)
{
    m_ctx.prompts->message(this, text);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
}

bool TradeDocumentForm::checkNumber(const std::function<bool(const QString&)>& isNew, const QString& duplicateMessage,
                                    QString* number)
{
    *number = numberEdit->text().trimmed();
    if (number->isEmpty()) {
        refuse(numberEdit, NoDocumentNumberMessage());
        return false;
    }
    if (takenRule(*number) == TakenNumber::Refuse && !isNew(*number)) {
        refuse(numberEdit, duplicateMessage);
        return false;
    }
    return true;
}

TakenNumber TradeDocumentForm::takenRule(const QString& number) const
{
    return !m_proposed.isEmpty() && number == m_proposed ? TakenNumber::TakeNext : TakenNumber::Refuse;
}

void TradeDocumentForm::showSavedNumber(const QString& saved, const QString& shown)
{
    numberEdit->setText(saved);
    if (saved != shown)
        m_ctx.prompts->message(this, QStringLiteral("单号 %1 已被使用, 本单已保存为 %2。").arg(shown, saved));
}

bool TradeDocumentForm::readPaid()
{
    const QString text = SSEdit->text().trimmed();
    const std::optional<double> value = text.isEmpty() ? std::optional<double>(0) : ReadNumber(text);
    if (!value) {
        refuse(SSEdit, paidLabel->text() + QStringLiteral("不是有效的金额，请重新输入!"));
        return false;
    }
    m_draft.setPaid(*value);
    return true;
}

// Keyboard of the window: F2 adds a line and Ctrl+Enter confirms from anywhere in it.
void TradeDocumentForm::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F2) {
        RunGuarded(m_ctx, this, [this] { AddButtonClick(); });
        return;
    }
    if (IsEnter(event) && (event->modifiers() & Qt::ControlModifier)) {
        RunGuarded(m_ctx, this, [this] { NewDButtonClick(); });
        return;
    }
    QDialog::keyPressEvent(event);
}

// Enter opens the add-item dialog from the grid and presses a focused button (the header fields
// pass it on with EnterMovesFocus); Delete in the grid removes the selected line; F2 and
// Ctrl+Enter work in every field.
bool TradeDocumentForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == partnerLink && event->type() == QEvent::MouseButtonRelease && partnerLink->isEnabled()) {
        RunGuarded(m_ctx, this, [this] { partnerLinkClick(); });
        return true;
    }
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F2 || (IsEnter(key) && (key->modifiers() & Qt::ControlModifier))) {
        keyPressEvent(key);
        return true;
    }
    if (watched == lineGrid && key->key() == Qt::Key_Delete) {
        RunGuarded(m_ctx, this, [this] { DelRowButtonClick(); });
        return true;
    }
    if (!IsEnter(key) || key->modifiers() & Qt::AltModifier)
        return QDialog::eventFilter(watched, event);
    if (watched == lineGrid) {
        RunGuarded(m_ctx, this, [this] { AddButtonClick(); });
    } else if (auto* button = qobject_cast<QPushButton*>(watched)) {
        button->click();
    } else {
        return QDialog::eventFilter(watched, event);
    }
    return true;
}

TradeDocumentHead TradeDocumentForm::DocumentHead(const QString& dh, const QString& party, const QString& address,
                                                  const QString& phone) const
{
    const QString date = documentDate->date().toString(QStringLiteral("yyyy-MM-dd"));
    return {dh, date, party, address, phone, RemarkEdit->text(), SLEdit->text(), JEEdit->text()};
}
