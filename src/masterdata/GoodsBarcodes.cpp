#include "GoodsBarcodes.h"

#include "AuditLog.h"
#include "BarcodeText.h"
#include "Database.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

namespace {

const QString P = QStringLiteral(":PinPai");
const QString C = QStringLiteral(":ChanPin");
const QString G = QStringLiteral(":GuiGe");

SqlParams KeyParams(const GoodsKey& goods)
{
    return {{P, goods.PinPai}, {C, goods.ChanPin}, {G, goods.GuiGe}};
}

// How the database compares codes: ASCII letters without case (codes hold ASCII only).
QString Folded(const QString& code)
{
    return code.toLower();
}

}  // namespace

namespace GoodsBarcodes {

QStringList split(const QString& text)
{
    static const QRegularExpression separators(QStringLiteral("[\\r\\n;；,，]"));
    QStringList codes;
    for (const QString& piece : text.split(separators))
        if (!piece.trimmed().isEmpty())
            codes << piece.trimmed();
    return codes;
}

std::optional<GoodsKey> find(Database& db, const QString& code)
{
    QSqlQuery q = db.exec(QStringLiteral("select PinPai,ChanPin,GuiGe from Base_TiaoMa where TiaoMa=:code"),
                          {{QStringLiteral(":code"), code.trimmed()}});
    if (!q.next())
        return std::nullopt;
    return GoodsKey{q.value(0).toString(), q.value(1).toString(), q.value(2).toString()};
}

QStringList of(Database& db, const GoodsKey& goods)
{
    QSqlQuery q = db.exec(QStringLiteral("select TiaoMa from Base_TiaoMa "
                                         "where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe order by autoid"),
                          KeyParams(goods));
    QStringList codes;
    while (q.next())
        codes << q.value(0).toString();
    return codes;
}

QString problem(Database& db, const GoodsKey& goods, const QStringList& codes)
{
    QSet<QString> seen;
    for (const QString& code : codes) {
        QString reason;
        if (!BarcodeKindOf(code, &reason))
            return reason;
        if (seen.contains(Folded(code)))
            return QStringLiteral("条码“%1”输入了两次。").arg(code);
        seen.insert(Folded(code));
        const std::optional<GoodsKey> holder = find(db, code);
        if (holder && Folded(holder->text()) != Folded(goods.text()))
            return QStringLiteral("条码“%1”已属于商品 %2，一个条码只能属于一个商品。").arg(code, holder->text());
    }
    return {};
}

void set(Database& db, const GoodsKey& goods, const QStringList& codes)
{
    Transaction t(db);
    if (const QString reason = problem(db, goods, codes); !reason.isEmpty())
        throw DbError(reason);
    const QStringList before = of(db, goods);
    if (before == codes)
        return;
    if (!before.isEmpty())
        WriteAudit(db, QStringLiteral("修改条码"), goods.text(), before.join(QStringLiteral(", ")),
                   codes.join(QStringLiteral(", ")));
    db.exec(QStringLiteral("delete from Base_TiaoMa where PinPai=:PinPai and ChanPin=:ChanPin and GuiGe=:GuiGe"),
            KeyParams(goods));
    for (const QString& code : codes)
        db.exec(QStringLiteral("insert into Base_TiaoMa(TiaoMa,PinPai,ChanPin,GuiGe) values(:code,:PinPai,:ChanPin,:GuiGe)"),
                KeyParams(goods) + SqlParams{{QStringLiteral(":code"), code}});
    t.commit();
}

}  // namespace GoodsBarcodes
