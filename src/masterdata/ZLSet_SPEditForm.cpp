#include "ZLSet_SPEditForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "CPTypeStore.h"
#include "GoodsBarcodes.h"
#include "GoodsSelector.h"
#include "GoodsStore.h"
#include "Keyboard.h"
#include "NameText.h"
#include "NumberText.h"
#include "ScreenHelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <array>

TZLSet_SPEditForm::TZLSet_SPEditForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    for (QLineEdit* cost : {GGAdd_CBEdit, GGEdit_CBEdit})
        InstallFloatKeyFilter(cost);
    for (QLineEdit* stock : {GGAdd_SLEdit, GGEdit_SLEdit})
        InstallIntKeyFilter(stock);
    EnterMovesFocus(GGAdd_CBEdit, GGAdd_SLEdit);
    EnterMovesFocus(GGAdd_SLEdit, GGAddButton);
    EnterMovesFocus(GGEdit_CBEdit, GGEdit_SLEdit);
    EnterMovesFocus(GGEdit_SLEdit, GGEditButton);
    GuardedConnect(PPAddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::PPAddButtonClick);
    GuardedConnect(PPEditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::PPEditButtonClick);
    GuardedConnect(CPAddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::CPAddButtonClick);
    GuardedConnect(CPEditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::CPEditButtonClick);
    GuardedConnect(GGAddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::GGAddButtonClick);
    GuardedConnect(GGEditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_SPEditForm::GGEditButtonClick);
    for (QPushButton* exit :
         {PPAddExitButton, PPEditExitButton, CPAddExitButton, CPEditExitButton, GGAddExitButton, GGEditExitButton})
        GuardedConnect(exit, &QPushButton::clicked, this, m_ctx, &QDialog::reject);
    ClearEditInputs();
}

void TZLSet_SPEditForm::ClearEditInputs()
{
    PPAdd_PPEdit->clear();
    CPAdd_CPEdit->clear();
    CPAdd_TypeComboBox->setEditText({});
    GGAdd_GGEdit->clear();
    GGAdd_SLEdit->setText(QStringLiteral("0"));
    GGAdd_CBEdit->setText(QStringLiteral("0"));
    GGAdd_TMEdit->clear();
    for (int p = PPAdd; p <= GGEdit; ++p)
        panel(p)->hide();
    Database& db = m_ctx.db();
    FillPinPaiCombo(db, *CPAdd_PPComboBox, false);
    GGAddGoods = new GoodsSelector(m_ctx, GGAdd_PPComboBox, GGAdd_CPComboBox, nullptr, GoodsSelector::NoAllEntries, this);
    FillCPTypeCombo(db, *CPAdd_TypeComboBox);
    FillCPTypeCombo(db, *CPEdit_TypeComboBox);
    CPAdd_TypeComboBox->setEditText({});
}

QWidget* TZLSet_SPEditForm::panel(int page) const
{
    return std::array<QWidget*, 6>{PPAddPanel, PPEditPanel, CPAddPanel, CPEditPanel, GGAddPanel, GGEditPanel}
        .at(size_t(page - 1));
}

QPushButton* TZLSet_SPEditForm::confirmButton(int page) const
{
    return std::array<QPushButton*, 6>{PPAddButton, PPEditButton, CPAddButton,
                                       CPEditButton, GGAddButton, GGEditButton}
        .at(size_t(page - 1));
}

void TZLSet_SPEditForm::ShowEditPage(int page)
{
    static const char* const captions[] = {"添加品牌", "修改品牌", "添加产品", "修改产品", "添加型号/规格",
                                           "修改型号/规格"};
    m_page = page;
    for (int p = PPAdd; p <= GGEdit; ++p) {
        panel(p)->setVisible(p == page);
        confirmButton(p)->setDefault(p == page);
    }
    setWindowTitle(QString::fromUtf8(captions[page - 1]));
    adjustSize();
}

void TZLSet_SPEditForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    QLineEdit* first[] = {PPAdd_PPEdit, PPEdit_PPEdit, CPAdd_CPEdit, CPEdit_CPEdit, GGAdd_GGEdit, GGEdit_GGEdit};
    if (m_page >= PPAdd && m_page <= GGEdit)
        first[m_page - 1]->setFocus();
}

void TZLSet_SPEditForm::refuse(QWidget* box, const QString& text)
{
    m_ctx.prompts->message(this, text);
    box->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(box))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->isEditable())
        combo->lineEdit()->selectAll();
}

bool TZLSet_SPEditForm::readStockAndCost(QLineEdit* SLEdit, QLineEdit* CBEdit, int& ShuLiang, double& PJCB)
{
    const QString stock = SLEdit->text().trimmed();
    const QString cost = CBEdit->text().trimmed();
    if (stock.isEmpty()) {
        refuse(SLEdit, QStringLiteral("请输入商品库存量，若无库存,请输入0!"));
        return false;
    }
    if (cost.isEmpty()) {
        refuse(CBEdit, QStringLiteral("请输入商品初始成本，在以后的采购中系统会根据采购单价来设置商品成本!"));
        return false;
    }
    // The key filters keep out most of what is not a number, but not a lone "." or pasted text.
    bool whole = false;
    ShuLiang = stock.toInt(&whole);
    if (!whole || ShuLiang < 0) {
        refuse(SLEdit, SLEdit == GGAdd_SLEdit ? QStringLiteral("“初始库存量”不是有效的整数，请重新输入!")
                                              : QStringLiteral("“库存数量”不是有效的整数，请重新输入!"));
        return false;
    }
    const std::optional<double> number = ReadNumber(cost);
    if (!number || *number < 0) {
        refuse(CBEdit, QStringLiteral("“初始成本”不是有效的数字，请重新输入!"));
        return false;
    }
    PJCB = *number;
    return true;
}

bool TZLSet_SPEditForm::readBarcodes(QPlainTextEdit* box, const GoodsKey& goods, QStringList& codes)
{
    codes = GoodsBarcodes::split(box->toPlainText());
    const QString reason = GoodsBarcodes::problem(m_ctx.db(), goods, codes);
    if (reason.isEmpty())
        return true;
    refuse(box, reason);
    return false;
}

void TZLSet_SPEditForm::PPAddButtonClick()
{
    const QString name = NameText(PPAdd_PPEdit->text());
    if (name.isEmpty())
        return refuse(PPAdd_PPEdit, QStringLiteral("请输入要添加的品牌名称!"));
    if (PinPaiExists(m_ctx.db(), name))
        return refuse(PPAdd_PPEdit, QStringLiteral("系统中已存在该品牌，不能重复添加!"));
    InsertPinPai(m_ctx.db(), name);
    accept();
}

void TZLSet_SPEditForm::PPEditButtonClick()
{
    const QString name = NameText(PPEdit_PPEdit->text());
    if (name.isEmpty())
        return refuse(PPEdit_PPEdit, QStringLiteral("请输入修改后的品牌名称!"));
    if (name != OldPinPai && PinPaiExists(m_ctx.db(), name))
        return refuse(PPEdit_PPEdit, QStringLiteral("系统中已存在该品牌，不能将品牌修改为此名称!"));
    RenamePinPai(m_ctx.db(), OldPinPai, name);
    m_ctx.prompts->message(this, QStringLiteral("修改成功!"));
    accept();
}

void TZLSet_SPEditForm::CPAddButtonClick()
{
    const QString brand = CPAdd_PPComboBox->currentText().trimmed();
    const QString product = NameText(CPAdd_CPEdit->text());
    const QString kind = CPAdd_TypeComboBox->currentText().trimmed();
    if (brand.isEmpty())
        return refuse(CPAdd_PPComboBox, QStringLiteral("请选择要添加的产品对应的品牌!"));
    if (product.isEmpty())
        return refuse(CPAdd_CPEdit, QStringLiteral("请输入要添加的产品名称!"));
    if (kind.isEmpty())
        return refuse(CPAdd_TypeComboBox, QStringLiteral("请输入或选择产品类型!"));
    if (ChanPinExists(m_ctx.db(), brand, product))
        return refuse(CPAdd_CPEdit, QStringLiteral("系统中已存在该产品，不能重复添加!"));
    InsertChanPin(m_ctx.db(), brand, product, kind);
    accept();
}

void TZLSet_SPEditForm::CPEditButtonClick()
{
    const QString brand = CPEdit_PPEdit->text().trimmed();
    const QString product = NameText(CPEdit_CPEdit->text());
    const QString kind = CPEdit_TypeComboBox->currentText().trimmed();
    if (product.isEmpty())
        return refuse(CPEdit_CPEdit, QStringLiteral("请输入修改后的产品名称!"));
    if (kind.isEmpty())
        return refuse(CPEdit_TypeComboBox, QStringLiteral("请输入修改后的产品类型!"));
    if (product != OldChanPin && ChanPinExists(m_ctx.db(), brand, product))
        return refuse(CPEdit_CPEdit, QStringLiteral("系统中已存在该产品，不能将产品修改为此名称!"));
    UpdateChanPin(m_ctx.db(), brand, OldChanPin, product, kind);
    m_ctx.prompts->message(this, QStringLiteral("修改成功!"));
    accept();
}

void TZLSet_SPEditForm::GGAddButtonClick()
{
    const QString brand = GGAdd_PPComboBox->currentText().trimmed();
    const QString product = GGAdd_CPComboBox->currentText().trimmed();
    const QString spec = NameText(GGAdd_GGEdit->text());
    if (brand.isEmpty())
        return refuse(GGAdd_PPComboBox, QStringLiteral("请选择要添加的型号对应的品牌!"));
    if (product.isEmpty())
        return refuse(GGAdd_CPComboBox, QStringLiteral("请选择要添加的型号对应的产品!"));
    if (spec.isEmpty())
        return refuse(GGAdd_GGEdit, QStringLiteral("请输入要添加的规格/型号!"));
    int stock = 0;
    double cost = 0;
    if (!readStockAndCost(GGAdd_SLEdit, GGAdd_CBEdit, stock, cost))
        return;
    if (ShangPinExists(m_ctx.db(), brand, product, spec))
        return refuse(GGAdd_GGEdit, QStringLiteral("系统中已存在该商品，不能重复添加!"));
    QStringList codes;
    if (!readBarcodes(GGAdd_TMEdit, {brand, product, spec}, codes))
        return;
    InsertGuiGe(m_ctx.db(), brand, product, spec, cost, stock, codes);
    accept();
}

void TZLSet_SPEditForm::GGEditButtonClick()
{
    const QString brand = GGEdit_PPEdit->text().trimmed();
    const QString product = GGEdit_CPEdit->text().trimmed();
    const QString spec = NameText(GGEdit_GGEdit->text());
    if (spec.isEmpty())
        return refuse(GGEdit_GGEdit, QStringLiteral("请输入修改后的规格/型号名称!"));
    int stock = 0;
    double cost = 0;
    if (!readStockAndCost(GGEdit_SLEdit, GGEdit_CBEdit, stock, cost))
        return;
    if (spec != OldGuiGe && ShangPinExists(m_ctx.db(), brand, product, spec))
        return refuse(GGEdit_GGEdit, QStringLiteral("系统中已存在该商品，不能将产品修改为此名称!"));
    QStringList codes;
    if (!readBarcodes(GGEdit_TMEdit, {brand, product, OldGuiGe}, codes))
        return;
    UpdateGuiGe(m_ctx.db(), brand, product, OldGuiGe, cost, stock, spec, codes);
    m_ctx.prompts->message(this, QStringLiteral("修改成功!"));
    accept();
}
