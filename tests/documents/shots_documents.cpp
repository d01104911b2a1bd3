// Screenshots of the trade document windows, drawn offscreen on a temporary program folder with
// the demonstration data:
//   QT_QPA_PLATFORM=offscreen shots_documents DIR
// Each window in each kind holds a real document of several lines (the sales windows saved, so
// that their printouts can be shown); the add-item dialogs are shown in each kind, one with the
// matches of a model number listed, one with a line filled in. The preview of a saved sale, its
// A4 page and its receipt slip on both roll widths are written too, and the saved purchase and
// purchase return with their previews and pages.

#include "../ShotTool.h"
#include "CGDJAddForm.h"
#include "CGDJForm.h"
#include "PagePainter.h"
#include "PrintSetForm.h"
#include "ReportPreviewDialog.h"
#include "StockCountForm.h"
#include "XSDJAddForm.h"
#include "XSDJForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

struct Line {
    const char* spec;
    double price;
    int quantity;
};

// Adds a line as the dialog would hand it over: the goods item of the spec at the price.
void Add(AppContext& ctx, TradeDocumentForm& w, const Line& l)
{
    QSqlQuery q = ctx.db().exec(QStringLiteral("select PinPai,ChanPin from Log_KuCun where GuiGe=:g"),
                                {{QStringLiteral(":g"), QString::fromUtf8(l.spec)}});
    q.next();
    TShangPinItem it;
    it.PinPai = q.value(0).toString();
    it.chanpin = q.value(1).toString();
    it.guige = QString::fromUtf8(l.spec);
    it.danjia = Money::fromYuan(l.price);
    it.shuliang = l.quantity;
    it.jinE = it.danjia * l.quantity;
    w.AppendItemRow(it);
    w.CalcDanTotals();
}

// The page model of the preview that the button opens; the preview window is saved as a picture.
PageModel Preview(QPushButton* button, const QString& name)
{
    PageModel model;
    QObject scope;  // a timer still waiting when no dialog came up goes with this scope
    QTimer::singleShot(0, &scope, [&] {
        if (auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
            model = preview->model();
            preview->resize(900, 760);
            QCoreApplication::processEvents();
            SavePicture(preview->grab().toImage(), name);
            preview->reject();
        }
    });
    button->click();
    return model;
}

void GoodsDialog(GoodsLineForm& d, DanKind kind, const QString& find, const QString& price, const QString& quantity,
                 const QString& name)
{
    d.SetItemKind(kind);
    d.show();
    d.FindEdit->setText(find);
    d.FindEditChange();
    if (!price.isEmpty()) {
        d.FindEditReturn();
        d.DJEdit->setText(price);
        d.SLEdit->setText(quantity);
    }
    Shot(d, name);
}

}  // namespace

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    ShotProgram program;
    if (!program.start(app, argc, argv, "shots_documents"))
        return 1;
    AppContext& ctx = *program.context;

    for (DanKind kind : {ForwardKind, ReturnKind}) {
        TBase_XSDJForm w(ctx);
        w.SetDanKind(kind);
        w.show();
        w.KHComboBox->setEditText(QStringLiteral("张建国"));
        w.YYYComboBox->setCurrentIndex(0);
        w.RemarkEdit->setText(kind == ForwardKind ? QStringLiteral("周六上午送货安装") : QStringLiteral("外观划伤，退回"));
        if (kind == ForwardKind) {
            for (const Line& l : {Line{"KFR-35GW/BC1", 3280, 1}, Line{"BCD-256TF", 2399, 1}, Line{"XQB80-36", 1299, 2},
                                  Line{"XH-43A5", 1899, 1}})
                Add(ctx, w, l);
            w.SSEdit->setText(QStringLiteral("8000"));
        } else {
            Add(ctx, w, {"XQB80-36", 1299, 1});
        }
        Shot(w, kind == ForwardKind ? QStringLiteral("sale-entering.png") : QStringLiteral("sales-return-entering.png"));
        w.NewDButtonClick();
        Shot(w, kind == ForwardKind ? QStringLiteral("sale-saved.png") : QStringLiteral("sales-return-saved.png"));
        if (kind == ForwardKind) {
            const PageModel page = Preview(w.BrowseButton, QStringLiteral("sale-preview.png"));
            SavePicture(RenderPageImage(page, 0, 110), QStringLiteral("sale-page.png"));
            for (int width : {80, 58}) {
                ctx.XSDPrintSet.ReceiptWidth = width;
                const PageModel slip = Preview(w.SlipBrowseButton, QStringLiteral("receipt-preview-%1.png").arg(width));
                SavePicture(RenderPageImage(slip, 0, 200), QStringLiteral("receipt-%1mm.png").arg(width));
            }
        }
    }
    for (DanKind kind : {ForwardKind, ReturnKind}) {
        TBase_CGDJForm w(ctx);
        w.SetDanKind(kind);
        w.show();
        w.GYSComboBox->setEditText(QStringLiteral("北辰电器销售公司"));
        w.RemarkEdit->setText(kind == ForwardKind ? QStringLiteral("夏季备货") : QStringLiteral("质量问题退回"));
        if (kind == ForwardKind) {
            for (const Line& l : {Line{"KFR-26GW/BC1", 2100, 10}, Line{"KFR-35GW/BC1", 2550, 8}, Line{"KFR-72LW/BC3", 6200, 2}})
                Add(ctx, w, l);
            w.SSEdit->setText(QStringLiteral("30000"));
        } else {
            Add(ctx, w, {"KFR-35GW/BC1", 2550, 1});
        }
        Shot(w, kind == ForwardKind ? QStringLiteral("purchase-entering.png") : QStringLiteral("purchase-return-entering.png"));
        w.NewDButtonClick();
        Shot(w, kind == ForwardKind ? QStringLiteral("purchase-saved.png") : QStringLiteral("purchase-return-saved.png"));
        const PageModel page = Preview(w.previewButton, kind == ForwardKind ? QStringLiteral("purchase-preview.png")
                                                                  : QStringLiteral("purchase-return-preview.png"));
        SavePicture(RenderPageImage(page, 0, 110),
                    kind == ForwardKind ? QStringLiteral("purchase-page.png") : QStringLiteral("purchase-return-page.png"));
    }
    {
        TXSDJAddForm d(ctx);
        GoodsDialog(d, ForwardKind, QStringLiteral("kfr"), {}, {}, QStringLiteral("sale-add-item-matches.png"));
    }
    {
        TXSDJAddForm d(ctx);
        GoodsDialog(d, ForwardKind, QStringLiteral("BCD-256TF"), QStringLiteral("1750"), QStringLiteral("1"),
                    QStringLiteral("sale-add-item-below-cost.png"));
    }
    {
        TXSDJAddForm d(ctx);
        GoodsDialog(d, ReturnKind, QStringLiteral("xqb80"), QStringLiteral("1299"), QStringLiteral("1"),
                    QStringLiteral("sales-return-add-item.png"));
    }
    {
        TCGDJAddForm d(ctx);
        GoodsDialog(d, ForwardKind, QStringLiteral("KFR-72LW"), QStringLiteral("6200"), QStringLiteral("2"),
                    QStringLiteral("purchase-add-item.png"));
    }
    {
        TCGDJAddForm d(ctx);
        GoodsDialog(d, ReturnKind, QStringLiteral("bc-"), {}, {}, QStringLiteral("purchase-return-add-item-matches.png"));
    }
    // Stock-taking part way: scans of three goods items (two of one), a quantity typed for a
    // fourth, and a code that finds nothing; then the preview of its difference list.
    {
        TStockCountForm count(ctx);
        count.show();
        const auto scan = [&](const QString& code) {
            count.codeEdit->setText(code);
            count.countCode();
        };
        for (const char* code : {"KFR-35GW/BC1", "KFR-35GW/BC1", "BCD-256TF", "XQB80-36"})
            scan(QString::fromUtf8(code));
        count.quantityEdit->setText(QStringLiteral("6"));
        scan(QStringLiteral("XH-43A5"));
        scan(QStringLiteral("ZZ-999"));
        Shot(count, QStringLiteral("stock-count.png"));
        Preview(count.previewButton, QStringLiteral("stock-count-preview.png"));
        DiscardStockCount(ctx.db());
    }
    // The print settings with a network receipt printer and the cash drawer.
    {
        ctx.XSDPrintSet.ReceiptPrinter = 3;
        ctx.XSDPrintSet.ReceiptTarget = QStringLiteral("192.168.1.50:9100");
        ctx.XSDPrintSet.ReceiptDrawer = true;
        TPrintSetForm settings(ctx);
        Shot(settings, QStringLiteral("print-settings.png"));
    }
    return 0;
}
