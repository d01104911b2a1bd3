#include "CGDJForm.h"

#include "AppContext.h"
#include "ClosedMonthQuestion.h"
#include "CGDJAddForm.h"
#include "ContactCombos.h"
#include "DocumentSide.h"
#include "DocumentStore.h"
#include "GongYingShangForm.h"
#include "GongYingShangStore.h"
#include "NumberText.h"
#include "PrintReport.h"
#include "ReportData.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBase_CGDJForm::TBase_CGDJForm(AppContext& context, QWidget* parent)
    : TradeDocumentForm(context, PurchaseSide(),
                        {{"采购登记", "采购退货"},
                         {"采购日期", "退货日期"},
                         {"实付", "实收"},
                         {"确认入库", "确认退货"},
                         {"新建采购单", "新建退货单"},
                         {"保存采购单", "保存采购退货单"}},
                        parent)
{
    setupUi({"Base_CGDJForm", "GYSComboBox", "供应商", "Label11", "若需记录供应商详细信息,请点击此处新增供应商>>",
             "PhoneEdit", "AddressEdit", "Label3", "DHEdit", "browsebutton", "Label6"},
            nullptr, QString(), {});
    connectHandlers();
    SetDanKind(ForwardKind);
}

void TBase_CGDJForm::InitCaiGouDan()
{
    FillGYSCombo(m_ctx.db(), *GYSComboBox);
}

std::unique_ptr<GoodsLineForm> TBase_CGDJForm::makeAddForm()
{
    return std::make_unique<TCGDJAddForm>(m_ctx, this);
}

void TBase_CGDJForm::GYSComboBoxChange()
{
    const TGongYingShang g = GetGYS(m_ctx.db(), GYSComboBox->currentText());
    if (g.GYS.isEmpty())
        return;
    PhoneEdit->setText(g.phone);
    AddressEdit->setText(g.address);
}

void TBase_CGDJForm::openSupplierWindow()
{
    {
        TGongYingShangForm form(m_ctx, this);
        form.exec();
    }
    refillPartners([this] { FillGYSCombo(m_ctx.db(), *GYSComboBox); });
}

bool TBase_CGDJForm::SaveCaiGouDan()
{
    QString number;
    const QString duplicate = QStringLiteral("系统中已存在该单号，请输入正确的单号!\n\r若要修改历史采购单，请到")
                            + u'"' + QStringLiteral("查询统计->采购查询") + u'"'
                            + QStringLiteral("中删除相应的采购单后再重新进行采购登记!");
    if (!checkNumber([this](const QString& dh) { return IsNewCaiGouDH(m_ctx.db(), dh); }, duplicate, &number))
        return false;
    if (!readPaid())
        return false;
    TCaiGouDan header;
    header.dh = number;
    header.shuliang = draft().quantity();
    header.jinE = draft().amount();
    header.QK = draft().owed();
    header.GYS = GYSComboBox->currentText();
    header.in_date = documentDate->date();
    header.Remark = RemarkEdit->text();
    if (header.shuliang == 0)
        return false;
    if (header.GYS.isEmpty()) {
        refuse(GYSComboBox, QStringLiteral("请输入或选择供应商名称!"));
        return false;
    }
    if (!GoOnInClosedMonth(m_ctx, this, header.in_date))
        return false;
    const QString saved = SaveCaiGouDocument(m_ctx.db(), header, GridLines(), danKind(), takenRule(number));
    if (saved.isEmpty()) {
        refuse(DHEdit, duplicate);
        return false;
    }
    showSavedNumber(saved, number);
    return true;
}

void TBase_CGDJForm::PrintCaiGouDan(ReportOutput output)
{
    const QString dh = DHEdit->text().trimmed();
    const DanKind kind = danKind();
    ReportRequest r = TradeDocumentPrintout(
        m_ctx.GsInfo, ReportForm::CGDJ, PurchaseSide().captionOf(kind),
        DocumentHead(dh, GYSComboBox->currentText(), AddressEdit->text(), PhoneEdit->text()));
    r.prepare = [this, dh, kind] { return ReportData{PrepareBB_CGDJ(m_ctx.db(), dh, kind), {}}; };

    PrintReport(m_ctx, this, true, r, output);
}
