#include "DemoData.h"

#include "Database.h"
#include "DocNumbers.h"
#include "DocumentStore.h"
#include "Ledger.h"
#include "PartPayments.h"

#include <QStringList>
#include <QVector>
#include <algorithm>
#include <random>

namespace {

// Fictional brands; product names carry the kind of appliance.
const SeedGoods Goods[] = {
    {"北辰", "北辰挂机空调", "空调", "KFR-26GW/BC1", 12, 2150},
    {"北辰", "北辰挂机空调", "空调", "KFR-35GW/BC1", 10, 2580},
    {"北辰", "北辰柜机空调", "空调", "KFR-72LW/BC3", 4, 6280},
    {"北辰", "北辰液晶电视", "电视", "BC-55U7", 6, 2890},
    {"北辰", "北辰液晶电视", "电视", "BC-65U7", 5, 3980},
    {"雪峰", "雪峰对开门冰箱", "冰箱", "BCD-520WS", 5, 3560},
    {"雪峰", "雪峰三门冰箱", "冰箱", "BCD-256TF", 8, 1890},
    {"雪峰", "雪峰冷柜", "冰箱", "BD-200", 6, 1150},
    {"清泉", "清泉滚筒洗衣机", "洗衣机", "XQG100-12B", 7, 2380},
    {"清泉", "清泉波轮洗衣机", "洗衣机", "XQB80-36", 9, 980},
    {"清泉", "清泉洗烘一体机", "洗衣机", "XQG100-HBD", 3, 3620},
    {"星河", "星河智能电视", "电视", "XH-43A5", 10, 1390},
    {"星河", "星河智能电视", "电视", "XH-75A9", 3, 5680},
    {"星河", "星河变频空调", "空调", "KFR-35GW/XH-A1", 8, 2460},
    {"海岳", "海岳十字门冰箱", "冰箱", "BCD-470WL", 4, 3150},
    {"海岳", "海岳滚筒洗衣机", "洗衣机", "XQG90-H12", 6, 1980},
};

const char* const Classes[] = {"空调", "冰箱", "洗衣机", "电视", "小家电"};

const char* const Customers[][5] = {
    // name, contact, phone, address, postal code
    {"张建国", "张建国", "13905310211", "城东区幸福路18号", "250014"},
    {"李秀英", "李秀英", "13805312687", "城南区和平街6号2单元", "250002"},
    {"王海波", "王海波", "15866723015", "开发区华阳小区9栋", "250101"},
    {"刘德明", "刘德明", "13969118842", "城西区槐荫路112号", "250022"},
    {"陈晓燕", "陈晓燕", "18653108876", "高新区舜华路2000号", "250100"},
    {"明湖宾馆", "赵经理", "0531-86112233", "城北区明湖路35号", "250011"},
    {"育才中学", "孙主任", "0531-88201456", "城东区育才路1号", "250014"},
};

const char* const Suppliers[][5] = {
    // name, contact, phone, address, bank
    {"北辰电器销售公司", "周强", "0531-82345678", "工业北路66号", "工商银行工业北路支行"},
    {"雪峰家电省代理", "吴敏", "0531-87654321", "经十路1588号", "建设银行经十路支行"},
    {"清泉电器批发部", "郑伟", "0531-85556677", "二环东路88号", "农业银行二环东路支行"},
    {"星河科技经销中心", "冯磊", "0531-83332211", "历山路128号", "中国银行历山路支行"},
    {"海岳家电物流", "何静", "0531-86669900", "济洛路210号", "交通银行济洛路支行"},
};

const char* const Employees[][6] = {
    // name, sex, age, phone, address, identity number
    {"王磊", "男", "28", "13706412233", "城东区花园路5号", "370102199802143312"},
    {"赵丽", "女", "25", "13964011827", "城南区文化路22号", "370103200105226021"},
    {"孙涛", "男", "32", "15153106679", "城西区经七路9号", "370104199408079131"},
};

const char* const IncomeItems[] = {"安装费收入", "运输费收入", "旧机回收收入"};
const char* const ExpenseItems[] = {"房租", "水电费", "员工工资", "运输费", "广告费"};

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

void InsertMasterData(Database& db, const QDate& today)
{
    for (const char* c : Classes)
        db.exec(QStringLiteral("insert into Base_CPType(TypeName) values(:t)"), {{QStringLiteral(":t"), S(c)}});
    for (const SeedGoods& g : Goods)
        InsertGoodsItem(db, g);
    for (const auto& c : Customers)
        db.exec(QStringLiteral("insert into Base_KeHu(KeHu,LXR,phone,address,yb,FAX,Email,Remark) "
                               "values(:k,:l,:p,:a,:y,'','','')"),
                {{QStringLiteral(":k"), S(c[0])}, {QStringLiteral(":l"), S(c[1])}, {QStringLiteral(":p"), S(c[2])},
                 {QStringLiteral(":a"), S(c[3])}, {QStringLiteral(":y"), S(c[4])}});
    for (const auto& s : Suppliers)
        db.exec(QStringLiteral("insert into Base_GongYingShang(GYS,LXR,phone,address,KHH,FAX,YB,Email,WZ,ZH,SH,Remark) "
                               "values(:g,:l,:p,:a,:k,'','','','','','','')"),
                {{QStringLiteral(":g"), S(s[0])}, {QStringLiteral(":l"), S(s[1])}, {QStringLiteral(":p"), S(s[2])},
                 {QStringLiteral(":a"), S(s[3])}, {QStringLiteral(":k"), S(s[4])}});
    for (const auto& e : Employees)
        db.exec(QStringLiteral("insert into Base_YeYuYuan(Name,Sex,Age,Phone,Address,ID,InDate,Remark) "
                               "values(:n,:s,:a,:p,:d,:i,:t,'')"),
                {{QStringLiteral(":n"), S(e[0])}, {QStringLiteral(":s"), S(e[1])}, {QStringLiteral(":a"), S(e[2])},
                 {QStringLiteral(":p"), S(e[3])}, {QStringLiteral(":d"), S(e[4])}, {QStringLiteral(":i"), S(e[5])},
                 {QStringLiteral(":t"), SqlDate(today.addYears(-2))}});
    for (const char* i : IncomeItems)
        db.exec(QStringLiteral("insert into Base_ShouZhi(item) values(:i)"), {{QStringLiteral(":i"), S(i)}});
    for (const char* i : ExpenseItems)
        db.exec(QStringLiteral("insert into Base_ShouZhi(item) values(:i)"), {{QStringLiteral(":i"), S(i)}});
}

class DemoWriter {
public:
    DemoWriter(Database& db, const QDate& today) : m_db(db), m_today(today), m_rng(20240501) {}

    void run()
    {
        const QDate first = m_today.addMonths(-4);
        for (QDate day = first; day <= m_today; day = day.addDays(1)) {
            if (day.dayOfWeek() == 1 || day.day() == 1 || pick(6) == 0)
                purchase(day, ++m_purchaseDays % 6 == 0);  // every sixth a return
            const int sales = pick(3);
            for (int i = 0; i < sales; ++i)
                sale(day, pick(14) == 0);
            if (day.day() == 5)
                entry(day, S("支出"), S("房租"), 6000);
            if (day.day() == 10)
                entry(day, S("支出"), S("员工工资"), 13500);
            if (day.day() == 20)
                entry(day, S("支出"), S("水电费"), 400 + pick(300));
            if (pick(9) == 0)
                entry(day, S("收入"), S(IncomeItems[pick(3)]), 50 * (1 + pick(6)));
            if (pick(12) == 0)
                entry(day, S("支出"), S("运输费"), 30 * (1 + pick(5)));
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }

    // The lines a purchase from supplier s would hold: goods of its brand that are short (a
    // return: one goods item of which at least two are in stock).
    QVector<TShangPinItem> purchaseLines(int s, bool isReturn)
    {
        QVector<TShangPinItem> lines;
        for (const SeedGoods& g : Goods) {
            if (QString(S(g.PinPai)) != S(BrandOfSupplier(s)))
                continue;
            const int stock = GetKuCunShuLiang(m_db, S(g.PinPai), S(g.ChanPin), S(g.GuiGe));
            if (isReturn ? stock < 2 : stock > 8 || pick(2) == 0)
                continue;
            TShangPinItem it;
            it.PinPai = S(g.PinPai);
            it.chanpin = S(g.ChanPin);
            it.guige = S(g.GuiGe);
            it.shuliang = isReturn ? 1 : 4 + pick(8);
            it.danjia = Money::fromYuan(g.cost * (0.97 + 0.01 * pick(7)));
            it.jinE = it.danjia * it.shuliang;
            lines.append(it);
            if (isReturn)
                break;
        }
        return lines;
    }

    void purchase(const QDate& day, bool isReturn)
    {
        // A return goes to the first supplier, from a chosen one on, that has something to return.
        const int chosen = pick(int(std::size(Suppliers)));
        int s = chosen;
        QVector<TShangPinItem> lines = purchaseLines(s, isReturn);
        for (int k = 1; isReturn && lines.isEmpty() && k < int(std::size(Suppliers)); ++k) {
            s = (chosen + k) % int(std::size(Suppliers));
            lines = purchaseLines(s, isReturn);
        }
        if (lines.isEmpty())
            return;
        TCaiGouDan d;
        d.dh = NextDH(m_db, PurchaseSide(), isReturn ? ReturnKind : ForwardKind, day);
        d.GYS = S(Suppliers[s][0]);
        d.in_date = day;
        d.Remark = isReturn ? S("质量问题退货") : QString();
        for (const TShangPinItem& it : lines) {
            d.shuliang += it.shuliang;
            d.jinE += it.jinE;
        }
        // Every third purchase is half on credit, whatever the day the shop is made on. Half of
        // what is owed is paid after twenty days; one in two of these purchases has the rest paid
        // (which settles it) after forty, the other still owes it.
        const bool credit = !isReturn && ++m_purchases % 3 == 0;
        d.QK = credit ? d.jinE - Money::fromYuan(d.jinE.yuan() * 0.5) : Money();
        SaveCaiGouDocument(m_db, d, lines, isReturn ? ReturnKind : ForwardKind);
        if (d.QK > Money() && day.daysTo(m_today) > 30) {
            const Money half = Money::fromYuan(d.QK.yuan() / 2);
            const Money rest = RecordPartPayment(m_db, AccountSide::Payable, d.dh, half, day.addDays(20));
            if (m_purchases % 6 == 0 && day.daysTo(m_today) > 60)
                RecordPartPayment(m_db, AccountSide::Payable, d.dh, rest, day.addDays(40));
        }
    }

    void sale(const QDate& day, bool isReturn)
    {
        const int c = pick(int(std::size(Customers)));
        const int e = pick(int(std::size(Employees)));
        QVector<TShangPinItem> lines;
        const int count = isReturn ? 1 : 1 + pick(c >= 5 ? 3 : 2);
        for (int tries = 0; tries < 6 && lines.size() < count; ++tries) {
            const SeedGoods& g = Goods[pick(int(std::size(Goods)))];
            const int stock = GetKuCunShuLiang(m_db, S(g.PinPai), S(g.ChanPin), S(g.GuiGe));
            const int qty = c >= 5 ? 1 + pick(3) : 1;
            // One line per goods item: the stock read above does not count a line already taken.
            const bool taken = std::any_of(lines.cbegin(), lines.cend(), [&g](const TShangPinItem& l) {
                return l.PinPai == S(g.PinPai) && l.chanpin == S(g.ChanPin) && l.guige == S(g.GuiGe);
            });
            if (taken || (!isReturn && stock < qty))
                continue;
            TShangPinItem it;
            it.PinPai = S(g.PinPai);
            it.chanpin = S(g.ChanPin);
            it.guige = S(g.GuiGe);
            it.shuliang = qty;
            it.danjia = Money::fromYuan(10 * std::round(g.cost * (1.12 + 0.02 * pick(8)) / 10));
            it.jinE = it.danjia * it.shuliang;
            lines.append(it);
        }
        if (lines.isEmpty())
            return;
        TXiaoShouDan d;
        d.dh = NextDH(m_db, SalesSide(), isReturn ? ReturnKind : ForwardKind, day);
        d.yewuyuan = S(Employees[e][0]);
        d.KeHu = S(Customers[c][0]);
        d.KeHuPhone = S(Customers[c][2]);
        d.KeHuAddress = S(Customers[c][3]);
        d.in_date = day;
        d.Remark = isReturn ? S("顾客退货") : (pick(3) == 0 ? S("送货上门并安装") : QString());
        for (const TShangPinItem& it : lines) {
            d.shuliang += it.shuliang;
            d.jinE += it.jinE;
        }
        const Money received = isReturn || c < 5 || pick(2) == 0 ? d.jinE : Money::fromYuan(d.jinE.yuan() * 0.3);
        d.QK = d.jinE - received;
        SaveXiaoShouDocument(m_db, d, lines, isReturn ? ReturnKind : ForwardKind);
        if (d.QK > Money() && day.daysTo(m_today) > 20)
            RecordPartPayment(m_db, AccountSide::Receivable, d.dh, Money::fromYuan(d.QK.yuan() / 2), day.addDays(15));
    }

    void entry(const QDate& day, const QString& type, const QString& item, double amount)
    {
        m_db.exec(QStringLiteral("insert into Log_ShouZhi(dh,type,in_date,Item,JinE,remark) values(:dh,:t,:d,:i,:j,'')"),
                  {{QStringLiteral(":dh"), NextShouZhiDH(m_db, QStringLiteral("sz"), day)},
                   {QStringLiteral(":t"), type},
                   {QStringLiteral(":d"), SqlDate(day)},
                   {QStringLiteral(":i"), item},
                   {QStringLiteral(":j"), amount}});
    }

    static const char* BrandOfSupplier(int s)
    {
        static const char* const Brands[] = {"北辰", "雪峰", "清泉", "星河", "海岳"};
        return Brands[s];
    }

    Database& m_db;
    QDate m_today;
    std::mt19937 m_rng;
    int m_purchaseDays = 0;  // days a purchase (or a purchase return) was made on
    int m_purchases = 0;     // purchases (not returns) written
};

}  // namespace

void InsertGoodsItem(Database& db, const SeedGoods& g)
{
    const SqlParams key{{QStringLiteral(":p"), S(g.PinPai)}, {QStringLiteral(":c"), S(g.ChanPin)}};
    db.exec(QStringLiteral("insert into Base_PinPai(PinPai) values(:p) on conflict do nothing"), {key[0]});
    db.exec(QStringLiteral("insert into Base_ChanPin(PinPai,ChanPin,CPType) values(:p,:c,:t) on conflict do nothing"),
            key + SqlParams{{QStringLiteral(":t"), S(g.CPType)}});
    db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) values(:p,:c,:g,:n,:a,:q)"),
            key + SqlParams{{QStringLiteral(":g"), S(g.GuiGe)}, {QStringLiteral(":n"), g.stock},
                            {QStringLiteral(":a"), g.cost}, {QStringLiteral(":q"), g.stock}});
}

void InsertDemoData(Database& db, const QDate& today)
{
    Transaction t(db);
    InsertMasterData(db, today);
    DemoWriter(db, today).run();
    // The receipts and payments above go through the routines that log them; a new shop's log
    // starts empty all the same.
    db.exec(QStringLiteral("delete from Log_Audit"));
    t.commit();
}
