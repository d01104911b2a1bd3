#include "StockCountForm.h"

#include "AppContext.h"
#include "GoodsBarcodes.h"
#include "GoodsLists.h"
#include "GoodsSelector.h"
#include "GridColumns.h"
#include "GridList.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int BookColumn = 4;

QString KeyOf(const QString& brand, const QString& product, const QString& spec)
{
    return brand + QChar(0x1f) + product + QChar(0x1f) + spec;
}

QString KeyOf(const GoodsKey& g)
{
    return KeyOf(g.PinPai, g.ChanPin, g.GuiGe);
}

QString GoodsText(const GoodsKey& g)
{
    return g.PinPai + u' ' + g.ChanPin + u' ' + g.GuiGe;
}

}  // namespace

TStockCountForm::TStockCountForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    InstallIntKeyFilter(quantityEdit);
    EnterMovesFocus(quantityEdit, codeEdit);
    RunGuarded(m_ctx, this, [&] {
        FillPinPaiCombo(m_ctx.db(), *brandBox, true);
        brandBox->setCurrentIndex(0);
        m_finder = GoodsFinder::load(m_ctx.db());
        const RowSet all = StockCountRows(m_ctx.db());
        for (int r = 0; r < all.rowCount(); ++r) {
            if (all.rows[r][4].isNull())
                continue;
            const ItemCount c{all.rows[r][4].toInt(), all.rows[r][3].toInt()};
            m_counts.insert(KeyOf(all.rows[r][0].toString(), all.rows[r][1].toString(), all.rows[r][2].toString()), c);
            m_differing += c.counted != c.book;
        }
        listGoods();
    });
    GuardedConnect(brandBox, &QComboBox::activated, this, m_ctx, &TStockCountForm::listGoods);
    GuardedConnect(codeEdit, &QLineEdit::returnPressed, this, m_ctx, &TStockCountForm::countCode);
    GuardedConnect(printButton, &QPushButton::clicked, this, m_ctx, [this] { printDifferences(ReportOutput::Print); });
    GuardedConnect(previewButton, &QPushButton::clicked, this, m_ctx, [this] { printDifferences(ReportOutput::Preview); });
    GuardedConnect(postButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("盘点过账"), &TStockCountForm::postCount);
    GuardedConnect(discardButton, &QPushButton::clicked, this, m_ctx, QStringLiteral("放弃盘点"), &TStockCountForm::discardCount);
    GuardedConnect(exitButton, &QPushButton::clicked, this, m_ctx, &TStockCountForm::close);
    codeEdit->setFocus();
}

void TStockCountForm::listGoods()
{
    const QString brand = brandBox->currentText() == QString::fromUtf8(AllPinPai) ? QString() : brandBox->currentText();
    const RowSet rows = StockCountRows(m_ctx.db(), brand);
    m_rowOf.clear();
    m_rowOf.reserve(rows.rowCount());
    for (int r = 0; r < rows.rowCount(); ++r)
        m_rowOf.insert(KeyOf(rows.rows[r][0].toString(), rows.rows[r][1].toString(), rows.rows[r][2].toString()), r + 1);
    FillGrid(*countGrid, rows, columns());
    showTotals();
}

void TStockCountForm::countCode()
{
    const QString code = codeEdit->text().trimmed();
    if (code.isEmpty())
        return;
    // A scanned barcode first, then the model number, as the document windows take a code.
    GoodsKey goods;
    if (const std::optional<GoodsKey> scanned = GoodsBarcodes::find(m_ctx.db(), code)) {
        goods = *scanned;
    } else if (!m_finder.pick(code, &goods)) {
        refuseCode(m_finder.find(code, 2).isEmpty() ? QStringLiteral("没有型号或条码为 %1 的商品").arg(code)
                                                    : QStringLiteral("%1 符合多个商品，请输入完整型号").arg(code));
        return;
    }
    const QString typed = quantityEdit->text().trimmed();
    const ItemCount count = typed.isEmpty() ? CountGoods(m_ctx.db(), goods, 1, CountEntry::Add)
                                            : CountGoods(m_ctx.db(), goods, typed.toInt(), CountEntry::Set);
    showCount(goods, count);
    codeEdit->clear();
    quantityEdit->clear();
}

void TStockCountForm::showCount(const GoodsKey& goods, ItemCount count)
{
    const QString key = KeyOf(goods);
    const auto before = m_counts.constFind(key);
    m_differing += (count.counted != count.book) - (before != m_counts.cend() && before->counted != before->book);
    m_counts.insert(key, count);
    if (const int row = m_rowOf.value(key); row > 0) {
        countGrid->setCell(BookColumn, row, QString::number(count.book));
        countGrid->setCell(BookColumn + 1, row, QString::number(count.counted));
        countGrid->setCell(BookColumn + 2, row, QString::number(count.counted - count.book));
        countGrid->setRow(row);
    }
    lastLabel->setStyleSheet(QString());
    lastLabel->setText(QStringLiteral("%1：实盘 %2，账面 %3").arg(GoodsText(goods)).arg(count.counted).arg(count.book));
    showTotals();
}

void TStockCountForm::refuseCode(const QString& why)
{
    QApplication::beep();
    lastLabel->setStyleSheet(QStringLiteral("color: red"));
    lastLabel->setText(why);
    codeEdit->selectAll();
}

void TStockCountForm::showTotals()
{
    totalsLabel->setText(QStringLiteral("已盘 %1 个商品，其中 %2 个有差异").arg(m_counts.size()).arg(m_differing));
}

void TStockCountForm::printDifferences(ReportOutput output)
{
    const RowSet rows = StockCountDifferences(m_ctx.db());
    if (rows.isEmpty()) {
        m_ctx.prompts->message(this, QStringLiteral("没有盘点差异。"));
        return;
    }
    PrintGridList(m_ctx, this, m_ctx.GsInfo.GSName + QStringLiteral("盘点差异表"), rows, columns(), output);
}

void TStockCountForm::postCount()
{
    const CountState state = StockCountState(m_ctx.db());
    if (state.counted == 0) {
        m_ctx.prompts->message(this, QStringLiteral("还没有盘点任何商品。"));
        return;
    }
    QString text = QStringLiteral("确认盘点将按差异修改库存（已盘 %1 个商品，未盘的商品库存不变）。").arg(state.counted);
    if (state.changedSince > 0)
        text += QStringLiteral("\n其中 %1 个商品盘点后又有销售或进货，按确认时的库存加上差异过账。").arg(state.changedSince);
    if (!m_ctx.prompts->warningQuestion(this, text + QStringLiteral("\n确定过账吗？")))
        return;
    const int changed = PostStockCount(m_ctx.db());
    m_counts.clear();
    m_differing = 0;
    listGoods();
    m_ctx.prompts->message(this, QStringLiteral("盘点已过账，%1 个商品的库存已修改。").arg(changed));
}

void TStockCountForm::discardCount()
{
    if (m_counts.isEmpty()
        || !m_ctx.prompts->warningQuestion(this, QStringLiteral("放弃盘点将删除已盘的 %1 个商品的数量，库存不变。确定吗？").arg(m_counts.size())))
        return;
    DiscardStockCount(m_ctx.db());
    m_counts.clear();
    m_differing = 0;
    listGoods();
}
