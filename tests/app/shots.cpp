// Screenshots of the shell's windows, drawn offscreen on a temporary program folder:
//   QT_QPA_PLATFORM=offscreen shots DIR
// writes login.png, main-open.png, main-closed.png, users.png, password.png, enterprise.png,
// about.png and help.png into DIR. The navigator is drawn onto the main window at its place.

#include "../ShotTool.h"
#include "AboutForm.h"
#include "AppContext.h"
#include "Application.h"
#include "DaoHangForm.h"
#include "HelpForm.h"
#include "GongYingShangEditForm.h"
#include "GongYingShangForm.h"
#include "GongYingShangStore.h"
#include "KeHuEditForm.h"
#include "KeHuForm.h"
#include "KeHuStore.h"
#include "LogForm.h"
#include "MainForm.h"
#include "Schema.h"
#include "UpPassForm.h"
#include "UserGLForm.h"
#include "UserStore.h"
#include "YuanGongEditForm.h"
#include "YuanGongForm.h"
#include "YuanGongStore.h"
#include "ZL_QYXXForm.h"
#include "GoodsSelector.h"
#include "GoodsStore.h"
#include "StringGrid.h"
#include "GoodsImport.h"
#include "GoodsImportForm.h"
#include "SPClassForm.h"
#include "ZLSet_SPEditForm.h"
#include "GoodsBarcodes.h"
#include "LabelPrintForm.h"
#include "PagePainter.h"
#include "ReportPreviewDialog.h"
#include "ZLSet_ShangPinForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace {

// The main window with the navigator drawn at its place, as a desktop shows them.
void MainShot(AppContext& context, const char* name)
{
    TMainForm form(context);
    form.resize(1280, 800);
    form.show();
    QCoreApplication::processEvents();
    QPixmap picture = form.grab();
    TDaoHangForm* nav = form.navigator();
    const QPixmap navPicture = nav->grab();
    QPainter p(&picture);
    const QRect navRect(nav->pos(), navPicture.size());
    const int titleHeight = 26;
    const QRect frame = navRect.adjusted(-1, -titleHeight - 1, 1, 1);
    p.fillRect(frame.translated(4, 4), QColor(0, 0, 0, 50));
    p.fillRect(frame, QColor(60, 90, 130));
    p.setPen(Qt::white);
    p.drawText(frame.adjusted(8, 1, 0, 0).topLeft() + QPoint(0, 18), nav->windowTitle());
    p.drawText(QRect(frame.right() - 24, frame.top() + 1, 20, titleHeight), Qt::AlignCenter, QStringLiteral("×"));
    p.drawPixmap(navRect.topLeft(), navPicture);
    SavePicture(picture.toImage(), QString::fromLatin1(name));
}

}  // namespace

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    ShotProgram program;
    if (!program.start(app, argc, argv, "shots"))
        return 1;
    AppContext& context = *program.context;
    TUser clerk;
    clerk.UserName = QStringLiteral("店员小王");
    clerk.UserPassword = QStringLiteral("123");
    clerk.QX_XSDJ = clerk.QX_XSTH = clerk.QX_CXKC = clerk.QX_PZKH = clerk.QX_UpPass = 1;
    InsertUser(context.db(), clerk);
    context.GsInfo.GSPhone = QStringLiteral("0571-8765 4321 13800000000");  // two numbers in one box

    {
        TLogForm login(context);
        login.userBox->setCurrentIndex(login.userBox->findText(QString::fromUtf8(BuiltInAdministrator)));
        Shot(login, "login.png");
    }
    GetUser(context.db(), QString::fromUtf8(BuiltInAdministrator), context.LoginUser);
    context.BriefHelp = 1;
    MainShot(context, "main-open.png");
    context.BriefHelp = 0;
    GetUser(context.db(), clerk.UserName, context.LoginUser);
    MainShot(context, "main-closed.png");
    {
        TUserGLForm users(context);
        Shot(users, "users.png");
    }
    {
        TUpPassForm password(context);
        Shot(password, "password.png");
    }
    {
        TZL_QYXXForm info(context);
        Shot(info, "enterprise.png");
    }
    {
        Database& db = context.db();
        InsertPinPai(db, QStringLiteral("海安(Haian)集团青岛家用电器有限公司"));
        InsertChanPin(db, QStringLiteral("海安(Haian)集团青岛家用电器有限公司"), QStringLiteral("变频壁挂式冷暖空调"),
                   QStringLiteral("空调"));
        InsertGuiGe(db, QStringLiteral("海安(Haian)集团青岛家用电器有限公司"), QStringLiteral("变频壁挂式冷暖空调"),
                    QStringLiteral("KFR-35GW/BP2DN1(81U1)一级能效 自清洁"), 2136.75, 12);
        TZLSet_ShangPinForm goods(context);
        goods.brandGrid->setRow(goods.brandGrid->rowCount() - 1);
        Shot(goods, "goods.png");
        goods.CPFilterEdit->setText(QStringLiteral("kt"));
        Shot(goods, "goods-filter.png");
        const char* pages[] = {"goods-page1.png", "goods-page2.png", "goods-page3.png",
                               "goods-page4.png", "goods-page5.png", "goods-page6.png"};
        for (int page = TZLSet_SPEditForm::PPAdd; page <= TZLSet_SPEditForm::GGEdit; ++page) {
            TZLSet_SPEditForm dialog(context);
            dialog.OldPinPai = dialog.OldChanPin = dialog.OldGuiGe = QStringLiteral("x");
            dialog.PPEdit_PPEdit->setText(QStringLiteral("海安(Haian)集团青岛家用电器有限公司"));
            dialog.CPEdit_PPEdit->setText(QStringLiteral("海安(Haian)集团青岛家用电器有限公司"));
            dialog.CPEdit_CPEdit->setText(QStringLiteral("变频壁挂式冷暖空调"));
            dialog.GGAddGoods->pick(QStringLiteral("海安(Haian)集团青岛家用电器有限公司"), QStringLiteral("变频壁挂式冷暖空调"));
            dialog.GGEdit_PPEdit->setText(QStringLiteral("海安(Haian)集团青岛家用电器有限公司"));
            dialog.GGEdit_CPEdit->setText(QStringLiteral("变频壁挂式冷暖空调"));
            dialog.GGEdit_GGEdit->setText(QStringLiteral("KFR-35GW/BP2DN1(81U1)一级能效 自清洁"));
            dialog.GGEdit_CBEdit->setText(QStringLiteral("2136.75"));
            dialog.GGEdit_SLEdit->setText(QStringLiteral("12"));
            dialog.GGEdit_TMEdit->setPlainText(QStringLiteral("6901234567892\nHA-35GW/BOX"));
            dialog.ShowEditPage(page);
            Shot(dialog, pages[page - 1]);
        }
    }
    {
        GoodsBarcodes::set(context.db(), {"海安(Haian)集团青岛家用电器有限公司", "变频壁挂式冷暖空调",
                                          "KFR-35GW/BP2DN1(81U1)一级能效 自清洁"}, {"6901234567892"});
        TLabelPrintForm labels(context);
        labels.pickGoods(QStringLiteral("海安(Haian)集团青岛家用电器有限公司"), QString());
        labels.countEdit->setValue(3);
        labels.addButton->click();
        labels.pickGoods(QStringLiteral("海岳"), QString());
        labels.countEdit->setValue(2);
        labels.addButton->click();
        Shot(labels, "labels.png");
        ReportPreviewDialog preview(labels.labelPages(), [](const QString&) {});
        preview.resize(1000, 700);
        Shot(preview, "labels-preview.png");
        SavePicture(RenderPageImage(labels.labelPages(), 0, 100), "labels-page.png");
    }
    {
        QVector<QStringList> sheet{{"品牌", "产品", "产品类型", "规格/型号", "初始库存量", "初始成本"}};
        for (int i = 1; i <= 30; ++i)
            sheet.append({"歌乐电器(GELE)", "分体落地式冷暖空调", "空调", QStringLiteral("KFR-72LW/(72555)FNhAa-B%1").arg(i),
                          QString::number(i), QString::number(4100 + i * 10.5)});
        TGoodsImportForm accepted("商品目录.csv", CheckGoodsImport(context.db(), sheet));
        Shot(accepted, "import-ok.png");
        sheet[4][5] = ".";
        sheet[9][4] = "-2";
        sheet[12][0] = "";
        TGoodsImportForm refused("商品目录.csv", CheckGoodsImport(context.db(), sheet));
        Shot(refused, "import-refused.png");
    }
    {
        TSPClassForm classes(context);
        Shot(classes, "classes.png");
        TSPClassEditForm edit(context);
        edit.SetCPTypeEditMode(QStringLiteral("嵌入式厨房电器（烟灶消）"));
        Shot(edit, "class-edit.png");
    }
    {
        Database& db = context.db();
        const TKeHu k{QStringLiteral("济南市历下区明湖路百货大楼家电部（总店）"), QStringLiteral("欧阳经理"),
                      QStringLiteral("0531-86112233 13905310211"), QStringLiteral("0531-86112234"),
                      QStringLiteral("济南市历下区明湖东路35号百货大楼负一层东侧"), QStringLiteral("bh@mh.cn"),
                      QStringLiteral("月结客户，送货前电话预约"), QStringLiteral("250011")};
        InsertKeHu(db, k);
        InsertKeHu(db, TKeHu{QStringLiteral("空调维修部"), {}, QStringLiteral("0531-5550001"), {}, {}, {}, {}, {}});
        TKeHuForm customers(context);
        Shot(customers, "customers.png");
        customers.FilterEdit->setText(QStringLiteral("kt"));
        Shot(customers, "customers-filter.png");
        TKeHuEditForm customer(context);
        customer.SetKeHuEditMode(k);
        Shot(customer, "customer-edit.png");

        const TGongYingShang g{QStringLiteral("青岛海安智家股份有限公司济南分公司"), QStringLiteral("司马晓东"),
                               QStringLiteral("0531-82345678"), QStringLiteral("0531-82345679"),
                               QStringLiteral("济南市天桥区工业北路66号海安工贸大厦"), QStringLiteral("250100"),
                               QStringLiteral("jn@haian.example"), QStringLiteral("www.haian.example"),
                               QStringLiteral("中国工商银行济南工业北路支行"), QStringLiteral("1602 0012 0920 0123 456"),
                               QStringLiteral("91370100MA3C4XXXXX"), QStringLiteral("每月25日对账")};
        InsertGYS(db, g);
        TGongYingShangForm suppliers(context);
        Shot(suppliers, "suppliers.png");
        TGongYingShangEditForm supplier(context);
        supplier.SetGYSEditMode(g);
        Shot(supplier, "supplier-edit.png");

        const TYuanGong y{QStringLiteral("欧阳晓燕"), QStringLiteral("女"), QStringLiteral("26"),
                          QStringLiteral("370102199802143321"), QStringLiteral("济南市历城区花园路5号3单元502室"),
                          QStringLiteral("13706412233"), QDate(2021, 3, 15), QStringLiteral("负责空调、热水器安装预约")};
        InsertYuanGong(db, y);
        TYuanGongForm employees(context);
        Shot(employees, "employees.png");
        TYuanGongEditForm employee(context);
        employee.SetYuanGongEditMode(y);
        Shot(employee, "employee-edit.png");
    }
    {
        TAboutForm about(context);
        Shot(about, "about.png");
    }
    {
        THelpForm help(QStringLiteral(QL_HELP_FILE));
        Shot(help, "help.png");
    }
    return 0;
}
