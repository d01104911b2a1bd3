#include "Schema.h"

#include "Database.h"
#include "Ledger.h"
#include "Records.h"

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
};
static_assert(std::size(Steps) + 1 == SchemaVersion);

void RunSteps(Database& db, int fromVersion)
{
    for (int v = fromVersion; v < SchemaVersion; ++v) {
        for (const char* s : Steps[v - 1])
            db.exec(QString::fromUtf8(s));
        if (v == 3)
            SetOpeningStockFromLines(db);
    }
    db.exec(QStringLiteral("PRAGMA user_version=%1").arg(SchemaVersion));
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
    for (const char* s : Statements)
        db.exec(QString::fromUtf8(s));
    db.exec(UserTableStatement());
    db.exec(QStringLiteral("PRAGMA application_id=%1").arg(SchemaApplicationId));
    RunSteps(db, 1);
    t.commit();
}

void UpgradeSchema(Database& db)
{
    const int version = db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
    if (version >= SchemaVersion)
        return;
    Transaction t(db);
    RunSteps(db, version);
    t.commit();
}

bool IsQingLanDatabase(Database& db)
{
    try {
        const int version = db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
        return db.scalar(QStringLiteral("PRAGMA application_id")).toInt() == SchemaApplicationId
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
        if (db.scalar(QStringLiteral("PRAGMA application_id")).toInt() != SchemaApplicationId)
            return DatabaseState::NotOurs;
        version = db.scalar(QStringLiteral("PRAGMA user_version")).toInt();
    } catch (const DbError& e) {
        return damaged(e) ? DatabaseState::Damaged : DatabaseState::NotOurs;
    }
    if (version > SchemaVersion)
        return DatabaseState::Newer;
    if (version < 1)
        return DatabaseState::NotOurs;
    if (depth == Inspection::Header && version == SchemaVersion)
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
