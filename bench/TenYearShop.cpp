#include "TenYearShop.h"

#include "Database.h"
#include "NumberText.h"

#include <QSqlDriver>
#include <QStringList>
#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <deque>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

// --- Writing ------------------------------------------------------------------------------------

sqlite3* RawHandle(Database& db)
{
    const QVariant handle = db.handle().driver()->handle();
    return *static_cast<sqlite3* const*>(handle.constData());
}

// One prepared insert or update, bound by position and run once per row.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_s, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Statement() { sqlite3_finalize(m_s); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& text(int i, const std::string& s)
    {
        sqlite3_bind_text(m_s, i, s.data(), int(s.size()), SQLITE_TRANSIENT);
        return *this;
    }
    Statement& real(int i, double v)
    {
        sqlite3_bind_double(m_s, i, v);
        return *this;
    }
    Statement& integer(int i, long long v)
    {
        sqlite3_bind_int64(m_s, i, v);
        return *this;
    }
    Statement& null(int i)
    {
        sqlite3_bind_null(m_s, i);
        return *this;
    }
    void run()
    {
        if (sqlite3_step(m_s) != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_reset(m_s);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_s = nullptr;
};

// --- The catalogue ------------------------------------------------------------------------------

// Monthly demand profiles, January to December.
const int Seasons[][12] = {
    {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10},  // all year
    {4, 4, 6, 9, 14, 22, 26, 22, 10, 5, 4, 4},         // summer
    {16, 14, 9, 6, 4, 3, 3, 3, 5, 9, 14, 18},          // winter
    {16, 14, 8, 8, 11, 8, 8, 8, 9, 14, 14, 12},        // holidays
    {7, 7, 9, 10, 12, 13, 13, 12, 10, 9, 8, 8},        // warm months
};
enum { AllYear, Summer, Winter, Holidays, Warm };

struct Kind {
    const char* cls;      // product class
    const char* name;     // product name after the brand
    const char* code;     // model code prefix
    const char* sizes[3];  // model size marks
    int low, high;        // purchase price range at the start
    double drift;         // yearly price change
    int season;
    int weight;           // share of the units sold
};

const Kind Kinds[] = {
    {"空调", "挂机空调", "KFR-", {"26GW", "35GW", "32GW"}, 1800, 4200, 0.01, Summer, 14},
    {"空调", "柜机空调", "KFR-", {"51LW", "72LW", "120LW"}, 4500, 9000, 0.01, Summer, 5},
    {"空调", "变频空调", "KFR-", {"35GW/BP", "26GW/BP", "50LW/BP"}, 2500, 5200, 0.02, Summer, 8},
    {"冰箱", "对开门冰箱", "BCD-", {"520WS", "605WK", "480WD"}, 3000, 7000, -0.01, Warm, 5},
    {"冰箱", "三门冰箱", "BCD-", {"256TF", "218TS", "269TM"}, 1500, 3200, -0.01, Warm, 7},
    {"冰箱", "十字门冰箱", "BCD-", {"470WL", "452WP", "501WX"}, 3200, 6500, -0.01, Warm, 4},
    {"冰箱", "冷柜", "BD-", {"200", "145", "318"}, 900, 2500, 0.0, Summer, 3},
    {"洗衣机", "滚筒洗衣机", "XQG", {"100-12B", "90-H12", "80-B14"}, 1800, 4500, -0.01, AllYear, 8},
    {"洗衣机", "波轮洗衣机", "XQB", {"80-36", "100-25", "90-18"}, 700, 1800, 0.0, AllYear, 7},
    {"洗衣机", "洗烘一体机", "XQG", {"100-HBD", "120-HBD", "90-HBD"}, 3500, 7000, -0.02, AllYear, 3},
    {"电视", "液晶电视", "LED", {"43A", "50A", "55A"}, 1000, 4000, -0.06, Holidays, 8},
    {"电视", "智能电视", "UHD", {"55U", "65U", "75U"}, 1500, 7000, -0.05, Holidays, 9},
    {"电视", "激光电视", "LT", {"80L", "88L", "100L"}, 8000, 18000, -0.04, Holidays, 1},
    {"热水器", "电热水器", "DSZF-", {"60", "80", "50"}, 600, 2000, 0.0, Winter, 5},
    {"热水器", "燃气热水器", "JSQ", {"24-12", "30-16", "25-13"}, 1200, 3500, 0.0, Winter, 4},
    {"厨房电器", "油烟机", "CXW-", {"200-A", "260-T", "220-E"}, 1200, 4000, 0.0, AllYear, 5},
    {"厨房电器", "燃气灶", "JZT-", {"Q2", "Q5", "B3"}, 500, 1800, 0.0, AllYear, 5},
    {"厨房电器", "洗碗机", "WQP", {"8-W", "12-S", "13-H"}, 2500, 6000, 0.0, AllYear, 2},
    {"厨房电器", "消毒柜", "ZTD", {"100-A", "90-B", "110-C"}, 600, 1800, 0.0, AllYear, 2},
    {"小家电", "电饭煲", "FB", {"40A", "50B", "30C"}, 150, 900, 0.01, AllYear, 6},
    {"小家电", "微波炉", "MW", {"20L", "23L", "25L"}, 300, 1200, 0.0, AllYear, 3},
    {"小家电", "电磁炉", "C21-", {"RT", "SK", "WK"}, 150, 500, 0.0, AllYear, 3},
    {"小家电", "电风扇", "FS", {"40-A", "35-B", "30-D"}, 80, 400, 0.02, Summer, 5},
    {"小家电", "取暖器", "NSB-", {"200", "220", "180"}, 120, 700, 0.02, Winter, 4},
    {"小家电", "加湿器", "JS", {"40A", "25B", "30C"}, 100, 500, 0.0, Winter, 2},
    {"小家电", "空气净化器", "KJ", {"300F", "400G", "550K"}, 800, 3500, 0.0, Winter, 2},
};
constexpr int KindCount = int(std::size(Kinds));

const char* const BrandHeads[] = {"北", "雪", "清", "星", "海", "金", "银", "天", "红", "蓝", "华", "美",
                                  "康", "新", "永", "佳", "福", "瑞", "祥", "泰", "宏", "盛", "鑫", "东"};
const char* const BrandTails[] = {"辰", "峰", "泉", "河", "岳", "光", "帆", "宇", "林", "风", "云", "达",
                                  "源", "通", "川", "阳"};
const char* const LatinBrands[] = {"Aurex", "Norvia", "Zentro", "Kalva"};

const char* const Surnames[] = {
    "王", "李", "张", "刘", "陈", "杨", "黄", "赵", "吴", "周", "徐", "孙", "马", "朱", "胡", "郭", "何",
    "高", "林", "罗", "郑", "梁", "谢", "宋", "唐", "许", "韩", "冯", "邓", "曹", "彭", "曾", "肖", "田",
    "董", "袁", "潘", "于", "蒋", "蔡", "余", "杜", "叶", "程", "苏", "魏", "吕", "丁", "任", "沈", "姚",
    "卢", "姜", "崔", "钟", "谭", "陆", "汪", "范", "金", "石", "廖", "贾", "夏", "韦", "付", "方", "白",
    "邹", "孟", "熊", "秦", "邱", "江", "尹", "薛", "闫", "段", "雷", "侯", "龙", "史", "陶", "黎", "贺"};
const char* const Given[] = {"建", "国", "秀", "英", "海", "波", "德", "明", "晓", "燕", "志", "强",
                             "丽", "娟", "伟", "军", "敏", "静", "磊", "涛", "洋", "勇", "艳", "杰",
                             "娜", "超", "霞", "平", "刚", "桂", "兰", "玉", "梅", "文", "华", "红",
                             "芳", "鹏", "飞", "宇", "辉", "斌", "琳", "雪", "婷", "浩", "然", "子",
                             "涵", "思", "雨", "佳", "怡", "欣", "春", "秋", "凤", "荣", "成", "庆"};
const char* const Places[] = {"明湖", "育才", "泉城", "舜耕", "历山", "千佛山", "大明", "趵突", "华阳", "燕山",
                              "洪楼", "经十", "玉函", "英雄山", "七里山", "甸柳", "和平", "文化", "东城", "西城",
                              "南郊", "北园", "花园", "工业", "解放", "青年", "槐荫", "天桥", "长清", "章丘"};
const char* const Businesses[] = {"宾馆", "酒店", "中学", "小学", "幼儿园", "物业公司", "装饰公司", "餐厅",
                                  "超市", "诊所", "商铺", "电器维修部", "办公室", "KTV", "健身房", "美容院",
                                  "公寓", "培训学校", "茶社", "养老院"};
const char* const Branches[] = {"", "东店", "西店", "南店", "北店", "二部", "三部", "A座", "B座", "分店"};
const char* const Streets[] = {"幸福路", "和平街", "华阳小区", "槐荫路", "舜华路", "明湖路", "育才路", "花园路",
                               "文化路", "经七路", "工业北路", "二环东路", "历山路", "济洛路", "解放路", "青年东路"};
const char* const Districts[] = {"城东区", "城南区", "城西区", "城北区", "高新区", "开发区"};
const char* const SupplierKinds[] = {"电器销售公司", "家电省代理", "电器批发部", "科技经销中心", "家电物流",
                                     "电器贸易有限公司"};
const char* const Regions[] = {"济南", "山东", "华北", "鲁中", "泉城", "齐鲁", "鲁南", "渤海", "黄河", "东岳"};
const char* const Banks[] = {"工商银行", "建设银行", "农业银行", "中国银行", "交通银行"};

const char* const Classes[] = {"空调", "冰箱", "洗衣机", "电视", "热水器", "厨房电器", "小家电"};
const char* const IncomeItems[] = {"安装费收入", "运输费收入", "旧机回收收入", "维修费收入"};
const char* const ExpenseItems[] = {"房租", "水电费", "员工工资", "运输费", "广告费", "办公费"};

struct Item {
    int brand, kind, product;
    std::string spec;
    double base;     // purchase price at the first day
    int start, end;  // days (from the first) the model is sold; start < 0: in stock at the opening
    double weight;   // popularity within its kind
    int reorder = 1, target = 3;
    bool pending = false;
    // The ledger row: quantity, average cost, latest price.
    int n = 0;
    double a = 0;
    double newcb = 0;
    bool hasNew = false;
};

struct Product {
    int brand, kind;
    std::string name;
};

struct Person {
    std::string name, contact, phone, address, post;
};

struct Employee {
    std::string name;
    int start, end;
};

struct Supplier {
    std::string name;
    int brand;
};

struct SoldLine {
    int day, item, qty, customer, employee;
    double danjia;
};

struct BoughtLine {
    int day, item, supplier;
    double danjia;
};

struct MonthFigures {
    double sales = 0, cost = 0, income = 0, expense = 0;
};

std::string Utf8(const QString& s)
{
    return s.toStdString();
}

class ShopWriter {
public:
    ShopWriter(Database& db, const ShopSize& size)
        : m_db(db), m_h(RawHandle(db)), m_size(size), m_days(int(size.first.daysTo(size.last)) + 1),
          m_rng(size.seed)
    {
        for (int d = 0; d < m_days; ++d) {
            const QDate day = size.first.addDays(d);
            m_dates.push_back(Utf8(SqlDate(day)));
            m_keys.push_back(Utf8(day.toString(QStringLiteral("yyMMdd"))));
        }
    }

    void catalogue()
    {
        makeBrands();
        makeGoods();
        makePeople();
        writeMasterData();
    }

    void business()
    {
        const std::vector<double> salesPerDay = salesRhythm();
        m_months.assign(size_t(monthIndex(m_days - 1) + 1), {});
        for (int d = 0; d < m_days; ++d) {
            purchases(d);
            purchaseReturns(d);
            const int count = roundRandom(salesPerDay[size_t(d)]);
            for (int i = 0; i < count; ++i)
                sale(d);
            salesReturns(d, count);
            entries(d);
        }
        writeLedger();
        writeClosings();
    }

private:
    // --- Random helpers ---
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_rng); }
    double uniform(double a, double b) { return std::uniform_real_distribution<double>(a, b)(m_rng); }
    bool chance(double p) { return uniform(0, 1) < p; }
    int roundRandom(double x)
    {
        const int whole = int(x);
        return whole + (chance(x - whole) ? 1 : 0);
    }
    int poisson(double mean) { return mean > 0 ? std::poisson_distribution<int>(mean)(m_rng) : 0; }

    QDate date(int d) const { return m_size.first.addDays(d); }
    int monthIndex(int d) const
    {
        const QDate day = date(d);
        return (day.year() - m_size.first.year()) * 12 + day.month() - m_size.first.month();
    }
    int monthOf(int d) const { return date(d).month() - 1; }

    std::string number(const char* prefix, int d, int& sequence)
    {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%s%s%03d", prefix, m_keys[size_t(d)].c_str(), ++sequence);
        return buffer;
    }

    // --- Catalogue ---
    void makeBrands()
    {
        std::set<std::string> used;
        const int brands = std::max(4, m_size.goodsItems / 80);
        while (int(m_brands.size()) < brands) {
            std::string name;
            if (m_brands.size() % 16 == 15)
                name = LatinBrands[(m_brands.size() / 16) % std::size(LatinBrands)];
            else
                name = std::string(BrandHeads[pick(int(std::size(BrandHeads)))]) + BrandTails[pick(int(std::size(BrandTails)))];
            if (used.insert(name).second) {
                m_brands.push_back(name);
                char code[3] = {char('A' + m_brands.size() % 26), char('A' + (m_brands.size() / 26 + 7) % 26), 0};
                m_brandCodes.emplace_back(code);
            }
        }
    }

    void makeGoods()
    {
        // Every brand makes the kinds of two to four classes.
        for (int b = 0; b < int(m_brands.size()); ++b) {
            std::vector<int> classes(std::size(Classes));
            for (int c = 0; c < int(classes.size()); ++c)
                classes[size_t(c)] = c;
            std::shuffle(classes.begin(), classes.end(), m_rng);
            classes.resize(size_t(2 + pick(3)));
            for (int k = 0; k < KindCount; ++k)
                for (int c : classes)
                    if (std::string(Kinds[k].cls) == Classes[c] && chance(0.8))
                        m_products.push_back({b, k, m_brands[size_t(b)] + Kinds[k].name});
        }
        // Models spread over the products by the kinds' shares.
        std::vector<double> weights;
        for (const Product& p : m_products)
            weights.push_back(Kinds[p.kind].weight);
        std::discrete_distribution<int> product(weights.begin(), weights.end());
        std::vector<int> models(m_products.size());
        m_kindItems.assign(KindCount, {});
        for (int i = 0; i < m_size.goodsItems; ++i) {
            const int p = product(m_rng);
            const Product& pr = m_products[size_t(p)];
            const Kind& k = Kinds[pr.kind];
            Item it;
            it.brand = pr.brand;
            it.kind = pr.kind;
            it.product = p;
            it.spec = std::string(k.code) + k.sizes[pick(3)] + "/" + m_brandCodes[size_t(pr.brand)]
                + std::to_string(++models[size_t(p)]);
            it.base = std::round(uniform(k.low, k.high));
            it.start = pick(m_days + 540) - 720;
            it.end = it.start + 900 + pick(1600);
            m_kindItems[size_t(pr.kind)].push_back(i);
            m_items.push_back(it);
        }
        m_brandItems.assign(m_brands.size(), {});
        for (int i = 0; i < int(m_items.size()); ++i)
            m_brandItems[size_t(m_items[size_t(i)].brand)].push_back(i);
        // A few best-sellers in every kind: popularity falls with the rank.
        for (std::vector<int>& items : m_kindItems) {
            std::shuffle(items.begin(), items.end(), m_rng);
            double sum = 0;
            for (size_t r = 0; r < items.size(); ++r)
                sum += m_items[size_t(items[r])].weight = 1.0 / std::pow(double(r + 1), 1.1);
            for (int i : items)
                m_items[size_t(i)].weight /= sum;
        }
        // Stock levels from the expected sales: reorder in time for about ten days.
        double kindTotal = 0;
        for (const Kind& k : Kinds)
            kindTotal += k.weight;
        const double unitsPerDay = 3.0 * m_size.salesDocuments / m_days;
        for (Item& it : m_items) {
            const double rate = unitsPerDay * Kinds[it.kind].weight / kindTotal * it.weight / 0.35;
            it.reorder = std::max(1, int(std::ceil(rate * 12)));
            it.target = it.reorder + std::max(3, int(std::ceil(rate * 17)));
            if (it.start < 0) {
                it.n = it.target;
                it.a = RoundFloat(2, price(it, 0));
            }
        }
        // Cumulative popularity per kind for drawing a model.
        m_kindCumulative.assign(KindCount, {});
        for (int k = 0; k < KindCount; ++k) {
            double c = 0;
            for (int i : m_kindItems[size_t(k)])
                m_kindCumulative[size_t(k)].push_back(c += m_items[size_t(i)].weight);
        }
        for (int m = 0; m < 12; ++m) {
            std::vector<double> w;
            for (int k = 0; k < KindCount; ++k)
                w.push_back(m_kindItems[size_t(k)].empty() ? 0 : Kinds[k].weight * Seasons[Kinds[k].season][m]);
            m_season[m] = std::discrete_distribution<int>(w.begin(), w.end());
        }
    }

    std::string personName(std::set<std::string>& used)
    {
        for (;;) {
            std::string name = std::string(Surnames[pick(int(std::size(Surnames)))]) + Given[pick(int(std::size(Given)))];
            if (chance(0.7))
                name += Given[pick(int(std::size(Given)))];
            if (used.insert(name).second)
                return name;
        }
    }

    std::string mobile() { return "1" + std::to_string(30 + pick(60)) + std::to_string(10000000 + pick(89999999)); }
    std::string address()
    {
        return std::string(Districts[pick(int(std::size(Districts)))]) + Streets[pick(int(std::size(Streets)))]
            + std::to_string(1 + pick(300)) + "号";
    }

    void makePeople()
    {
        std::set<std::string> used;
        const int businesses = m_size.customers * 3 / 20;
        while (int(m_customers.size()) < businesses) {
            std::string name = std::string(Places[pick(int(std::size(Places)))]) + Businesses[pick(int(std::size(Businesses)))]
                + Branches[pick(int(std::size(Branches)))];
            if (!used.insert(name).second)
                continue;
            m_customers.push_back({name, std::string(Surnames[pick(int(std::size(Surnames)))]) + "经理",
                                   "0531-8" + std::to_string(1000000 + pick(8999999)), address(),
                                   "2500" + std::to_string(10 + pick(90))});
        }
        m_businesses = businesses;
        while (int(m_customers.size()) < m_size.customers) {
            const std::string name = personName(used);
            m_customers.push_back({name, name, mobile(), address(), "2500" + std::to_string(10 + pick(90))});
        }
        std::set<std::string> suppliers;
        while (int(m_suppliers.size()) < m_size.suppliers) {
            const int b = int(m_suppliers.size()) % int(m_brands.size());
            const std::string name = std::string(Regions[pick(int(std::size(Regions)))]) + m_brands[size_t(b)]
                + SupplierKinds[pick(int(std::size(SupplierKinds)))];
            if (suppliers.insert(name).second)
                m_suppliers.push_back({name, b});
        }
        m_brandSuppliers.assign(m_brands.size(), {});
        for (int s = 0; s < int(m_suppliers.size()); ++s)
            m_brandSuppliers[size_t(m_suppliers[size_t(s)].brand)].push_back(s);
        std::set<std::string> staff;
        for (int e = 0; e < m_size.employees; ++e) {
            const int first = m_size.employees * 7 / 20;
            const int start = e < first ? -pick(1500) : (e - first) * m_days / std::max(1, m_size.employees - first) + pick(60);
            m_employees.push_back({personName(staff), start, start + 900 + pick(2500)});
        }
    }

    void writeMasterData()
    {
        Statement cls(m_h, "insert into Base_CPType(TypeName) values(?)");
        for (const char* c : Classes)
            cls.text(1, c).run();
        std::vector<bool> hasItems(m_products.size());
        for (const Item& it : m_items)
            hasItems[size_t(it.product)] = true;
        Statement brand(m_h, "insert or ignore into Base_PinPai(PinPai) values(?)");
        Statement product(m_h, "insert into Base_ChanPin(PinPai,ChanPin,CPType) values(?,?,?)");
        for (size_t p = 0; p < m_products.size(); ++p) {
            if (!hasItems[p])
                continue;
            const Product& pr = m_products[p];
            brand.text(1, m_brands[size_t(pr.brand)]).run();
            product.text(1, m_brands[size_t(pr.brand)]).text(2, pr.name).text(3, Kinds[pr.kind].cls).run();
        }
        Statement stock(m_h, "insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) values(?,?,?,?,?,?)");
        for (const Item& it : m_items)
            stock.text(1, m_brands[size_t(it.brand)]).text(2, m_products[size_t(it.product)].name).text(3, it.spec)
                .integer(4, it.n).real(5, it.a).integer(6, it.n).run();
        Statement customer(m_h, "insert into Base_KeHu(KeHu,LXR,phone,address,yb,FAX,Email,Remark) values(?,?,?,?,?,'','','')");
        for (const Person& c : m_customers)
            customer.text(1, c.name).text(2, c.contact).text(3, c.phone).text(4, c.address).text(5, c.post).run();
        Statement supplier(m_h, "insert into Base_GongYingShang(GYS,LXR,phone,address,KHH,ZH,FAX,YB,Email,WZ,SH,Remark) "
                                "values(?,?,?,?,?,?,'','','','','','')");
        for (const Supplier& s : m_suppliers)
            supplier.text(1, s.name).text(2, std::string(Surnames[pick(int(std::size(Surnames)))]) + "经理")
                .text(3, "0531-8" + std::to_string(1000000 + pick(8999999))).text(4, address())
                .text(5, Banks[pick(int(std::size(Banks)))]).text(6, std::to_string(6222000000000LL + pick(999999999)))
                .run();
        Statement employee(m_h, "insert into Base_YeYuYuan(Name,Sex,Age,Phone,Address,ID,InDate,Remark) values(?,?,?,?,?,?,?,'')");
        for (const Employee& e : m_employees) {
            const int age = 20 + pick(25);
            employee.text(1, e.name).text(2, chance(0.5) ? "男" : "女").text(3, std::to_string(age))
                .text(4, mobile()).text(5, address())
                .text(6, "370102" + std::to_string(m_size.first.year() - age) + "0" + std::to_string(1 + pick(9))
                             + std::to_string(10 + pick(18)) + std::to_string(1000 + pick(8999)))
                .text(7, Utf8(SqlDate(date(e.start))))
                .run();
        }
        Statement item(m_h, "insert into Base_ShouZhi(item) values(?)");
        for (const char* i : IncomeItems)
            item.text(1, i).run();
        for (const char* i : ExpenseItems)
            item.text(1, i).run();
    }

    // --- Prices ---
    // Purchase price of a model on a day: its base price moved by its kind's yearly drift and a
    // monthly wobble of a few per cent.
    double price(const Item& it, int d) const
    {
        const double years = d / 365.25;
        const unsigned h = unsigned(monthIndex(std::max(0, d))) * 2654435761u ^ unsigned(&it - m_items.data()) * 40503u;
        const double wobble = 0.03 * (double(h % 2001) / 1000.0 - 1.0);
        return it.base * std::exp(Kinds[it.kind].drift * years) * (1.0 + wobble);
    }

    static double SalePrice(double x) { return x < 500 ? std::round(x) : 10 * std::round(x / 10); }

    bool onSale(const Item& it, int d) const { return d >= it.start && d <= it.end + 120; }

    int drawItem(int d)
    {
        for (int tries = 0; tries < 40; ++tries) {
            const int k = m_season[monthOf(d)](m_rng);
            const std::vector<double>& c = m_kindCumulative[size_t(k)];
            const double x = uniform(0, c.back());
            const size_t r = size_t(std::lower_bound(c.begin(), c.end(), x) - c.begin());
            const int i = m_kindItems[size_t(k)][std::min(r, c.size() - 1)];
            if (onSale(m_items[size_t(i)], d) && m_items[size_t(i)].n > 0)
                return i;
        }
        return -1;
    }

    // --- The ledger (Ledger.h) ---
    void subtract(Item& it, int qty)
    {
        it.n -= qty;
        if (it.n <= it.reorder)
            it.pending = true;
    }

    void add(Item& it, int qty, double danjia)
    {
        const int m = it.n + qty;
        it.a = m != 0 ? RoundFloat(2, (double(it.n) * it.a + double(qty) * danjia) / m) : it.a;
        it.newcb = danjia;
        it.hasNew = true;
        it.n = m;
    }

    // --- Amounts owed ---
    // The receipts or payments of a document that is still open on the last day, as the
    // accounts windows record them: each lowers the amount owed, unrounded.
    double openDebt(Statement& rows, const std::string& dh, int d, double owed)
    {
        const int count = pick(3);
        for (int i = 0; i < count && d < m_days - 1; ++i) {
            d += 1 + pick(std::max(1, std::min(60, m_days - 1 - d)));
            if (d >= m_days)
                break;
            const double paid = RoundFloat(2, owed * uniform(0.1, 0.4));
            rows.text(1, dh).text(2, m_dates[size_t(d)]).real(3, paid).run();
            owed = owed - paid;
        }
        return owed;
    }

    // Amount owed on the last day of a document of amount jinE saved on day d: on credit with
    // the given chance, part paid on saving, settled later unless too late or never.
    double owedAtEnd(Statement& rows, const std::string& dh, int d, double jinE, double credit, int settleWithin,
                     double neverSettled)
    {
        if (jinE <= 0 || !chance(credit))
            return 0;
        const double paid = RoundFloat(2, jinE * (chance(0.5) ? 0 : (chance(0.5) ? 0.3 : 0.5)));
        const double owed = jinE - paid;
        if (!chance(neverSettled) && d + 7 + pick(settleWithin) < m_days)
            return 0;
        return openDebt(rows, dh, d, owed);
    }

    // --- Purchases ---
    void purchases(int d)
    {
        int sequence = 0;
        for (int b = 0; b < int(m_brands.size()); ++b) {
            if ((d + b * 7) % (5 + b % 8) != 0)
                continue;
            std::vector<int> lines;
            for (int i : m_brandItems[size_t(b)]) {
                const Item& it = m_items[size_t(i)];
                if (d <= it.end && d >= it.start && (it.pending || it.n <= it.reorder))
                    lines.push_back(i);
            }
            for (size_t first = 0; first < lines.size(); first += 10) {
                const std::vector<int> part(lines.begin() + long(first),
                                            lines.begin() + long(std::min(lines.size(), first + 10)));
                const std::vector<int>& suppliers = m_brandSuppliers[size_t(b)];
                const int s = chance(0.75) ? suppliers.front() : suppliers[size_t(pick(int(suppliers.size())))];
                purchase(d, s, part, sequence);
            }
        }
        m_purchaseSequence = sequence;
    }

    void purchase(int d, int s, const std::vector<int>& items, int& sequence)
    {
        const std::string dh = number("cg", d, sequence);
        int qtySum = 0;
        double amount = 0;
        for (int i : items) {
            Item& it = m_items[size_t(i)];
            const int qty = it.target - it.n;
            const double danjia = RoundFloat(2, price(it, d) * (0.97 + 0.01 * pick(7)));
            const double jinE = RoundFloat(2, danjia * qty);
            m_purchaseLine.text(1, dh).text(2, m_brands[size_t(it.brand)]).text(3, m_products[size_t(it.product)].name)
                .text(4, it.spec).real(5, danjia).integer(6, qty).real(7, jinE).text(8, m_dates[size_t(d)]).run();
            add(it, qty, danjia);
            it.pending = false;
            qtySum += qty;
            amount += jinE;
            m_bought.push_back({d, i, s, danjia});
        }
        amount = RoundFloat(2, amount);
        const double qk = owedAtEnd(m_payments, dh, d, amount, 0.4, 50, 0.03);
        m_purchaseHeader.text(1, dh).integer(2, qtySum).real(3, amount).text(4, m_suppliers[size_t(s)].name)
            .text(5, m_dates[size_t(d)]).real(6, qk).text(7, std::string()).run();
    }

    void purchaseReturns(int d)
    {
        while (!m_bought.empty() && m_bought.front().day < d - 30)
            m_bought.pop_front();
        int sequence = 0;
        const int count = roundRandom(0.02 * m_purchaseSequence + 0.01);
        for (int r = 0; r < count && !m_bought.empty(); ++r) {
            const BoughtLine line = m_bought[size_t(pick(int(m_bought.size())))];
            Item& it = m_items[size_t(line.item)];
            if (it.n < 1)
                continue;
            const int qty = it.n >= 2 && chance(0.3) ? 2 : 1;
            const std::string dh = number("ct", d, sequence);
            const double jinE = RoundFloat(2, line.danjia * qty);
            m_purchaseLine.text(1, dh).text(2, m_brands[size_t(it.brand)]).text(3, m_products[size_t(it.product)].name)
                .text(4, it.spec).real(5, line.danjia).integer(6, -qty).real(7, -jinE).text(8, m_dates[size_t(d)]).run();
            add(it, -qty, line.danjia);
            const double qk = chance(0.1) ? -jinE : 0;
            m_purchaseHeader.text(1, dh).integer(2, -qty).real(3, -jinE).text(4, m_suppliers[size_t(line.supplier)].name)
                .text(5, m_dates[size_t(d)]).real(6, qk).text(7, std::string("质量问题退货")).run();
        }
    }

    // --- Sales ---
    std::vector<double> salesRhythm() const
    {
        std::vector<double> f(static_cast<size_t>(m_days));
        double sum = 0;
        for (int d = 0; d < m_days; ++d) {
            const QDate day = date(d);
            double x = 0.75 + 0.5 * d / m_days;  // the shop grows
            x *= day.dayOfWeek() >= 6 ? 1.35 : 0.9;
            const int md = day.month() * 100 + day.day();
            if ((md >= 501 && md <= 505) || (md >= 1001 && md <= 1007))
                x *= 1.7;
            else if (md == 1111 || md == 618)
                x *= 2.0;
            else if (md >= 115 && md <= 210)
                x *= 1.25;
            if (day.month() >= 6 && day.month() <= 8)
                x *= 1.15;
            f[size_t(d)] = x;
            sum += x;
        }
        const double scale = 0.98 * m_size.salesDocuments / sum;
        for (double& x : f)
            x *= scale;
        return f;
    }

    int drawCustomer()
    {
        if (chance(0.3)) {
            // Businesses buy often, some much more than others.
            const double x = uniform(0, 1);
            return std::min(m_businesses - 1, int(m_businesses * x * x * x));
        }
        return m_businesses + pick(int(m_customers.size()) - m_businesses);
    }

    int drawEmployee(int d)
    {
        for (int tries = 0; tries < 20; ++tries) {
            const int e = pick(int(m_employees.size()));
            if (d >= m_employees[size_t(e)].start && d <= m_employees[size_t(e)].end)
                return e;
        }
        return pick(int(m_employees.size()));
    }

    void sale(int d)
    {
        const int c = drawCustomer();
        const bool business = c < m_businesses;
        const int e = drawEmployee(d);
        static const int IndividualLines[] = {1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5};
        const int wanted = business ? 1 + pick(7) : IndividualLines[pick(int(std::size(IndividualLines)))];
        struct Line {
            int item, qty;
            double danjia, jinE;
        };
        std::vector<Line> lines;
        for (int tries = 0; tries < wanted + 3 && int(lines.size()) < wanted; ++tries) {
            const int i = drawItem(d);
            if (i < 0 || std::any_of(lines.begin(), lines.end(), [i](const Line& l) { return l.item == i; }))
                continue;
            const Item& it = m_items[size_t(i)];
            int qty = business ? 1 + pick(it.base < 800 ? 5 : 3) : (chance(0.08) ? 2 : 1);
            qty = std::min(qty, it.n);
            const double danjia = SalePrice(price(it, d) * (1.10 + 0.02 * pick(10)) * (business ? 0.97 : 1.0));
            lines.push_back({i, qty, danjia, RoundFloat(2, danjia * qty)});
        }
        if (lines.empty())
            return;
        const std::string dh = number("xs", d, m_salesSequence);
        int qtySum = 0;
        double amount = 0;
        MonthFigures& month = m_months[size_t(monthIndex(d))];
        for (const Line& l : lines) {
            Item& it = m_items[size_t(l.item)];
            m_salesLine.text(1, dh).text(2, m_brands[size_t(it.brand)]).text(3, m_products[size_t(it.product)].name)
                .text(4, it.spec).real(5, l.danjia).real(6, it.a).integer(7, l.qty).real(8, l.jinE)
                .text(9, m_dates[size_t(d)]).run();
            month.sales += l.jinE;
            month.cost += it.a * l.qty;
            subtract(it, l.qty);
            qtySum += l.qty;
            amount += l.jinE;
            m_sold.push_back({d, l.item, l.qty, c, e, l.danjia});
        }
        amount = RoundFloat(2, amount);
        const double qk = owedAtEnd(m_receipts, dh, d, amount, business ? 0.3 : 0.02, 110, 0.1);
        const Person& p = m_customers[size_t(c)];
        const bool delivered = amount >= 1500 && chance(0.6);
        writeSalesHeader(dh, qtySum, amount, m_employees[size_t(e)].name, p, d,
                         delivered ? "送货上门并安装" : (chance(0.05) ? "以旧换新" : ""), qk);
    }

    void writeSalesHeader(const std::string& dh, int qty, double amount, const std::string& employee, const Person& p,
                          int d, const char* remark, double qk)
    {
        m_salesHeader.text(1, dh).integer(2, qty).real(3, amount).text(4, employee).text(5, p.name)
            .text(6, m_dates[size_t(d)]).text(7, remark).text(8, p.phone).text(9, p.address).real(10, qk).run();
    }

    // Returns of about one sale in fifty, from the last month's sales.
    void salesReturns(int d, int sales)
    {
        while (!m_sold.empty() && m_sold.front().day < d - 30)
            m_sold.pop_front();
        int sequence = 0;
        const int count = roundRandom(0.02 * sales);
        MonthFigures& month = m_months[size_t(monthIndex(d))];
        static const char* const Reasons[] = {"顾客退货", "质量问题退货", "型号不合适"};
        for (int r = 0; r < count && !m_sold.empty(); ++r) {
            const size_t k = size_t(pick(int(m_sold.size())));
            const SoldLine line = m_sold[k];
            m_sold.erase(m_sold.begin() + long(k));
            Item& it = m_items[size_t(line.item)];
            const std::string dh = number("xt", d, sequence);
            const double jinE = RoundFloat(2, line.danjia * line.qty);
            m_salesLine.text(1, dh).text(2, m_brands[size_t(it.brand)]).text(3, m_products[size_t(it.product)].name)
                .text(4, it.spec).real(5, line.danjia).real(6, it.a).integer(7, -line.qty).real(8, -jinE)
                .text(9, m_dates[size_t(d)]).run();
            month.sales += -jinE;
            month.cost += it.a * -line.qty;
            subtract(it, -line.qty);
            const double qk = chance(0.05) ? -jinE : 0;
            writeSalesHeader(dh, -line.qty, -jinE, m_employees[size_t(line.employee)].name,
                             m_customers[size_t(line.customer)], d, Reasons[pick(3)], qk);
        }
        m_salesSequence = 0;
    }

    // --- Income and expense ---
    void entries(int d)
    {
        const QDate day = date(d);
        const double scale = m_size.entries / 31000.0;
        int sequence = 0;
        const auto entry = [&](bool income, const char* item, double amount) {
            m_entry.text(1, number("sz", d, sequence)).text(2, income ? "收入" : "支出").text(3, m_dates[size_t(d)])
                .text(4, item).real(5, amount).text(6, std::string()).run();
            MonthFigures& month = m_months[size_t(monthIndex(d))];
            (income ? month.income : month.expense) += amount;
        };
        const double growth = 1.0 + 0.04 * d / 365.25;
        if (day.day() == 5)
            entry(false, "房租", std::round(8000 * growth));
        if (day.day() == 10)
            for (const Employee& e : m_employees)
                if (d >= e.start && d <= e.end)
                    entry(false, "员工工资", std::round((2800 + 100 * pick(30)) * growth));
        if (day.day() == 20)
            entry(false, "水电费", 400 + pick(900));
        if (day.dayOfWeek() == 1)
            entry(false, "广告费", 100 * (5 + pick(26)));
        for (int i = poisson(4.0 * scale); i > 0; --i)
            entry(true, "安装费收入", 50 * (1 + pick(6)));
        for (int i = poisson(2.3 * scale); i > 0; --i)
            entry(false, "运输费", 30 * (1 + pick(6)));
        for (int i = poisson(0.8 * scale); i > 0; --i)
            entry(true, "旧机回收收入", 50 * (1 + pick(8)));
        for (int i = poisson(0.4 * scale); i > 0; --i)
            entry(true, "维修费收入", 20 * (2 + pick(14)));
        for (int i = poisson(0.3 * scale); i > 0; --i)
            entry(false, "办公费", 10 * (3 + pick(50)));
    }

    // --- Closing ---
    void writeLedger()
    {
        Statement row(m_h, "update Log_KuCun set ShuLiang=?,PJCB=?,NewCB=? where autoid=?");
        for (size_t i = 0; i < m_items.size(); ++i) {
            const Item& it = m_items[i];
            row.integer(1, it.n).real(2, it.a);
            if (it.hasNew)
                row.real(3, it.newcb);
            else
                row.null(3);
            row.integer(4, static_cast<long long>(i + 1)).run();
        }
    }

    // Every month but the last two is closed, its figures as the monthly closing computes them.
    void writeClosings()
    {
        Statement row(m_h, "insert into Log_JieQun(JQM,XSE,XSLR,Other_SR,Other_ZC,BenQiLR,ClearState) values(?,?,?,?,?,?,1)");
        for (int m = 0; m + 2 < int(m_months.size()); ++m) {
            const MonthFigures& f = m_months[size_t(m)];
            const QDate day = m_size.first.addMonths(m);
            const double profit = f.sales - f.cost;
            row.text(1, Utf8(day.toString(QStringLiteral("yyyyMM")))).real(2, f.sales).real(3, profit)
                .real(4, f.income).real(5, f.expense).real(6, profit + f.income - f.expense).run();
        }
    }

    Database& m_db;
    sqlite3* m_h;
    ShopSize m_size;
    int m_days;
    std::mt19937_64 m_rng;
    std::vector<std::string> m_dates, m_keys;

    std::vector<std::string> m_brands, m_brandCodes;
    std::vector<Product> m_products;
    std::vector<Item> m_items;
    std::vector<std::vector<int>> m_kindItems, m_brandItems;
    std::vector<std::vector<double>> m_kindCumulative;
    std::discrete_distribution<int> m_season[12];
    std::vector<Person> m_customers;
    int m_businesses = 0;
    std::vector<Supplier> m_suppliers;
    std::vector<std::vector<int>> m_brandSuppliers;
    std::vector<Employee> m_employees;

    std::deque<SoldLine> m_sold;
    std::deque<BoughtLine> m_bought;
    std::vector<MonthFigures> m_months;
    int m_salesSequence = 0;
    int m_purchaseSequence = 0;

    Statement m_salesHeader{m_h, "insert into Log_XiaoShouDan(dh,shuliang,jinE,yewuyuan,KeHu,in_date,Remark,KeHuPhone,"
                                 "KeHuAddress,QK) values(?,?,?,?,?,?,?,?,?,?)"};
    Statement m_salesLine{m_h, "insert into Log_XiaoShou(dh,PinPai,chanpin,guige,danjia,CB,shuliang,jinE,in_date) "
                               "values(?,?,?,?,?,?,?,?,?)"};
    Statement m_purchaseHeader{m_h, "insert into Log_CaiGouDan(dh,shuliang,jinE,GYS,in_date,QK,Remark) values(?,?,?,?,?,?,?)"};
    Statement m_purchaseLine{m_h, "insert into Log_CaiGou(dh,PinPai,chanpin,guige,danjia,shuliang,jinE,in_date) "
                                  "values(?,?,?,?,?,?,?,?)"};
    Statement m_receipts{m_h, "insert into Log_SKGuoCheng(DH,in_date,JinE) values(?,?,?)"};
    Statement m_payments{m_h, "insert into Log_FKGuoCheng(DH,in_date,JinE) values(?,?,?)"};
    Statement m_entry{m_h, "insert into Log_ShouZhi(dh,type,in_date,Item,JinE,remark) values(?,?,?,?,?,?)"};
};

// The secondary indexes of the business tables, dropped while the rows go in and built again at
// the end, which is much faster than keeping them up to date row by row.
QStringList DropIndexes(Database& db)
{
    QStringList statements;
    QStringList names;
    QSqlQuery q = db.exec(QStringLiteral("select name,sql from sqlite_master where type='index' and sql is not null"));
    while (q.next()) {
        names << q.value(0).toString();
        statements << q.value(1).toString();
    }
    for (const QString& name : names)
        db.exec(QStringLiteral("drop index ") + name);
    return statements;
}

}  // namespace

ShopSize TenYearShop()
{
    return {QDate(2016, 1, 1), QDate(2025, 12, 31), 290000, 4800, 20000, 300, 40, 31000, 20160101};
}

void WriteShop(Database& db, const ShopSize& size, ShopPart part)
{
    db.exec(QStringLiteral("PRAGMA cache_size=-400000"));
    Transaction t(db);
    const QStringList indexes = DropIndexes(db);
    {
        ShopWriter writer(db, size);
        writer.catalogue();
        if (part == ShopPart::Everything)
            writer.business();
    }
    for (const QString& sql : indexes)
        db.exec(sql);
    t.commit();
}
