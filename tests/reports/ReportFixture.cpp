#include "ReportFixture.h"

#include "Database.h"
#include "DemoData.h"
#include "DocumentStore.h"
#include "PartPayments.h"

#include <QStringList>
#include <initializer_list>

namespace {

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

void Insert(Database& db, const char* table, const QStringList& columns, const QVariantList& values)
{
    QStringList names;
    SqlParams params;
    for (int i = 0; i < columns.size(); ++i) {
        names << u':' + columns[i];
        params.append({names.last(), values[i]});
    }
    db.exec(QStringLiteral("insert into %1(%2) values(%3)")
                .arg(QLatin1String(table), columns.join(u','), names.join(u',')),
            params);
}

const SeedGoods FixtureGoods[] = {
    {"北辰", "北辰挂机空调", "空调", "KFR-26GW/BC1", 20, 2000},
    {"北辰", "北辰挂机空调", "空调", "KFR-35GW/BC1", 10, 2500},
    {"北辰", "北辰液晶电视", "电视", "BC-55U7", 10, 3000},
    {"北辰", "北辰加湿器", "小家电", "BC-JS01", 10, 100},
    {"雪峰", "雪峰三门冰箱", "冰箱", "BCD-256TF", 10, 1800},
    {"雪峰", "雪峰冷柜", "冰箱", "BD-200", 3, 1000},
    {"北辰", "北辰冷柜", "冰箱", "BD-200", 2, 1100},
};

void InsertMasterData(Database& db)
{
    for (const char* t : {"空调", "电视", "冰箱", "小家电"})
        Insert(db, "Base_CPType", {QStringLiteral("TypeName")}, {S(t)});
    for (const SeedGoods& g : FixtureGoods)
        InsertGoodsItem(db, g);
    const QStringList customerColumns{QStringLiteral("KeHu"), QStringLiteral("LXR"), QStringLiteral("phone"),
                                      QStringLiteral("address"), QStringLiteral("yb")};
    Insert(db, "Base_KeHu", customerColumns, {S("张建国"), S("张建国"), S("13905310211"), S("城东区幸福路18号"), S("250014")});
    Insert(db, "Base_KeHu", customerColumns, {S("李秀英"), S("李秀英"), S("13805312687"), S("城南区和平街6号"), S("250002")});
    Insert(db, "Base_KeHu", customerColumns, {S("明湖宾馆"), S("赵经理"), S("0531-86112233"), S("城北区明湖路35号"), S("250011")});
    Insert(db, "Base_KeHu", customerColumns, {S("13号商铺"), S("钱老板"), S("0531-80000000"), S("商业街13号"), S("250001")});
    Insert(db, "Base_KeHu", customerColumns, {S("老周's电器行"), S("周先生"), S("15900002468"), S("城西区经七路9号"), S("250022")});
    const QStringList supplierColumns{QStringLiteral("GYS"), QStringLiteral("LXR"), QStringLiteral("phone"),
                                      QStringLiteral("address")};
    Insert(db, "Base_GongYingShang", supplierColumns, {S("北辰电器销售公司"), S("周强"), S("0531-82345678"), S("工业北路66号")});
    Insert(db, "Base_GongYingShang", supplierColumns, {S("雪峰家电省代理"), S("吴敏"), S("0531-87654321"), S("经十路1588号")});
    const QStringList employeeColumns{QStringLiteral("Name"), QStringLiteral("Sex"), QStringLiteral("Age"),
                                      QStringLiteral("Phone"), QStringLiteral("Address"), QStringLiteral("ID"),
                                      QStringLiteral("InDate")};
    Insert(db, "Base_YeYuYuan", employeeColumns, {S("王磊"), S("男"), S("28"), S("13706412233"), S("城东区花园路5号"),
                                                  S("370102199802143312"), S("2022-03-01")});
    Insert(db, "Base_YeYuYuan", employeeColumns, {S("赵丽"), S("女"), S("25"), S("13964011827"), S("城南区文化路22号"),
                                                  S("370103200105226021"), S("2023-06-15")});
    for (const char* item : {"安装费收入", "房租"})
        Insert(db, "Base_ShouZhi", {QStringLiteral("item")}, {S(item)});
}

struct Line {
    const char* guige;
    int shuliang;
    double danjia;
};

QVector<TShangPinItem> Lines(std::initializer_list<Line> lines)
{
    QVector<TShangPinItem> items;
    for (const Line& l : lines) {
        for (const SeedGoods& g : FixtureGoods) {
            if (qstrcmp(g.GuiGe, l.guige) != 0)
                continue;
            TShangPinItem it;
            it.PinPai = S(g.PinPai);
            it.chanpin = S(g.ChanPin);
            it.guige = S(g.GuiGe);
            it.shuliang = l.shuliang;
            it.danjia = Money::fromYuan(l.danjia);
            it.jinE = it.danjia * l.shuliang;
            items.append(it);
            break;
        }
    }
    return items;
}

void Sale(Database& db, const char* dh, QDate day, const char* customer, const char* phone,
          const char* salesperson, std::initializer_list<Line> lines, double owed, const char* remark = "")
{
    TXiaoShouDan d;
    d.dh = S(dh);
    d.in_date = day;
    d.KeHu = S(customer);
    d.KeHuPhone = S(phone);
    d.KeHuAddress = S("城区");
    d.yewuyuan = S(salesperson);
    d.Remark = S(remark);
    const QVector<TShangPinItem> items = Lines(lines);
    for (const TShangPinItem& it : items) {
        d.shuliang += it.shuliang;
        d.jinE += it.jinE;
    }
    d.QK = Money::fromYuan(owed);
    if (!SaveXiaoShouDocument(db, d, items, d.dh.startsWith(QStringLiteral("xt")) ? ReturnKind : ForwardKind))
        throw DbError(QStringLiteral("fixture document saved twice: ") + d.dh);
}

void Purchase(Database& db, const char* dh, QDate day, const char* supplier, std::initializer_list<Line> lines,
              double owed)
{
    TCaiGouDan d;
    d.dh = S(dh);
    d.in_date = day;
    d.GYS = S(supplier);
    const QVector<TShangPinItem> items = Lines(lines);
    for (const TShangPinItem& it : items) {
        d.shuliang += it.shuliang;
        d.jinE += it.jinE;
    }
    d.QK = Money::fromYuan(owed);
    if (!SaveCaiGouDocument(db, d, items, d.dh.startsWith(QStringLiteral("ct")) ? ReturnKind : ForwardKind))
        throw DbError(QStringLiteral("fixture document saved twice: ") + d.dh);
}

}  // namespace

void BuildReportFixture(Database& db)
{
    Transaction t(db);
    InsertMasterData(db);
    const char* north = "北辰电器销售公司";
    Sale(db, "xs240228001", {2024, 2, 28}, "张建国", "13905310211", "王磊", {{"BC-55U7", 1, 3400}}, 0);
    Sale(db, "xs240301001", {2024, 3, 1}, "张建国", "13905310211", "王磊",
         {{"KFR-26GW/BC1", 2, 2500}, {"BC-55U7", 2, 3500}}, 0);
    Purchase(db, "cg240302001", {2024, 3, 2}, north, {{"KFR-26GW/BC1", 5, 2000}, {"BC-55U7", 2, 3000}}, 10000);
    Sale(db, "xs240305001", {2024, 3, 5}, "李秀英", "13805312687", "赵丽", {{"BCD-256TF", 1, 1809}}, 809, "送货上门");
    Purchase(db, "cg240306001", {2024, 3, 6}, "雪峰家电省代理", {{"BCD-256TF", 5, 1800}}, 0);
    Sale(db, "xs240310001", {2024, 3, 10}, "老周's电器行", "15900002468", "王磊",
         {{"KFR-35GW/BC1", 2, 3000}, {"BC-JS01", 1, 0}}, 4000);
    RecordPartPayment(db, AccountSide::Receivable, S("xs240310001"), 1000_yuan, {2024, 3, 12});
    Sale(db, "xs240315001", {2024, 3, 15}, "13号商铺", "0531-80000000", "赵丽", {{"KFR-26GW/BC1", 2, 2600}}, 5200);
    Sale(db, "xs240316001", {2024, 3, 16}, "明湖宾馆", "0531-86112233", "赵丽", {{"BC-JS01", 2, 0}}, 0);
    Sale(db, "xt240320001", {2024, 3, 20}, "张建国", "13905310211", "王磊", {{"KFR-26GW/BC1", 2, 2500}}, 0);
    RecordPartPayment(db, AccountSide::Payable, S("cg240302001"), 4000_yuan, {2024, 3, 20});
    Sale(db, "xt240321001", {2024, 3, 21}, "13号商铺", "0531-80000000", "赵丽", {{"KFR-26GW/BC1", 1, 2600}}, 0);
    Sale(db, "xt240322001", {2024, 3, 22}, "明湖宾馆", "0531-86112233", "赵丽", {{"BC-55U7", 1, 3500}}, 3500);
    Purchase(db, "ct240325001", {2024, 3, 25}, north, {{"BC-55U7", 1, 3000}}, 3000);

    const QStringList entryColumns{QStringLiteral("dh"), QStringLiteral("type"), QStringLiteral("in_date"),
                                   QStringLiteral("Item"), QStringLiteral("JinE"), QStringLiteral("remark")};
    Insert(db, "Log_ShouZhi", entryColumns, {S("sz240308001"), S("收入"), S("2024-03-08"), S("安装费收入"), 200.0, S("空调安装")});
    Insert(db, "Log_ShouZhi", entryColumns, {S("sz240331001"), S("支出"), S("2024-03-31"), S("房租"), 3000.0, S("三月房租")});
    Insert(db, "Log_JieQun", {QStringLiteral("JQM"), QStringLiteral("XSE"), QStringLiteral("XSLR"), QStringLiteral("Other_SR"),
                              QStringLiteral("Other_ZC"), QStringLiteral("BenQiLR"), QStringLiteral("ClearState")},
           {S("202402"), 3400.0, 400.0, 0.0, 0.0, 400.0, 1});
    t.commit();
}
