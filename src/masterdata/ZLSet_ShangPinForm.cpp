#include "ZLSet_ShangPinForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"
#include "Keyboard.h"
#include "GoodsImport.h"
#include "GoodsImportForm.h"
#include "LabelPrintForm.h"
#include "GoodsSelector.h"
#include "GoodsBarcodes.h"
#include "GoodsStore.h"
#include "GridFilter.h"
#include "TableFile.h"
#include "ScreenHelpers.h"
#include "StringGrid.h"
#include "ZLSet_SPEditForm.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

QString Quoted(const QString& text)
{
    return u'"' + text + u'"';
}

QString SelectedCell(const StringGrid* grid, int col = 0)
{
    const int row = grid->row();
    return row > 0 ? grid->cell(col, row) : QString();
}

}  // namespace

TZLSet_ShangPinForm::TZLSet_ShangPinForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi();
    m_ppFilter = new GridFilter(brandGrid, PPFilterEdit, {0}, this);
    m_cpFilter = new GridFilter(productGrid, CPFilterEdit, {0, 1}, this);
    m_ggFilter = new GridFilter(itemGrid, GGFilterEdit, {0}, this);
    EnterMovesFocus(PPFilterEdit, brandGrid);  // Enter in a find box goes to its list
    EnterMovesFocus(CPFilterEdit, productGrid);
    EnterMovesFocus(GGFilterEdit, itemGrid);
    GuardedConnect(brandGrid, &StringGrid::rowSelected, this, m_ctx, &TZLSet_ShangPinForm::brandSelected);
    GuardedConnect(productGrid, &StringGrid::rowSelected, this, m_ctx, &TZLSet_ShangPinForm::productSelected);
    GuardedConnect(m_ppFilter, &GridFilter::filtered, this, m_ctx, &TZLSet_ShangPinForm::brandSelected);
    GuardedConnect(m_cpFilter, &GridFilter::filtered, this, m_ctx, &TZLSet_ShangPinForm::productSelected);
    GuardedConnect(PP_AddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::PP_AddButtonClick);
    GuardedConnect(PP_EditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::PP_EditButtonClick);
    GuardedConnect(PP_DelButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::PP_DelButtonClick);
    GuardedConnect(CP_AddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::CP_AddButtonClick);
    GuardedConnect(CP_EditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::CP_EditButtonClick);
    GuardedConnect(CP_DelButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::CP_DelButtonClick);
    GuardedConnect(GG_AddButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::GG_AddButtonClick);
    GuardedConnect(GG_EditButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::GG_EditButtonClick);
    GuardedConnect(GG_DelButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::GG_DelButtonClick);
    GuardedConnect(ImportButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::ImportButtonClick);
    GuardedConnect(LabelButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::LabelButtonClick);
    GuardedConnect(exitButton, &QPushButton::clicked, this, m_ctx, &TZLSet_ShangPinForm::exitButtonClick);
    LoadGoodsGrids();
}

void TZLSet_ShangPinForm::LoadGoodsGrids()
{
    editTabs->setCurrentWidget(brandPage);
    ListPinPai();
}

void TZLSet_ShangPinForm::ListPinPai()
{
    m_ppFilter->setRows(PinPaiRows(m_ctx.db()), PinPaiColumns);
    ListChanPin();
}

void TZLSet_ShangPinForm::ListChanPin()
{
    m_cpFilter->setRows(ChanPinRows(m_ctx.db(), selectedPinPai()), ChanPinColumns);
    ListGuiGe();
}

void TZLSet_ShangPinForm::ListGuiGe()
{
    m_ggFilter->setRows(GuiGeRows(m_ctx.db(), selectedPinPai(), selectedChanPin()), GuiGeColumns);
}

QString TZLSet_ShangPinForm::selectedPinPai() const { return SelectedCell(brandGrid); }
QString TZLSet_ShangPinForm::selectedChanPin() const { return SelectedCell(productGrid); }
QString TZLSet_ShangPinForm::selectedGuiGe() const { return SelectedCell(itemGrid); }

void TZLSet_ShangPinForm::brandSelected()
{
    ListChanPin();
}

void TZLSet_ShangPinForm::productSelected()
{
    ListGuiGe();
}

void TZLSet_ShangPinForm::PP_AddButtonClick()
{
    TZLSet_SPEditForm form(m_ctx, this);
    form.ShowEditPage(TZLSet_SPEditForm::PPAdd);
    form.exec();
    ListPinPai();
}

void TZLSet_ShangPinForm::PP_EditButtonClick()
{
    const QString brand = selectedPinPai();
    if (brand.trimmed().isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要修改的品牌!"));
    TZLSet_SPEditForm form(m_ctx, this);
    form.OldPinPai = brand.trimmed();
    form.PPEdit_PPEdit->setText(brand);
    form.ShowEditPage(TZLSet_SPEditForm::PPEdit);
    form.exec();
    ListPinPai();
}

void TZLSet_ShangPinForm::PP_DelButtonClick()
{
    const QString brand = selectedPinPai();
    if (brand.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要删除的品牌!"));
    if (!m_ctx.prompts->warningQuestion(
            this, QStringLiteral("确定要删除品牌") + Quoted(brand) + QStringLiteral("吗?\n\r")
                      + QStringLiteral("删除该品牌将同时删除与该品牌相关的所有产品及规格/型号以及该品牌商品的库存!")))
        return;
    DeletePinPai(m_ctx.db(), brand);
    ListPinPai();
}

void TZLSet_ShangPinForm::CP_AddButtonClick()
{
    const QString brand = selectedPinPai().trimmed();
    if (brand.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请先添加品牌!"));
    TZLSet_SPEditForm form(m_ctx, this);
    form.CPAdd_PPComboBox->setCurrentIndex(ComboIndexOf(*form.CPAdd_PPComboBox, brand));
    form.ShowEditPage(TZLSet_SPEditForm::CPAdd);
    form.exec();
    ListChanPin();
}

void TZLSet_ShangPinForm::CP_EditButtonClick()
{
    const QString product = selectedChanPin();
    if (product.trimmed().isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要修改的产品!"));
    TZLSet_SPEditForm form(m_ctx, this);
    form.OldChanPin = product.trimmed();
    form.CPEdit_PPEdit->setText(selectedPinPai());
    form.CPEdit_CPEdit->setText(product);
    form.CPEdit_TypeComboBox->setEditText(SelectedCell(productGrid, 1));
    form.ShowEditPage(TZLSet_SPEditForm::CPEdit);
    form.exec();
    ListChanPin();
}

void TZLSet_ShangPinForm::CP_DelButtonClick()
{
    const QString brand = selectedPinPai();
    const QString product = selectedChanPin();
    if (product.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要删除的产品!"));
    if (!m_ctx.prompts->warningQuestion(
            this, QStringLiteral("确定要删除产品") + Quoted(brand + product) + QStringLiteral("吗?\n\r")
                      + QStringLiteral("删除该产品将同时删除与该产品相关的所有规格/型号以及该产品商品的库存!")))
        return;
    DeleteChanPin(m_ctx.db(), brand, product);
    ListChanPin();
}

void TZLSet_ShangPinForm::GG_AddButtonClick()
{
    const QString product = selectedChanPin().trimmed();
    if (product.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请先添加产品!"));
    TZLSet_SPEditForm form(m_ctx, this);
    form.GGAddGoods->pick(selectedPinPai().trimmed(), product);
    form.ShowEditPage(TZLSet_SPEditForm::GGAdd);
    form.exec();
    ListGuiGe();
}

void TZLSet_ShangPinForm::GG_EditButtonClick()
{
    const QString spec = selectedGuiGe();
    if (spec.trimmed().isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要修改的型号/规格"));
    TZLSet_SPEditForm form(m_ctx, this);
    form.OldGuiGe = spec.trimmed();
    form.GGEdit_PPEdit->setText(selectedPinPai());
    form.GGEdit_CPEdit->setText(selectedChanPin());
    form.GGEdit_GGEdit->setText(spec);
    form.GGEdit_CBEdit->setText(SelectedCell(itemGrid, 1));
    form.GGEdit_SLEdit->setText(SelectedCell(itemGrid, 2));
    form.GGEdit_TMEdit->setPlainText(
        GoodsBarcodes::of(m_ctx.db(), {selectedPinPai(), selectedChanPin(), spec.trimmed()}).join(u'\n'));
    form.ShowEditPage(TZLSet_SPEditForm::GGEdit);
    form.exec();
    ListGuiGe();
}

void TZLSet_ShangPinForm::GG_DelButtonClick()
{
    const QString brand = selectedPinPai();
    const QString product = selectedChanPin();
    const QString spec = selectedGuiGe();
    if (spec.isEmpty())
        return m_ctx.prompts->message(this, QStringLiteral("请选择要删除的型号/规格!"));
    if (!m_ctx.prompts->warningQuestion(this, QStringLiteral("确定要删除型号") + Quoted(brand + product + spec)
                                           + QStringLiteral("吗?\n\r")
                                           + QStringLiteral("删除该型号将同时删除该型号商品的库存!")))
        return;
    DeleteGuiGe(m_ctx.db(), brand, product, spec);
    ListGuiGe();
}

void TZLSet_ShangPinForm::LabelButtonClick()
{
    TLabelPrintForm form(m_ctx, this);
    form.pickGoods(selectedPinPai(), selectedChanPin());
    form.exec();
}

void TZLSet_ShangPinForm::ImportButtonClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("从Excel导入商品"), QString(),
                                                      QStringLiteral("表格文件 (*.xlsx *.csv);;Excel 工作簿 (*.xlsx);;CSV 文件 (*.csv)"));
    if (!path.isEmpty())
        ImportFile(path);
}

void TZLSet_ShangPinForm::ImportFile(const QString& path)
{
    const GoodsImportCheck check = CheckGoodsImport(m_ctx.db(), ReadTableFile(path));
    TGoodsImportForm preview(path, check, this);
    if (preview.exec() != QDialog::Accepted || !check.ok())
        return;
    ImportGoods(m_ctx.db(), check.rows);
    m_ctx.prompts->message(this, QStringLiteral("导入成功，共导入%1个商品!").arg(check.rows.size()));
    ListPinPai();
}

void TZLSet_ShangPinForm::exitButtonClick()
{
    close();
}
