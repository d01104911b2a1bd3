#include "ModelShop.h"

#include "CheckStore.h"
#include "ClearDataStore.h"
#include "Database.h"
#include "DocumentStore.h"
#include "GoodsStore.h"
#include "JieQunStore.h"
#include "PartPayments.h"

#include <QSqlRecord>

#include <QCryptographicHash>
#include <QHash>
#include <cstdlib>

namespace {

const QString NoType = QString::fromUtf8(NoCPType);

double Yuan(qint64 cents)
{
    return double(cents) / 100;
}

// a / b rounded to the nearest whole number, halves away from zero.
qint64 DivideRounded(qint64 a, qint64 b)
{
    const qint64 r = (2 * std::llabs(a) + std::llabs(b)) / (2 * std::llabs(b));
    return (a < 0) != (b < 0) ? -r : r;
}

// A purchase-side posting: new quantity, the moving average cost, the price as latest price.
void Post(ModelGoods& g, qint64 qty, qint64 price)
{
    const qint64 m = g.qty + qty;
    if (m != 0)
        g.cost = DivideRounded(g.qty * g.cost + qty * price, m);
    g.qty = m;
    g.latest = price;
}

bool Near(double stored, qint64 cents)
{
    return std::abs(stored - Yuan(cents)) < 0.005;
}

QString MonthKeyOf(int month)
{
    return QStringLiteral("2026%1").arg(month, 2, 10, QLatin1Char('0'));
}

}  // namespace

ModelShop::ModelShop(quint32 seed) : m_rng(seed) {}

bool ModelShop::run(Database* db, bool expectRefusal, const std::function<bool(Database&)>& operation)
{
    m_refusalChanged = false;
    if (!db)
        return false;
    const QByteArray before = expectRefusal ? DatabaseFingerprint(*db) : QByteArray();
    bool refused = true;
    try {
        refused = !operation(*db);
    } catch (const DbError&) {
    }
    m_refusalChanged = expectRefusal && DatabaseFingerprint(*db) != before;
    return refused;
}

ModelShop::Step ModelShop::outcome(QString what, bool refused, Database* db, bool dbRefused) const
{
    Step step{std::move(what), refused, {}};
    if (db && dbRefused != refused)
        step.mismatch = refused ? QStringLiteral("expected a refusal") : QStringLiteral("refused");
    else if (m_refusalChanged)
        step.mismatch = QStringLiteral("refused, but the database changed");
    return step;
}

QString ModelShop::key(const QString& p, const QString& c, const QString& g) const
{
    return (p + u'/' + c + u'/' + g).toLower();
}

ModelGoods* ModelShop::goods(const QString& p, const QString& c, const QString& g)
{
    const QString k = key(p, c, g);
    for (ModelGoods& item : m_goods)
        if (key(item.PinPai, item.ChanPin, item.GuiGe) == k)
            return &item;
    return nullptr;
}

QDate ModelShop::openDay()
{
    QVector<int> months;
    for (int m = 1; m <= 12; ++m)
        if (m_closings.value(MonthKeyOf(m)).state != 2)
            months << m;
    const int month = months.isEmpty() ? 13 : months[pick(int(months.size()))];
    const int day = 1 + pick(28);
    return month == 13 ? QDate(2027, 1, day) : QDate(2026, month, day);
}

void ModelShop::open(Database* db)
{
    for (int b = 1; b <= 3; ++b) {
        const QString brand = QStringLiteral("Brand%1").arg(b);
        if (db)
            InsertPinPai(*db, brand);
        for (int p = 1; p <= 2; ++p) {
            const QString product = QStringLiteral("Prod%1").arg(p);
            m_products[brand] << product;
            if (db)
                InsertChanPin(*db, brand, product, NoType);
            for (int s = 1; s <= 2; ++s) {
                ModelGoods g{brand, product, QStringLiteral("S%1").arg(s), pick(21), cents(1000, 200000), -1};
                if (db)
                    InsertGuiGe(*db, g.PinPai, g.ChanPin, g.GuiGe, Yuan(g.cost), int(g.qty));
                m_goods << g;
            }
        }
    }
}

ModelShop::Step ModelShop::next(Database* db)
{
    ++m_done;
    const int r = pick(100);
    if (r < 30)
        return saveDocument(db, true);
    if (r < 50)
        return saveDocument(db, false);
    if (r < 54)
        return deleteDocument(db, true);
    if (r < 57)
        return deleteDocument(db, false);
    if (r < 67)
        return payDocument(db, true, false);
    if (r < 74)
        return payDocument(db, false, false);
    if (r < 77)
        return payDocument(db, pick(2) == 0, true);
    if (r < 82)
        return newGoods(db);
    if (r < 88)
        return editGoods(db);
    if (r < 90)
        return renameBrand(db);
    if (r < 92)
        return renameProduct(db);
    if (r < 97)
        return closeMonth(db);
    return clearMonth(db);
}

ModelShop::Step ModelShop::saveDocument(Database* db, bool sale)
{
    QStringList sameKind;
    for (const ModelDoc& d : m_docs)
        if (d.sale == sale)
            sameKind << d.dh;
    const int roll = pick(20);
    bool refused = true;
    QString dh;
    if (roll == 0 && !sameKind.isEmpty()) {
        const QString used = sameKind[pick(int(sameKind.size()))];
        dh = pick(2) ? used.toLower() : used;  // numbers compare without letter case
    } else if (roll == 1) {
        dh = QStringLiteral("  ");
    } else {
        dh = (sale ? QStringLiteral("XS") : QStringLiteral("CG")) + QString::number(++m_counter).rightJustified(8, u'0');
        refused = false;
    }
    const bool isReturn = pick(5) == 0;
    const int sign = isReturn ? -1 : 1;
    ModelDoc doc{sale, dh.trimmed(), openDay(), 0, 0, 0, {}};
    QVector<TShangPinItem> lines;
    for (int n = 1 + pick(3); n > 0; --n) {
        ModelLine line{QStringLiteral("Ghost"), QStringLiteral("Item"), QStringLiteral("X"), 1 + pick(5), cents(100, 300000), 0, 0};
        if (!m_goods.isEmpty() && pick(10) != 0) {
            const ModelGoods& g = m_goods[pick(int(m_goods.size()))];
            line.PinPai = g.PinPai;
            line.ChanPin = g.ChanPin;
            line.GuiGe = g.GuiGe;
        }
        TShangPinItem item;
        item.PinPai = line.PinPai;
        item.chanpin = line.ChanPin;
        item.guige = line.GuiGe;
        item.shuliang = line.qty;
        item.danjia = Money::fromCents(line.price);
        item.jinE = Money::fromCents(line.qty * line.price);
        lines << item;
        doc.qty += line.qty;
        doc.amount += line.qty * line.price;
        doc.lines << line;
    }
    // A sale or purchase return that would take a goods item below nothing is refused.
    if (!refused && sale != isReturn) {
        QHash<const ModelGoods*, qint64> out;
        for (const ModelLine& line : doc.lines)
            if (const ModelGoods* g = goods(line.PinPai, line.ChanPin, line.GuiGe))
                out[g] += line.qty;
        for (auto it = out.cbegin(); it != out.cend(); ++it)
            refused = refused || it.key()->qty < it.value();
    }
    const int owedRoll = pick(10);
    doc.owed = owedRoll < 3 ? 0 : owedRoll < 7 ? doc.amount : cents(1, std::max<qint64>(1, doc.amount - 1));
    const DanKind kind = isReturn ? ReturnKind : ForwardKind;
    const bool dbRefused = run(db, refused, [&](Database& d) {
        if (sale) {
            TXiaoShouDan h;
            h.dh = dh;
            h.shuliang = doc.qty;
            h.jinE = Money::fromCents(doc.amount);
            h.QK = Money::fromCents(doc.owed);
            h.KeHu = QStringLiteral("Customer");
            h.in_date = doc.day;
            return SaveXiaoShouDocument(d, h, lines, kind);
        }
        TCaiGouDan h;
        h.dh = dh;
        h.shuliang = doc.qty;
        h.jinE = Money::fromCents(doc.amount);
        h.QK = Money::fromCents(doc.owed);
        h.GYS = QStringLiteral("Supplier");
        h.in_date = doc.day;
        return SaveCaiGouDocument(d, h, lines, kind);
    });
    const QString what = QStringLiteral("%1 %2 '%3'").arg(sale ? QStringLiteral("sale") : QStringLiteral("purchase"),
                                                         isReturn ? QStringLiteral("return") : QStringLiteral("save"), dh);
    if (refused)
        return outcome(what, true, db, dbRefused);
    doc.qty *= sign;
    doc.amount *= sign;
    doc.owed *= sign;
    for (ModelLine& line : doc.lines) {
        line.qty *= sign;
        line.amount = line.qty * line.price;
        ModelGoods* g = goods(line.PinPai, line.ChanPin, line.GuiGe);
        if (sale) {
            line.cost = g ? g->cost : 0;
            if (g)
                g->qty -= line.qty;
        } else if (g) {
            Post(*g, line.qty, line.price);
        }
    }
    m_docs.insert(doc.dh.toLower(), doc);
    return outcome(what, false, db, dbRefused);
}

ModelShop::Step ModelShop::deleteDocument(Database* db, bool sale)
{
    QStringList sameKind;
    for (const ModelDoc& d : m_docs)
        if (d.sale == sale)
            sameKind << d.dh;
    // Deleting a number that is not there deletes nothing.
    const QString dh = sameKind.isEmpty() ? QStringLiteral("XS99999999") : sameKind[pick(int(sameKind.size()))];
    const bool dbRefused = run(db, false, [&](Database& d) {
        sale ? DeleteXiaoShouDocument(d, dh) : DeleteCaiGouDocument(d, dh);
        return true;
    });
    if (m_docs.contains(dh.toLower())) {
        for (const ModelLine& line : m_docs.value(dh.toLower()).lines) {
            ModelGoods* g = goods(line.PinPai, line.ChanPin, line.GuiGe);
            if (g && sale)
                g->qty += line.qty;
            else if (g)
                Post(*g, -line.qty, line.price);
        }
        m_docs.remove(dh.toLower());
    }
    return outcome(QStringLiteral("delete %1").arg(dh), false, db, dbRefused);
}

ModelShop::Step ModelShop::payDocument(Database* db, bool sale, bool writeOff)
{
    QStringList open;
    for (const ModelDoc& d : m_docs)
        if (d.sale == sale && d.owed != 0)
            open << d.dh;
    const AccountSide side = sale ? AccountSide::Receivable : AccountSide::Payable;
    const QString verb = writeOff ? QStringLiteral("write off") : QStringLiteral("pay");
    if (open.isEmpty() || pick(12) == 0) {
        // A document that is not (or no longer) there takes no receipt and no write-off.
        const QString dh = (sale ? QStringLiteral("XS") : QStringLiteral("CG")) + QString::number(++m_counter).rightJustified(8, u'0');
        const bool dbRefused = run(db, true, [&](Database& d) {
            writeOff ? WriteOffOwed(d, side, dh) : void(RecordPartPayment(d, side, dh, 3_yuan, QDate(2026, 1, 1)));
            return true;
        });
        return outcome(QStringLiteral("%1 missing %2").arg(verb, dh), true, db, dbRefused);
    }
    ModelDoc& doc = m_docs[open[pick(int(open.size()))].toLower()];
    const qint64 owed = doc.owed;
    const qint64 sign = owed < 0 ? -1 : 1;
    const int roll = pick(20);
    qint64 paid = owed;
    if (roll >= 8 && roll < 15 && std::llabs(owed) > 1)
        paid = sign * cents(1, std::llabs(owed) - 1);
    else if (roll >= 15 && roll < 18)
        paid = owed + sign * cents(1, 10000);  // more than is owed
    else if (roll >= 18)
        paid = -sign * cents(1, 5000);         // the other way
    if (writeOff)
        paid = owed;
    const QDate day = doc.day.addDays(pick(30));
    const bool dbRefused = run(db, false, [&](Database& d) {
        writeOff ? WriteOffOwed(d, side, doc.dh) : void(RecordPartPayment(d, side, doc.dh, Money::fromCents(paid), day));
        return true;
    });
    doc.owed = owed - paid;
    if (doc.owed != 0)
        ++m_history[doc.dh.toLower()];
    else
        m_history.remove(doc.dh.toLower());
    return outcome(QStringLiteral("%1 %2 of %3 on %4").arg(verb).arg(paid).arg(owed).arg(doc.dh), false, db, dbRefused);
}

ModelShop::Step ModelShop::newGoods(Database* db)
{
    const QStringList brands = m_products.keys();
    ModelGoods g{brands[pick(int(brands.size()))], {}, QStringLiteral("G%1").arg(++m_counter), pick(31), cents(1000, 200000), -1};
    const QStringList& products = m_products[g.PinPai];
    g.ChanPin = products[pick(int(products.size()))];
    const int roll = pick(10);
    bool refused = false;
    bool newBrand = false;
    if (roll == 0) {
        const ModelGoods& used = m_goods[pick(int(m_goods.size()))];
        g.PinPai = used.PinPai;
        g.ChanPin = used.ChanPin.toUpper();
        g.GuiGe = used.GuiGe.toLower();
        refused = true;
    } else if (roll == 1 && !m_formerKeys.isEmpty()) {
        // A name that an item was renamed away from: the lines saved under it stay.
        const QStringList parts = m_formerKeys[pick(int(m_formerKeys.size()))].split(u'/');
        if (m_products.contains(parts[0]) && m_products[parts[0]].contains(parts[1]) && !goods(parts[0], parts[1], parts[2])) {
            g.PinPai = parts[0];
            g.ChanPin = parts[1];
            g.GuiGe = parts[2];
        }
    } else if (roll == 2) {
        g.PinPai = QStringLiteral("B%1").arg(++m_counter);
        g.ChanPin = QStringLiteral("P%1").arg(++m_counter);
        newBrand = true;
    }
    const bool dbRefused = run(db, refused, [&](Database& d) {
        // The three steps of the goods window as one operation of the stream, so that a kill
        // leaves all or none of them.
        Transaction t(d);
        if (newBrand) {
            InsertPinPai(d, g.PinPai);
            InsertChanPin(d, g.PinPai, g.ChanPin, NoType);
        }
        InsertGuiGe(d, g.PinPai, g.ChanPin, g.GuiGe, Yuan(g.cost), int(g.qty));
        t.commit();
        return true;
    });
    if (!refused) {
        if (newBrand)
            m_products[g.PinPai] << g.ChanPin;
        m_goods << g;
    }
    return outcome(QStringLiteral("new goods %1").arg(key(g.PinPai, g.ChanPin, g.GuiGe)), refused, db, dbRefused);
}

ModelShop::Step ModelShop::editGoods(Database* db)
{
    ModelGoods& g = m_goods[pick(int(m_goods.size()))];
    const qint64 qty = pick(41);
    const qint64 cost = cents(1000, 200000);
    QString spec = g.GuiGe;
    bool refused = false;
    const int roll = pick(20);
    if (roll >= 12 && roll < 17) {
        spec = QStringLiteral("G%1").arg(++m_counter);
    } else if (roll >= 17) {
        for (const ModelGoods& other : m_goods)
            if (&other != &g && key(other.PinPai, other.ChanPin, {}) == key(g.PinPai, g.ChanPin, {})) {
                spec = other.GuiGe;
                refused = true;
            }
    }
    const bool dbRefused = run(db, refused, [&](Database& d) {
        UpdateGuiGe(d, g.PinPai, g.ChanPin, g.GuiGe, Yuan(cost), int(qty), spec);
        return true;
    });
    const QString what = QStringLiteral("edit goods %1 to %2, %3 at %4").arg(key(g.PinPai, g.ChanPin, g.GuiGe), spec).arg(qty).arg(cost);
    if (!refused) {
        if (spec != g.GuiGe)
            m_formerKeys << g.PinPai + u'/' + g.ChanPin + u'/' + g.GuiGe;
        g.GuiGe = spec;
        g.qty = qty;
        g.cost = cost;
    }
    return outcome(what, refused, db, dbRefused);
}

ModelShop::Step ModelShop::renameBrand(Database* db)
{
    const QStringList brands = m_products.keys();
    const QString brand = brands[pick(int(brands.size()))];
    QString name = QStringLiteral("B%1").arg(++m_counter);
    const bool refused = pick(5) == 0 && brands.size() > 1;
    if (refused)
        while ((name = brands[pick(int(brands.size()))]) == brand) {
        }
    const bool dbRefused = run(db, refused, [&](Database& d) {
        RenamePinPai(d, brand, name);
        return true;
    });
    if (!refused) {
        for (ModelGoods& g : m_goods)
            if (g.PinPai == brand) {
                m_formerKeys << g.PinPai + u'/' + g.ChanPin + u'/' + g.GuiGe;
                g.PinPai = name;
            }
        m_products[name] = m_products.take(brand);
    }
    return outcome(QStringLiteral("rename brand %1 to %2").arg(brand, name), refused, db, dbRefused);
}

ModelShop::Step ModelShop::renameProduct(Database* db)
{
    const QStringList brands = m_products.keys();
    const QString brand = brands[pick(int(brands.size()))];
    QStringList& products = m_products[brand];
    const int index = pick(int(products.size()));
    const QString product = products[index];
    QString name = QStringLiteral("P%1").arg(++m_counter);
    const bool refused = pick(5) == 0 && products.size() > 1;
    if (refused)
        name = products[(index + 1) % products.size()];
    const bool dbRefused = run(db, refused, [&](Database& d) {
        UpdateChanPin(d, brand, product, name, NoType);
        return true;
    });
    if (!refused) {
        for (ModelGoods& g : m_goods)
            if (g.PinPai == brand && g.ChanPin == product) {
                m_formerKeys << g.PinPai + u'/' + g.ChanPin + u'/' + g.GuiGe;
                g.ChanPin = name;
            }
        products[index] = name;
    }
    return outcome(QStringLiteral("rename product %1/%2 to %3").arg(brand, product, name), refused, db, dbRefused);
}

ModelShop::Step ModelShop::closeMonth(Database* db)
{
    const int month = 1 + pick(12);
    const QString monthKey = MonthKeyOf(month);
    const bool refused = m_closings.contains(monthKey);
    const bool dbRefused = run(db, refused, [&](Database& d) {
        MakeJieQun(d, monthKey);
        return true;
    });
    if (!refused) {
        ModelClosing c;
        qint64 costs = 0;
        for (const ModelDoc& doc : m_docs)
            if (doc.sale && doc.day.year() == 2026 && doc.day.month() == month)
                for (const ModelLine& line : doc.lines) {
                    c.sales += line.amount;
                    costs += line.cost * line.qty;
                }
        c.profit = c.sales - costs;
        m_closings.insert(monthKey, c);
    }
    return outcome(QStringLiteral("close %1").arg(monthKey), refused, db, dbRefused);
}

ModelShop::Step ModelShop::clearMonth(Database* db)
{
    QStringList closed;
    for (auto it = m_closings.cbegin(); it != m_closings.cend(); ++it)
        if (it->state == 1)
            closed << it.key();
    if (closed.isEmpty())
        return closeMonth(db);
    const bool refused = pick(6) == 0;
    const QString monthKey = refused ? QStringLiteral("202613") : closed[pick(int(closed.size()))];
    const bool dbRefused = run(db, refused, [&](Database& d) {
        ClearMonthData(d, monthKey);
        return true;
    });
    if (!refused) {
        const int month = monthKey.right(2).toInt();
        for (auto it = m_docs.begin(); it != m_docs.end();)
            it = it->day.year() == 2026 && it->day.month() == month ? m_docs.erase(it) : std::next(it);
        m_closings[monthKey].state = 2;
    }
    return outcome(QStringLiteral("clear %1").arg(monthKey), refused, db, dbRefused);
}

QStringList ModelShop::checkDatabase(Database& db) const
{
    QStringList expected;
    for (const ModelGoods& g : m_goods)
        if (g.qty < 0)
            expected << QStringLiteral("商品 %1/%2/%3 的库存 %4 小于 0").arg(g.PinPai, g.ChanPin, g.GuiGe).arg(g.qty);
    QStringList diffs;
    const QStringList faults = CheckDatabase(db);
    for (const QString& fault : faults)
        if (!expected.contains(fault))
            diffs << fault;
    for (const QString& fault : expected)
        if (!faults.contains(fault))
            diffs << QStringLiteral("the check misses: ") + fault;
    return diffs;
}

QStringList ModelShop::compare(Database& db) const
{
    QStringList diffs;
    QMap<QString, const ModelGoods*> goods;
    for (const ModelGoods& g : m_goods)
        goods.insert(key(g.PinPai, g.ChanPin, g.GuiGe), &g);
    QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe,ShuLiang,PJCB,NewCB from Log_KuCun"));
    int rows = 0;
    while (q.next()) {
        ++rows;
        const QString k = key(q.value(0).toString(), q.value(1).toString(), q.value(2).toString());
        const ModelGoods* g = goods.value(k);
        if (!g) {
            diffs << QStringLiteral("goods %1 is not in the model").arg(k);
            continue;
        }
        const bool latestAgrees = g->latest < 0 ? q.value(5).isNull() : !q.value(5).isNull() && Near(q.value(5).toDouble(), g->latest);
        if (q.value(3).toLongLong() != g->qty || !Near(q.value(4).toDouble(), g->cost) || !latestAgrees)
            diffs << QStringLiteral("goods %1: stock %2, cost %3, latest %4; the model %5, %6, %7")
                         .arg(k, q.value(3).toString(), q.value(4).toString(), q.value(5).toString())
                         .arg(g->qty)
                         .arg(Yuan(g->cost))
                         .arg(Yuan(g->latest));
    }
    if (rows != goods.size())
        diffs << QStringLiteral("%1 goods items, the model %2").arg(rows).arg(goods.size());
    QStringList products;
    for (auto it = m_products.cbegin(); it != m_products.cend(); ++it)
        for (const QString& product : *it)
            products << (it.key() + u'/' + product).toLower();
    QStringList stored;
    QSqlQuery b = db.exec(QStringLiteral("select p.PinPai || '/' || c.ChanPin from Base_PinPai p left join Base_ChanPin c on c.PinPai=p.PinPai"));
    while (b.next())
        stored << b.value(0).toString().toLower();
    products.sort();
    stored.sort();
    if (stored != products)
        diffs << QStringLiteral("brands and products differ from the model");

    for (AccountSide side : {AccountSide::Receivable, AccountSide::Payable}) {
        const DocumentSide& t = SideOf(side);
        const bool sale = side == AccountSide::Receivable;
        int docs = 0;
        QSqlQuery h = db.exec(QStringLiteral("select h.dh,h.shuliang,h.jinE,h.QK,h.in_date,l.n,l.sl,l.je,l.cb from %1 h "
                                             "left join (select dh,count(*) n,sum(shuliang) sl,sum(jinE) je,sum(%3) cb "
                                             "from %2 group by dh) l on l.dh=h.dh")
                                  .arg(t.header, t.lines, sale ? QStringLiteral("CB*shuliang") : QStringLiteral("0")));
        while (h.next()) {
            ++docs;
            const QString dh = h.value(0).toString();
            const auto it = m_docs.constFind(dh.toLower());
            if (it == m_docs.cend() || it->sale != sale) {
                diffs << QStringLiteral("document %1 is not in the model").arg(dh);
                continue;
            }
            qint64 costs = 0;
            for (const ModelLine& line : it->lines)
                costs += line.cost * line.qty;
            if (h.value(1).toInt() != it->qty || !Near(h.value(2).toDouble(), it->amount) || !Near(h.value(3).toDouble(), it->owed)
                || h.value(4).toString() != SqlDate(it->day) || h.value(5).toInt() != it->lines.size()
                || h.value(6).toInt() != it->qty || !Near(h.value(7).toDouble(), it->amount) || !Near(h.value(8).toDouble(), costs))
                diffs << QStringLiteral("document %1: %2 %3 owing %4 on %5, lines %6 %7 %8 cost %9; the model %10 %11 owing %12")
                             .arg(dh, h.value(1).toString(), h.value(2).toString(), h.value(3).toString(), h.value(4).toString(),
                                  h.value(5).toString(), h.value(6).toString(), h.value(7).toString(), h.value(8).toString())
                             .arg(it->qty)
                             .arg(Yuan(it->amount))
                             .arg(Yuan(it->owed));
        }
        int modelDocs = 0;
        for (const ModelDoc& d : m_docs)
            modelDocs += d.sale == sale;
        if (docs != modelDocs)
            diffs << QStringLiteral("%1 documents in %2, the model %3").arg(docs).arg(t.header).arg(modelDocs);
    }

    QMap<QString, int> history;
    for (const char* table : {"Log_SKGuoCheng", "Log_FKGuoCheng"}) {
        QSqlQuery p = db.exec(QStringLiteral("select DH,count(*) from %1 group by DH").arg(QLatin1String(table)));
        while (p.next())
            history.insert(p.value(0).toString().toLower(), p.value(1).toInt());
    }
    if (history != m_history)
        diffs << QStringLiteral("receipt and payment rows differ from the model");

    QSqlQuery c = db.exec(QStringLiteral("select JQM,XSE,XSLR,ClearState,Other_SR,Other_ZC,BenQiLR from Log_JieQun"));
    int closings = 0;
    while (c.next()) {
        ++closings;
        const auto it = m_closings.constFind(c.value(0).toString());
        if (it == m_closings.cend() || !Near(c.value(1).toDouble(), it->sales) || !Near(c.value(2).toDouble(), it->profit)
            || c.value(3).toInt() != it->state || !Near(c.value(6).toDouble(), it->profit))
            diffs << QStringLiteral("closing %1: %2 %3 state %4").arg(c.value(0).toString(), c.value(1).toString(),
                                                                      c.value(2).toString(), c.value(3).toString());
    }
    if (closings != m_closings.size())
        diffs << QStringLiteral("%1 closings, the model %2").arg(closings).arg(m_closings.size());
    return diffs;
}

QByteArray DatabaseFingerprint(Database& db)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QStringList tables;
    QSqlQuery t = db.exec(db.engine() == Engine::Sqlite
                              ? QStringLiteral("select name from sqlite_master where type='table' order by name")
                              : QStringLiteral("select table_name from information_schema.tables "
                                               "where table_schema='public' order by table_name"));
    while (t.next())
        tables << t.value(0).toString();
    for (const QString& table : tables) {
        hash.addData(table.toUtf8());
        // The rows in any order: a server may keep them in another after a change rolled back.
        QStringList rows;
        QSqlQuery q = db.exec(QStringLiteral("select * from \"%1\"").arg(table));
        while (q.next()) {
            QString row;
            for (int i = 0; i < q.record().count(); ++i)
                row += q.value(i).toString() + u'\x1f';
            rows << row;
        }
        rows.sort();
        for (const QString& row : rows)
            hash.addData(row.toUtf8());
    }
    return hash.result();
}
