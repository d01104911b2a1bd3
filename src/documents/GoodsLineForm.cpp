#include "GoodsLineForm.h"

#include "AppContext.h"
#include "GoodsBarcodes.h"
#include "GoodsSelector.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "Ledger.h"
#include "LineStock.h"
#include "NumberText.h"
#include "ScreenHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

bool IsEnter(const QKeyEvent* key)
{
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
        && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

constexpr int FindListLimit = 200;

}  // namespace

GoodsLineForm::GoodsLineForm(AppContext& context, const AddItemRules& rules, QWidget* parent)
    : QDialog(parent), m_ctx(context), m_rules(rules)
{
    setupUi();
    InstallFloatKeyFilter(DJEdit);
    InstallIntKeyFilter(SLEdit);
    // Enter walks the dialog: 型号/条码 -> brand -> product -> spec -> price -> quantity -> 确定.
    EnterMovesFocus(brandBox, productBox);
    EnterMovesFocus(productBox, specBox);
    EnterMovesFocus(specBox, DJEdit);
    EnterMovesFocus(DJEdit, SLEdit);
    EnterMovesFocus(SLEdit, okButton);
    for (QWidget* w : std::initializer_list<QWidget*>{FindEdit, FindList, okButton, backButton})
        w->installEventFilter(this);
    m_selector = new GoodsSelector(m_ctx, brandBox, productBox, specBox, GoodsSelector::NoAllEntries, this);
    using F = GoodsLineForm;
    GuardedConnect(m_selector, &GoodsSelector::changed, this, m_ctx, &F::showGoods);
    GuardedConnect(DJEdit, &QLineEdit::textChanged, this, m_ctx, &F::DJEditChange);
    GuardedConnect(SLEdit, &QLineEdit::textChanged, this, m_ctx, &F::SLEditChange);
    GuardedConnect(FindEdit, &QLineEdit::textEdited, this, m_ctx, &F::FindEditChange);
    GuardedConnect(FindList, &QListWidget::itemActivated, this, m_ctx, &F::FindListPick);
    GuardedConnect(okButton, &QPushButton::clicked, this, m_ctx, &F::okButtonClick);
    GuardedConnect(backButton, &QPushButton::clicked, this, m_ctx, &F::backButtonClick);
    ResetItemInputs();
}

void GoodsLineForm::SetItemKind(DanKind kind)
{
    m_kind = kind;
    markPrice();
}

void GoodsLineForm::ResetItemInputs()
{
    m_selector->reload();
    DJEdit->clear();
    SLEdit->clear();
    JEEdit->clear();
    FindEdit->clear();
    FindList->clear();
    FindList->hide();
    m_scannedKey.reset();
    showGoods();
    FindEdit->setFocus();
}

const GoodsFinder& GoodsLineForm::finder()
{
    if (m_finder)
        return *m_finder;
    if (!m_ownFinderLoaded) {
        m_ownFinder = GoodsFinder::load(m_ctx.db());
        m_ownFinderLoaded = true;
    }
    return m_ownFinder;
}

// The chosen item's stock and average cost; both blank until a spec is chosen.
void GoodsLineForm::showGoods()
{
    const QString p = brandBox->currentText(), c = productBox->currentText(), g = specBox->currentText();
    if (p.isEmpty() || c.isEmpty() || g.isEmpty()) {
        m_cost = Money();
        KCLabel->setText(QStringLiteral("库存:"));
        PJCBLabel->setText(QStringLiteral("平均成本:"));
    } else {
        m_cost = GetPJCB(m_ctx.db(), p, c, g);
        KCLabel->setText(QStringLiteral("库存: %1").arg(GetKuCunShuLiang(m_ctx.db(), p, c, g)));
        PJCBLabel->setText(QStringLiteral("平均成本: %1").arg(FormatMoney(m_cost)));
    }
    markPrice();
}

// A sale price below the average cost shows in red; the sale stays allowed.
void GoodsLineForm::markPrice()
{
    const std::optional<double> price = ReadNumber(DJEdit->text());
    m_belowCost = m_kind == m_rules.costMarkKind && price && !specBox->currentText().isEmpty() && Money::fromYuan(*price) < m_cost;
    QPalette pal = DJEdit->palette();
    pal.setColor(QPalette::Text, m_belowCost ? QColor(Qt::red) : palette().color(QPalette::Text));
    DJEdit->setPalette(pal);
    DJEdit->setToolTip(m_belowCost ? QStringLiteral("单价低于平均成本") : QString());
}

void GoodsLineForm::DJEditChange()
{
    SLEditChange();
    markPrice();
}

void GoodsLineForm::SLEditChange()
{
    const std::optional<double> price = ReadNumber(DJEdit->text());
    if (DJEdit->text().isEmpty() || SLEdit->text().isEmpty() || !price)
        return;
    JEEdit->setText(FormatGeneral(RoundFloat(2, *price * SLEdit->text().toInt())));
}

void GoodsLineForm::pickGoods(const GoodsKey& key)
{
    m_selector->pick(key.PinPai, key.ChanPin, key.GuiGe);
    FindList->hide();
}

// Typing in "型号/条码": one matching goods item is picked at once; several are listed.
void GoodsLineForm::FindEditChange()
{
    const QVector<GoodsKey> found = finder().find(FindEdit->text(), FindListLimit);
    FindList->clear();
    if (found.size() == 1) {
        pickGoods(found.first());
        return;
    }
    for (const GoodsKey& g : found) {
        auto* row = new QListWidgetItem(g.PinPai + QStringLiteral(" / ") + g.ChanPin + QStringLiteral(" / ") + g.GuiGe,
                                        FindList);
        row->setData(Qt::UserRole, QStringList{g.PinPai, g.ChanPin, g.GuiGe});
    }
    FindList->setVisible(!found.isEmpty());
    if (!found.isEmpty())
        FindList->setCurrentRow(0);
}

bool GoodsLineForm::pickScanned(const QString& code)
{
    const std::optional<GoodsKey> key = GoodsBarcodes::find(m_ctx.db(), code);
    if (!key)
        return false;
    pickGoods(*key);
    m_scannedKey = key;
    for (const TShangPinItem& line : std::as_const(m_lines))
        if (line.PinPai == key->PinPai && line.chanpin == key->ChanPin && line.guige == key->GuiGe) {
            DJEdit->setText(FormatGeneral(line.danjia.yuan()));
            break;
        }
    return true;
}

// Enter in "型号/条码" (a scanner ends its code with it): the goods item holding the barcode, or
// else the goods item of the model number, is picked and the price is next; with several matches
// the one highlighted in the list (the first, or the one chosen with the arrows); an empty box
// moves on to the brand list.
void GoodsLineForm::FindEditReturn()
{
    if (FindEdit->text().trimmed().isEmpty()) {
        brandBox->setFocus();
        return;
    }
    GoodsKey key;
    if (pickScanned(FindEdit->text())) {
        DJEdit->setFocus();
        DJEdit->selectAll();
        return;
    }
    if (finder().pick(FindEdit->text(), &key)) {
        pickGoods(key);
        DJEdit->setFocus();
        DJEdit->selectAll();
        return;
    }
    if (FindList->isHidden())
        FindEditChange();  // the text was not typed: its matches are not listed yet
    if (FindList->currentItem())
        FindListPick();
    else
        m_ctx.prompts->message(this, QStringLiteral("没有型号或条码为") + u'"' + FindEdit->text().trimmed() + u'"'
                                         + QStringLiteral("的商品!"));
}

void GoodsLineForm::FindListPick()
{
    const QListWidgetItem* row = FindList->currentItem();
    if (!row)
        return;
    const QStringList key = row->data(Qt::UserRole).toStringList();
    pickGoods({key[0], key[1], key[2]});
    DJEdit->setFocus();
    DJEdit->selectAll();
}

void GoodsLineForm::refuse(QWidget* box, const QString& text)
{
    m_ctx.prompts->message(this, text);
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
}

void GoodsLineForm::okButtonClick()
{
    const QString p = brandBox->currentText(), c = productBox->currentText(), g = specBox->currentText();
    if (p.isEmpty() || c.isEmpty() || g.isEmpty())
        return refuse(p.isEmpty() ? brandBox : c.isEmpty() ? productBox : specBox,
                      QString::fromUtf8(m_rules.noGoods[kindIndex()]));
    const int quantity = SLEdit->text().toInt();
    if (DJEdit->text().isEmpty() || SLEdit->text().isEmpty() || quantity == 0)
        return refuse(DJEdit->text().isEmpty() ? DJEdit : SLEdit, QString::fromUtf8(m_rules.noPrice[kindIndex()]));
    const std::optional<double> price = ReadNumber(DJEdit->text());
    if (!price)
        return refuse(DJEdit, QStringLiteral("单价不是有效的数字，请重新输入!"));

    TShangPinItem item;
    item.PinPai = p;
    item.chanpin = c;
    item.guige = g;
    // The price is kept to the cent; the amount is the typed price times the quantity, to the cent.
    item.danjia = Money::fromYuan(*price);
    item.shuliang = quantity;
    item.jinE = Money::fromYuan(*price * quantity);
    if (m_kind == m_rules.stockKind && !StockCoversLine(m_ctx.db(), item, m_lines))
        return refuse(SLEdit, QStringLiteral("该商品库存量不足!"));
    m_item = item;
    m_scanned = m_scannedKey && m_scannedKey->PinPai == p && m_scannedKey->ChanPin == c && m_scannedKey->GuiGe == g;
    accept();
}

void GoodsLineForm::backButtonClick()
{
    reject();
}

// Enter in 型号/条码 picks the goods of the code, in the list of matches the chosen one; the
// arrow and page keys in 型号/条码 move the highlight through the matches listed; Enter on a
// button presses that button.
bool GoodsLineForm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == FindEdit && FindList->isVisible()
        && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        QCoreApplication::sendEvent(FindList, event);
        return true;
    }
    if (!IsEnter(static_cast<QKeyEvent*>(event)))
        return QDialog::eventFilter(watched, event);
    if (watched == FindEdit)
        RunGuarded(m_ctx, this, [this] { FindEditReturn(); });
    else if (watched == FindList)
        RunGuarded(m_ctx, this, [this] { FindListPick(); });
    else if (auto* button = qobject_cast<QPushButton*>(watched))
        button->click();
    else
        return QDialog::eventFilter(watched, event);
    return true;
}
