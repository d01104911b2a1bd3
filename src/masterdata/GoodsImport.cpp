#include "GoodsImport.h"

#include "BarcodeText.h"
#include "Database.h"
#include "GoodsBarcodes.h"
#include "GoodsStore.h"
#include "NumberText.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include <array>

namespace {

enum Col { PinPaiCol, ChanPinCol, CPTypeCol, GuiGeCol, ShuLiangCol, PJCBCol, BarcodeCol, ColCount };

struct Heading {
    const char* name;  // as reported
    std::initializer_list<const char*> texts;
    bool required;
};

const std::array<Heading, ColCount> Headings = {{
    {"品牌", {"品牌"}, true},
    {"产品", {"产品", "产品名称"}, true},
    {"产品类型", {"产品类型", "产品分类", "分类"}, false},
    {"规格/型号", {"规格/型号", "型号/规格", "规格", "型号"}, true},
    {"初始库存量", {"初始库存量", "库存数量", "库存量", "库存", "数量"}, true},
    {"初始成本", {"初始成本", "平均成本", "成本"}, true},
    {"条码", {"条码", "条形码", "商品条码"}, false},
}};

// The key of a name as the database compares it: ASCII letters without case.
QString Folded(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c.unicode() < 128)
            c = c.toLower();
    return out;
}

QString ItemKey(const QString& p, const QString& c, const QString& g)
{
    return Folded(p) + QChar(0x1F) + Folded(c) + QChar(0x1F) + Folded(g);
}

QSet<QString> Keys(Database& db, const QString& sql, int columns)
{
    QSet<QString> keys;
    QSqlQuery q = db.exec(sql);
    while (q.next()) {
        QStringList parts;
        for (int i = 0; i < columns; ++i)
            parts << Folded(q.value(i).toString());
        keys.insert(parts.join(QChar(0x1F)));
    }
    return keys;
}

QString Row(int line)
{
    return QStringLiteral("第%1行：").arg(line);
}

}  // namespace

GoodsImportCheck CheckGoodsImport(Database& db, const QVector<QStringList>& sheet)
{
    GoodsImportCheck check;
    if (sheet.isEmpty()) {
        check.errors << QStringLiteral("表格中没有内容。");
        return check;
    }
    std::array<int, ColCount> at;
    at.fill(-1);
    const QStringList& header = sheet.first();
    for (int col = 0; col < header.size(); ++col) {
        const QString text = header[col].trimmed();
        for (int h = 0; h < ColCount; ++h)
            for (const char* t : Headings[h].texts)
                if (at[h] < 0 && text == QString::fromUtf8(t))
                    at[h] = col;
    }
    for (int h = 0; h < ColCount; ++h)
        if (Headings[h].required && at[h] < 0)
            check.errors << QStringLiteral("第1行（表头）缺少“%1”列。").arg(QString::fromUtf8(Headings[h].name));
    if (!check.errors.isEmpty())
        return check;

    const QSet<QString> known = Keys(db, QStringLiteral("select PinPai,ChanPin,GuiGe from Log_KuCun"), 3);
    QHash<QString, int> seen;  // goods key -> row of the sheet
    QHash<QString, int> seenCodes;  // barcode (letter case ignored) -> row of the sheet
    for (int r = 1; r < sheet.size(); ++r) {
        const QStringList& cells = sheet[r];
        const auto cell = [&](Col c) { return at[c] < 0 ? QString() : cells.value(at[c]).trimmed(); };
        bool blank = true;
        for (const QString& c : cells)
            blank = blank && c.trimmed().isEmpty();
        if (blank)
            continue;

        GoodsImportRow row;
        row.line = r + 1;
        row.PinPai = cell(PinPaiCol);
        row.ChanPin = cell(ChanPinCol);
        row.CPType = cell(CPTypeCol).isEmpty() ? QString::fromUtf8(NoCPType) : cell(CPTypeCol);
        row.GuiGe = cell(GuiGeCol);
        QStringList problems;
        for (Col c : {PinPaiCol, ChanPinCol, GuiGeCol})
            if (cell(c).isEmpty())
                problems << QStringLiteral("“%1”为空").arg(QString::fromUtf8(Headings[c].name));
        const std::optional<double> stock = ReadNumber(cell(ShuLiangCol));  // a sheet may write 12 as 12.0
        const bool whole = stock && *stock >= 0 && *stock <= 2147483647.0 && *stock == double(qint64(*stock));
        row.ShuLiang = whole ? int(*stock) : 0;
        if (!whole)
            problems << QStringLiteral("“初始库存量”应为0或正整数（现为“%1”）").arg(cell(ShuLiangCol));
        const std::optional<double> cost = ReadNumber(cell(PJCBCol));
        if (!cost || *cost < 0)
            problems << QStringLiteral("“初始成本”应为0或正数（现为“%1”）").arg(cell(PJCBCol));
        else
            row.PJCB = *cost;
        row.barcodes = GoodsBarcodes::split(cell(BarcodeCol));
        for (const QString& code : std::as_const(row.barcodes)) {
            QString reason;
            if (!BarcodeKindOf(code, &reason))
                problems << reason.chopped(1);
            else if (const std::optional<GoodsKey> holder = GoodsBarcodes::find(db, code))
                problems << QStringLiteral("条码“%1”已属于商品 %2").arg(code, holder->text());
            else if (seenCodes.contains(code.toLower()))
                problems << QStringLiteral("条码“%1”与第%2行的条码重复").arg(code).arg(seenCodes.value(code.toLower()));
            else
                seenCodes.insert(code.toLower(), row.line);
        }
        if (problems.isEmpty()) {
            const QString key = ItemKey(row.PinPai, row.ChanPin, row.GuiGe);
            if (known.contains(key))
                problems << QStringLiteral("系统中已存在该商品");
            else if (seen.contains(key))
                problems << QStringLiteral("与第%1行的商品重复").arg(seen.value(key));
            else
                seen.insert(key, row.line);
        }
        if (problems.isEmpty())
            check.rows.append(row);
        else
            check.errors << Row(row.line) + problems.join(QStringLiteral("；")) + u'。';
    }
    if (check.rows.isEmpty() && check.errors.isEmpty())
        check.errors << QStringLiteral("表格中没有商品。");
    return check;
}

void ImportGoods(Database& db, const QVector<GoodsImportRow>& rows)
{
    QSet<QString> brands = Keys(db, QStringLiteral("select PinPai from Base_PinPai"), 1);
    QSet<QString> products = Keys(db, QStringLiteral("select PinPai,ChanPin from Base_ChanPin"), 2);
    Transaction t(db);
    for (const GoodsImportRow& row : rows) {
        const QString brand = Folded(row.PinPai);
        if (!brands.contains(brand)) {
            InsertPinPai(db, row.PinPai);
            brands.insert(brand);
        }
        const QString product = brand + QChar(0x1F) + Folded(row.ChanPin);
        if (!products.contains(product)) {
            InsertChanPin(db, row.PinPai, row.ChanPin, row.CPType);
            products.insert(product);
        }
        InsertGuiGe(db, row.PinPai, row.ChanPin, row.GuiGe, row.PJCB, row.ShuLiang, row.barcodes);
    }
    t.commit();
}
