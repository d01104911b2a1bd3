#pragma once

// A fresh database of this system in a temporary folder (or on the tests' PostgreSQL server, see
// TestServer.h), for tests of data routines.

#include "Database.h"
#include "Records.h"
#include "Schema.h"
#include "TestServer.h"

#include <QTemporaryDir>
#include <QUuid>
#include <QtGlobal>
#include <map>

// How QCOMPARE shows an amount that differs.
inline char* toString(const Money& m)
{
    return qstrdup(qPrintable(FormatMoney(m)));
}

struct TestDb {
    // What fills a new database after its schema (nothing when null).
    using Filling = void (*)(Database&);

    // A database with the schema and what fill writes, made once on the server and copied for
    // each TestDb there (copying is cheaper than building it again).
    static QString ServerTemplate(const DatabaseTarget& server, Filling fill)
    {
        static std::map<Filling, QString> made;
        QString& name = made[fill];
        if (name.isEmpty()) {
            const DatabaseTarget target = NewServerDatabase(server);
            Database db(QUuid::createUuid().toString());
            db.open(target);
            CreateSchema(db);
            if (fill)
                fill(db);
            name = target.name;
        }
        return name;
    }

    QTemporaryDir dir;
    std::optional<ServerDatabase> server;
    Database db{QUuid::createUuid().toString()};

    // Where the database is: the tests' engine (the server when QINGLAN_TEST_SERVER names one), or
    // a file whatever the engine, for what only a file has.
    enum Where { TestEngine, File };

    explicit TestDb(Where where = TestEngine, Filling fill = nullptr)
    {
        if (const auto s = where == TestEngine ? TestServer() : std::nullopt) {
            server.emplace(*s, ServerTemplate(*s, fill));
            db.open(server->target);
        } else {
            db.open(dir.filePath(QStringLiteral("db.data")));
            CreateSchema(db);
            if (fill)
                fill(db);
        }
    }
    ~TestDb() { db.close(); }

    // Adds a goods item to the stock table with its opening quantity and average cost.
    void addGoods(const QString& PinPai, const QString& ChanPin, const QString& GuiGe, int ShuLiang, double PJCB)
    {
        db.exec(QStringLiteral("insert into Log_KuCun(PinPai,ChanPin,GuiGe,ShuLiang,PJCB,QCShuLiang) values(:p,:c,:g,:n,:a,:q)"),
                {{QStringLiteral(":p"), PinPai}, {QStringLiteral(":c"), ChanPin}, {QStringLiteral(":g"), GuiGe},
                 {QStringLiteral(":n"), ShuLiang}, {QStringLiteral(":a"), PJCB}, {QStringLiteral(":q"), ShuLiang}});
    }

    // A document line of a goods item as the operator enters it.
    static TShangPinItem line(const QString& PinPai, const QString& ChanPin, const QString& GuiGe, int qty, double price)
    {
        TShangPinItem it;
        it.PinPai = PinPai;
        it.chanpin = ChanPin;
        it.guige = GuiGe;
        it.shuliang = qty;
        it.danjia = Money::fromYuan(price);
        it.jinE = it.danjia * qty;
        return it;
    }

    // A sales header as the operator enters it, sold by 王磊 on 2024-05-01 unless said otherwise.
    static TXiaoShouDan sale(const QString& dh, int qty, double amount, double owed, const QString& KeHu,
                             const QDate& day = QDate(2024, 5, 1))
    {
        TXiaoShouDan d;
        d.dh = dh;
        d.shuliang = qty;
        d.jinE = Money::fromYuan(amount);
        d.QK = Money::fromYuan(owed);
        d.KeHu = KeHu;
        d.yewuyuan = QStringLiteral("王磊");
        d.in_date = day;
        return d;
    }

    int count(const QString& table)
    {
        return db.scalar(QStringLiteral("select count(*) from ") + table).toInt();
    }
};
