#include "XSDJForm.h"

#include "AppContext.h"
#include "ClosedMonthQuestion.h"
#include "ContactCombos.h"
#include "DocumentSide.h"
#include "DocumentStore.h"
#include "GuardedConnect.h"
#include "KeHuForm.h"
#include "KeHuStore.h"
#include "NumberText.h"
#include "PrintReport.h"
#include "ReportData.h"
#include "XSDJAddForm.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TBase_XSDJForm::TBase_XSDJForm(AppContext& context, QWidget* parent)
    : TradeDocumentForm(context, SalesSide(),
                        {{"销售登记", "销售退货"},
                         {"销售日期", "退货日期"},
                         {"实收", "实付"},
                         {"确认售出", "确认退货"},
                         {"新建销售单", "新建退货单"},
                         {"保存销售单", "保存销售退货单"}},
                        parent)
{
    YYYComboBox = new QComboBox(this);
    YYYComboBox->setObjectName(QStringLiteral("YYYComboBox"));
    SlipPrintButton = new QPushButton(QStringLiteral("打印小票"), this);
    SlipPrintButton->setObjectName(QStringLiteral("SlipPrintButton"));
    SlipPrintButton->setAutoDefault(false);
    SlipBrowseButton = new QPushButton(QStringLiteral("小票预览"), this);
    SlipBrowseButton->setObjectName(QStringLiteral("SlipBrowseButton"));
    SlipBrowseButton->setAutoDefault(false);
    setupUi({"Base_XSDJForm", "KHComboBox", "客户", "Label12", "若需记录客户详细信息，请点击此处新增客户>>",
             "KHPhoneEdit", "KHAddressEdit", "Label4", "XDHEdit", "BrowseButton", "Label7"},
            YYYComboBox, QStringLiteral("业务员"), {SlipPrintButton, SlipBrowseButton});
    connectHandlers();
    GuardedConnect(SlipPrintButton, &QPushButton::clicked, this, m_ctx, [this] { PrintXiaoShouSlip(ReportOutput::Print); });
    GuardedConnect(SlipBrowseButton, &QPushButton::clicked, this, m_ctx, [this] { PrintXiaoShouSlip(ReportOutput::Preview); });
    SetDanKind(ForwardKind);
}

void TBase_XSDJForm::InitXiaoShouDan()
{
    FillKeHuCombo(m_ctx.db(), *KHComboBox);
    FillYuanGongCombo(m_ctx.db(), *YYYComboBox);
}

QList<QWidget*> TBase_XSDJForm::enteringControls() const
{
    return TradeDocumentForm::enteringControls() << YYYComboBox;
}

QList<QWidget*> TBase_XSDJForm::savedControls() const
{
    return TradeDocumentForm::savedControls() << SlipPrintButton << SlipBrowseButton;
}

void TBase_XSDJForm::clearHeader()
{
    TradeDocumentForm::clearHeader();
    YYYComboBox->setCurrentIndex(-1);
}

std::unique_ptr<GoodsLineForm> TBase_XSDJForm::makeAddForm()
{
    return std::make_unique<TXSDJAddForm>(m_ctx, this);
}

bool TBase_XSDJForm::confirmClearAll()
{
    return m_ctx.prompts->question(this, QStringLiteral("确定清除表格中的商品吗?"));
}

void TBase_XSDJForm::KHComboBoxChange()
{
    const TKeHu k = GetKeHu(m_ctx.db(), KHComboBox->currentText());
    if (k.KeHu.isEmpty())
        return;
    KHPhoneEdit->setText(k.phone);
    KHAddressEdit->setText(k.address);
}

void TBase_XSDJForm::openCustomerWindow()
{
    {
        TKeHuForm form(m_ctx, this);
        form.exec();
    }
    refillPartners([this] { FillKeHuCombo(m_ctx.db(), *KHComboBox); });
}

bool TBase_XSDJForm::SaveXiaoShouDan()
{
    QString number;
    const QString duplicate = QStringLiteral("系统中已存在该单号，请输入正确的单号!\n\r若要修改历史销售单，请到")
                            + u'"' + QStringLiteral("查询统计->销售查询") + u'"'
                            + QStringLiteral("中删除相应的销售单后再重新进行销售登记!");
    if (!checkNumber([this](const QString& dh) { return IsNewXiaoShouDH(m_ctx.db(), dh); }, duplicate, &number))
        return false;
    if (!readPaid())
        return false;
    TXiaoShouDan header;
    header.dh = number;
    header.shuliang = draft().quantity();
    header.jinE = draft().amount();
    header.QK = draft().owed();
    header.yewuyuan = YYYComboBox->currentIndex() >= 0 ? YYYComboBox->currentText() : QString();
    header.KeHu = KHComboBox->currentText();
    header.in_date = documentDate->date();
    header.KeHuPhone = KHPhoneEdit->text();
    header.KeHuAddress = KHAddressEdit->text();
    header.Remark = RemarkEdit->text();
    if (header.shuliang == 0)
        return false;
    if (header.yewuyuan.isEmpty()) {
        refuse(YYYComboBox, QStringLiteral("请选择业务员!"));
        return false;
    }
    if (header.KeHu.isEmpty()) {
        refuse(KHComboBox, QStringLiteral("请输入客户名称!"));
        return false;
    }
    if (!GoOnInClosedMonth(m_ctx, this, header.in_date))
        return false;
    const QString saved = SaveXiaoShouDocument(m_ctx.db(), header, GridLines(), danKind(), takenRule(number));
    if (saved.isEmpty()) {
        refuse(XDHEdit, duplicate);
        return false;
    }
    showSavedNumber(saved, number);
    return true;
}

void TBase_XSDJForm::PrintXiaoShouDan(ReportOutput output)
{
    const QString dh = XDHEdit->text().trimmed();
    const DanKind kind = danKind();
    ReportRequest r = TradeDocumentPrintout(
        m_ctx.GsInfo, ReportForm::XSDJ, SalesSide().captionOf(kind),
        DocumentHead(dh, KHComboBox->currentText(), KHAddressEdit->text(), KHPhoneEdit->text()));
    r.prepare = [this, dh, kind] { return ReportData{PrepareBB_XSDJ(m_ctx.db(), dh, kind), {}}; };
    PrintReport(m_ctx, this, true, r, output);
}

void TBase_XSDJForm::PrintXiaoShouSlip(ReportOutput output)
{
    if (danState() != DanState::Saved)
        return;
    const QString dh = XDHEdit->text().trimmed();
    const DanKind kind = danKind();
    const double owed = draft().owed().yuan();
    ReportRequest r;
    r.form = ReportForm::XSXP;
    r.prepare = [this, dh, kind] { return ReportData{PrepareBB_XSDJ(m_ctx.db(), dh, kind), {}}; };
    r.labels = {{"TitleQRLabel", m_ctx.GsInfo.GSName},
                {"SlipQRLabel", kind == ForwardKind ? QStringLiteral("销售小票") : QStringLiteral("退货小票")},
                {"DHQRLabel", dh},
                {"DateQRLabel", documentDate->date().toString(QStringLiteral("yyyy-MM-dd"))},
                {"SumSLCaptionQRLabel", QStringLiteral("合计数量:")},
                {"SumSLQRLabel", SLEdit->text()},
                {"SumJECaptionQRLabel", QStringLiteral("合计金额:")},
                {"SumJEQRLabel", JEEdit->text()},
                {"SSCaptionQRLabel", paidLabel->text() + u':'},
                {"SSQRLabel", FormatGeneral(RoundFloat(2, CellNumber(JEEdit->text()) - owed))},
                {"BalanceCaptionQRLabel", owed > 0 ? QStringLiteral("欠款:") : QStringLiteral("找零:")},
                {"BalanceQRLabel", FormatGeneral(RoundFloat(2, owed > 0 ? owed : -owed))}};
    PrintReport(m_ctx, this, true, r, output);
}
