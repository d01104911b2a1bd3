#include "Schema.h"

#include "Database.h"
#include "Ledger.h"
#include "Records.h"

#include <QRegularExpression>
#include <QStringList>
#include <initializer_list>
#include <iterator>

namespace {

// Text columns compare without regard to letter case; dates are text "yyyy-MM-dd".
const char* const Statements[] = {
    R"(create table Log_XiaoShouDan(
        autoid integer primary key autoincrement,
        dh text collate nocase not null unique,
        shuliang integer default 0, jinE real default 0,
        yewuyuan text collate nocase, KeHu text collate nocase, in_date text,
        Remark text collate nocase, KeHuPhone text collate nocase,
        KeHuAddress text collate nocase, QK real default 0))",
    "create index IX_XiaoShouDan_date on Log_XiaoShouDan(in_date)",
    "create index IX_XiaoShouDan_KeHu on Log_XiaoShouDan(KeHu)",
    R"(create table Log_XiaoShou(
        autoid integer primary key autoincrement,
        dh text collate nocase not null,
        PinPai text collate nocase, chanpin text collate nocase, guige text collate nocase,
        danjia real default 0, CB real default 0, shuliang integer default 0,
        jinE real default 0, in_date text))",
    "create index IX_XiaoShou_dh on Log_XiaoShou(dh)",
    "create index IX_XiaoShou_date on Log_XiaoShou(in_date)",
    "create index IX_XiaoShou_goods on Log_XiaoShou(PinPai, chanpin, guige)",
    R"(create table Log_CaiGouDan(
        autoid integer primary key autoincrement,
        dh text collate nocase not null unique,
        shuliang integer default 0, jinE real default 0,
        GYS text collate nocase, in_date text, QK real default 0,
        Remark text collate nocase))",
    "create index IX_CaiGouDan_date on Log_CaiGouDan(in_date)",
    "create index IX_CaiGouDan_GYS on Log_CaiGouDan(GYS)",
    R"(create table Log_CaiGou(
        autoid integer primary key autoincrement,
        dh text collate nocase not null,
        PinPai text collate nocase, chanpin text collate nocase, guige text collate nocase,
        danjia real default 0, shuliang integer default 0, jinE real default 0,
        in_date text))",
    "create index IX_CaiGou_dh on Log_CaiGou(dh)",
    "create index IX_CaiGou_date on Log_CaiGou(in_date)",
    R"(create table Log_KuCun(
        autoid integer primary key autoincrement,
        PinPai text collate nocase not null, ChanPin text collate nocase not null,
        GuiGe text collate nocase not null,
        ShuLiang integer default 0, PJCB real default 0, NewCB real,
        unique(PinPai, ChanPin, GuiGe)))",
    R"(create table Log_ShouZhi(
        dh text collate nocase not null unique,
        type text collate nocase, in_date text, Item text collate nocase,
        JinE real default 0, remark text collate nocase))",
    "create index IX_ShouZhi_date on Log_ShouZhi(in_date)",
    R"(create table Log_SKGuoCheng(
        autoid integer primary key autoincrement,
        DH text collate nocase not null, in_date text, JinE real default 0))",
    "create index IX_SKGuoCheng_DH on Log_SKGuoCheng(DH)",
    R"(create table Log_FKGuoCheng(
        autoid integer primary key autoincrement,
        DH text collate nocase not null, in_date text, JinE real default 0))",
    "create index IX_FKGuoCheng_DH on Log_FKGuoCheng(DH)",
    R"(create table Log_JieQun(
        JQM text collate nocase not null unique,
        XSE real default 0, XSLR real default 0, Other_SR real default 0,
        Other_ZC real default 0, BenQiLR real default 0, ClearState integer default 1))",
    R"(create table Base_PinPai(
        autoid integer primary key autoincrement,
        PinPai text collate nocase not null unique))",
    R"(create table Base_ChanPin(
        autoid integer primary key autoincrement,
        PinPai text collate nocase not null, ChanPin text collate nocase not null,
        CPType text collate nocase,
        unique(PinPai, ChanPin)))",
    "create table Base_CPType(TypeName text collate nocase not null unique)",
    R"(create table Base_KeHu(
        KeHu text collate nocase not null unique,
        LXR text collate nocase, phone text collate nocase, FAX text collate nocase,
        address text collate nocase, Email text collate nocase, Remark text collate nocase,
        yb text collate nocase))",
    R"(create table Base_GongYingShang(
        GYS text collate nocase not null unique,
        LXR text collate nocase, phone text collate nocase, FAX text collate nocase,
        address text collate nocase, YB text collate nocase, Email text collate nocase,
        WZ text collate nocase, KHH text collate nocase, ZH text collate nocase,
        SH text collate nocase, Remark text collate nocase))",
    R"(create table Base_YeYuYuan(
        Name text collate nocase not null unique,
        Sex text collate nocase, Age text collate nocase, Address text collate nocase,
        ID text collate nocase, Phone text collate nocase, InDate text,
        Remark text collate nocase))",
    R"(create table Base_ShouZhi(
        autoid integer primary key autoincrement,
        item text collate nocase not null unique))",
};

// Changes of the schema since its first version: Steps[i] brings a file of version i + 1 to
// version i + 2. A new file gets them too, so every file of the current version is alike.
const std::initializer_list<const char*> Steps[] = {
    // Version 2: the open documents (amount owed not 0) are few among many: the receivables and
    // payables read them in saving order and their customers and suppliers by name without
    // touching the settled ones.
    {"create index IX_XiaoShouDan_open on Log_XiaoShouDan(autoid) where QK<>0",
     "create index IX_XiaoShouDan_open_KeHu on Log_XiaoShouDan(KeHu) where QK<>0",
     "create index IX_CaiGouDan_open on Log_CaiGouDan(autoid) where QK<>0",
     "create index IX_CaiGouDan_open_GYS on Log_CaiGouDan(GYS) where QK<>0"},
    // Version 3: the audit log, what was done, by whom and when (see AuditLog.h).
    {R"(create table Log_Audit(
        autoid integer primary key autoincrement,
        at_time text not null, operator text collate nocase, action text collate nocase,
        object text collate nocase, old_value text, new_value text))",
     "create index IX_Audit_time on Log_Audit(at_time)"},
    // Version 4: each goods item keeps the part of its stock that the stored document lines do not
    // explain (see Ledger.h); a file of an older version takes its stock as it stands.
    {"alter table Log_KuCun add column QCShuLiang integer",
     "create index IX_CaiGou_goods on Log_CaiGou(PinPai, chanpin, guige)"},
    // Version 5: each document header keeps what was paid when it was saved (SS) and what its
    // receipts, payments and write-offs have taken off since (CJ), so that QK = jinE - SS - CJ
    // can be checked (see docs/accounts.md). A file of an older version keeps only the receipts
    // of its open documents: they become CJ, and the rest of what is no longer owed SS.
    {"alter table Log_XiaoShouDan add column SS real",
     "alter table Log_XiaoShouDan add column CJ real not null default 0",
     "alter table Log_CaiGouDan add column SS real",
     "alter table Log_CaiGouDan add column CJ real not null default 0",
     "update Log_XiaoShouDan set CJ=round(coalesce((select sum(JinE) from Log_SKGuoCheng s "
     "where s.DH=Log_XiaoShouDan.dh),0),2) where QK<>0",
     "update Log_CaiGouDan set CJ=round(coalesce((select sum(JinE) from Log_FKGuoCheng s "
     "where s.DH=Log_CaiGouDan.dh),0),2) where QK<>0",
     "update Log_XiaoShouDan set SS=round(jinE-QK-CJ,2)",
     "update Log_CaiGouDan set SS=round(jinE-QK-CJ,2)"},
    // Version 6: a closed month whose business changed after its closing is marked until it is
    // closed again (see ClosedMonths.h).
    {"alter table Log_JieQun add column Stale integer default 0"},
    // Version 7: the stock count in progress, one row per goods item counted: the quantity counted
    // and the book quantity when it was first counted (see StockCount.h).
    {R"(create table Log_PanDian(
        autoid integer primary key autoincrement,
        PinPai text collate nocase not null, ChanPin text collate nocase not null,
        GuiGe text collate nocase not null,
        ShuLiang integer not null default 0, ZhangMian integer not null default 0,
        unique(PinPai, ChanPin, GuiGe)))"},
    // Version 8: the barcodes of the goods items, any number each; a barcode belongs to one goods
    // item (see GoodsBarcodes.h).
    {R"(create table Base_TiaoMa(
        autoid integer primary key autoincrement,
        TiaoMa text collate nocase not null unique,
        PinPai text collate nocase not null, ChanPin text collate nocase not null,
        GuiGe text collate nocase not null))",
     "create index IX_TiaoMa_goods on Base_TiaoMa(PinPai, ChanPin, GuiGe)"},
};
static_assert(std::size(Steps) + 1 == SchemaVersion);

// On a server the statements are written as SQLite takes them and changed here into what the
// server takes: text compared without regard to letter case (citext, the case-insensitive text
// of the server's contrib package; under the "C" collation it compares as SQLite's nocase does,
// ASCII letters folded and then byte by byte, whatever the database's own collation), 8-byte floating point for the amounts (the server's "real" has
// 4 bytes), numbered rows as identity columns, and a rowid on tables without autoid, as every
// SQLite table has one to keep the order of adding.
QString Dialect(const Database& db, const QString& statement)
{
    if (db.engine() == Engine::Sqlite)
        return statement;
    QString s = statement;
    s.replace(QStringLiteral("integer primary key autoincrement"), QStringLiteral("integer generated by default as identity primary key"));
    s.replace(QRegularExpression(QStringLiteral("\\btext collate nocase\\b")), QStringLiteral("citext collate \"C\""));
    s.replace(QRegularExpression(QStringLiteral("\\breal\\b")), QStringLiteral("double precision"));
    if (s.startsWith(QLatin1String("create table")) && !s.contains(QLatin1String(" autoid ")))
        s.insert(s.lastIndexOf(u')'), QStringLiteral(", rowid integer generated by default as identity"));
    return s;
}

void Run(Database& db, const QString& statement)
{
    db.exec(Dialect(db, statement));
}

// What marks a database as this system's, and its schema version: two numbers in the file's
// header on SQLite, a table of one row on a server.
enum class Stamp { ApplicationId, Version };

const char* PragmaOf(Stamp stamp)
{
    return stamp == Stamp::ApplicationId ? "application_id" : "user_version";
}

bool HasTable(Database& db, const QString& name)
{
    if (db.engine() == Engine::Sqlite)
        return db.scalar(QStringLiteral("select 1 from sqlite_master where type='table' and name=:n collate nocase"),
                         {{QStringLiteral(":n"), name}})
            .isValid();
    return db.scalar(QStringLiteral("select to_regclass(:n)"), {{QStringLiteral(":n"), name.toLower()}}).toString() != QString();
}

int ReadStamp(Database& db, Stamp stamp)
{
    if (db.engine() == Engine::Sqlite)
        return db.scalar(QStringLiteral("PRAGMA %1").arg(QLatin1String(PragmaOf(stamp)))).toInt();
    if (!HasTable(db, QStringLiteral("SYS_Schema")))
        return 0;
    return db.scalar(QStringLiteral("select %1 from SYS_Schema").arg(QLatin1String(PragmaOf(stamp)))).toInt();
}

void WriteStamp(Database& db, Stamp stamp, int value)
{
    if (db.engine() == Engine::Sqlite) {
        db.exec(QStringLiteral("PRAGMA %1=%2").arg(QLatin1String(PragmaOf(stamp))).arg(value));
        return;
    }
    if (!HasTable(db, QStringLiteral("SYS_Schema"))) {
        db.exec(QStringLiteral("create table SYS_Schema(application_id integer not null, user_version integer not null)"));
        db.exec(QStringLiteral("insert into SYS_Schema values(0, 0)"));
    }
    db.exec(QStringLiteral("update SYS_Schema set %1=%2").arg(QLatin1String(PragmaOf(stamp))).arg(value));
}

// What the server lacks of SQLite and the statements use: the case-insensitive text and
// round(x, digits) on floating point, rounding halves away from zero as SQLite does.
void PrepareServer(Database& db)
{
    if (db.engine() == Engine::Sqlite)
        return;
    db.exec(QStringLiteral("create extension if not exists citext"));
    db.exec(QStringLiteral("create or replace function round(double precision, integer) returns double precision "
                           "language sql immutable strict as "
                           "'select cast(round(cast($1 as numeric), $2) as double precision)'"));
}

void RunSteps(Database& db, int fromVersion)
{
    for (int v = fromVersion; v < SchemaVersion; ++v) {
        for (const char* s : Steps[v - 1])
            Run(db, QString::fromUtf8(s));
        if (v == 3)
            SetOpeningStockFromLines(db);
    }
    WriteStamp(db, Stamp::Version, SchemaVersion);
}

QString UserTableStatement()
{
    QStringList cols{QStringLiteral("UserName text collate nocase not null unique"),
                     QStringLiteral("UserPassword text collate nocase")};
    for (const char* name : PermissionNames)
        cols << QStringLiteral("%1 integer default 0").arg(QLatin1String(name));
    return QStringLiteral("create table SYS_User(%1)").arg(cols.join(QStringLiteral(", ")));
}

}  // namespace

void CreateSchema(Database& db)
{
    Transaction t(db);
    PrepareServer(db);
    for (const char* s : Statements)
        Run(db, QString::fromUtf8(s));
    Run(db, UserTableStatement());
    WriteStamp(db, Stamp::ApplicationId, SchemaApplicationId);
    RunSteps(db, 1);
    t.commit();
}

int StoredSchemaVersion(Database& db)
{
    return ReadStamp(db, Stamp::Version);
}

void UpgradeSchema(Database& db)
{
    const int version = ReadStamp(db, Stamp::Version);
    if (version >= SchemaVersion)
        return;
    Transaction t(db);
    RunSteps(db, version);
    t.commit();
}

bool IsQingLanDatabase(Database& db)
{
    try {
        const int version = ReadStamp(db, Stamp::Version);
        return ReadStamp(db, Stamp::ApplicationId) == SchemaApplicationId
            && version >= 1 && version <= SchemaVersion;
    } catch (const DbError&) {
        return false;  // not a database file at all
    }
}

DatabaseState InspectDatabase(Database& db, Inspection depth)
{
    const auto damaged = [](const DbError& e) {
        return e.text().contains(QLatin1String("malformed")) || e.text().contains(QLatin1String("corrupt"));
    };
    int version = 0;
    try {
        if (ReadStamp(db, Stamp::ApplicationId) != SchemaApplicationId)
            return DatabaseState::NotOurs;
        version = ReadStamp(db, Stamp::Version);
    } catch (const DbError& e) {
        return damaged(e) ? DatabaseState::Damaged : DatabaseState::NotOurs;
    }
    if (version > SchemaVersion)
        return DatabaseState::Newer;
    if (version < 1)
        return DatabaseState::NotOurs;
    // A server keeps its own pages whole; what the walks below look for is the file's.
    if ((depth == Inspection::Header && version == SchemaVersion) || db.engine() == Engine::Postgres)
        return DatabaseState::Usable;
    // A file of an older version is about to be changed by the upgrade: it is checked in full
    // instead of walked, since damage inside a page that the walks below step over would be
    // spread by the upgrade's writes and the file refused from then on. The full check reads
    // every page the walks would.
    if (version < SchemaVersion) {
        try {
            return db.scalar(QStringLiteral("PRAGMA integrity_check(1)")).toString() == u"ok"
                ? DatabaseState::Usable
                : DatabaseState::Damaged;
        } catch (const DbError& e) {
            if (damaged(e))
                return DatabaseState::Damaged;
        }
    }
    // count(*) reads every page of a table's tree; count(column) through an index reads every
    // page of that index (count(*) alone would take whichever index is smallest).
    // Names come from the file itself: quoted as identifiers, whatever they hold.
    const auto quoted = [](QString name) { return u'"' + name.replace(u'"', QStringLiteral("\"\"")) + u'"'; };
    QStringList walks;
    try {
        QSqlQuery objects = db.exec(QStringLiteral(
            "select type, name, tbl_name from sqlite_master where type in ('table','index') and rootpage > 0"));
        QVector<std::pair<QString, QString>> indexes;
        while (objects.next()) {
            const QString table = quoted(objects.value(2).toString());
            if (objects.value(0).toString() == u"table")
                walks << QStringLiteral("select count(*) from %1 not indexed").arg(table);
            else
                indexes.append({table, quoted(objects.value(1).toString())});
        }
        for (const auto& [table, index] : indexes) {
            QSqlQuery columns = db.exec(QStringLiteral("PRAGMA index_info(%1)").arg(index));
            if (columns.next() && !columns.value(2).isNull())
                walks << QStringLiteral("select count(%1) from %2 indexed by %3")
                             .arg(quoted(columns.value(2).toString()), table, index);
        }
    } catch (const DbError&) {
        return DatabaseState::Damaged;  // the schema itself cannot be read
    }
    for (const QString& walk : walks) {
        try {
            db.scalar(walk);
        } catch (const DbError& e) {
            if (damaged(e))
                return DatabaseState::Damaged;
        }
    }
    return DatabaseState::Usable;
}

bool IsEmptyDatabase(Database& db)
{
    if (db.engine() == Engine::Sqlite)
        return !db.scalar(QStringLiteral("select 1 from sqlite_master limit 1")).isValid();
    return !db.scalar(QStringLiteral("select 1 from information_schema.tables where table_schema = current_schema() limit 1"))
                .isValid();
}

void InsertBuiltInAdministrator(Database& db)
{
    QStringList cols{QStringLiteral("UserName"), QStringLiteral("UserPassword")};
    QStringList values{QStringLiteral(":UserName"), QStringLiteral(":UserPassword")};
    for (const char* name : PermissionNames) {
        cols << QLatin1String(name);
        values << QStringLiteral("1");
    }
    db.exec(QStringLiteral("insert into SYS_User(%1) values(%2)")
                .arg(cols.join(u','), values.join(u',')),
            {{QStringLiteral(":UserName"), QString::fromUtf8(BuiltInAdministrator)},
             {QStringLiteral(":UserPassword"), QString::fromUtf8(BuiltInAdministratorPassword)}});
}
