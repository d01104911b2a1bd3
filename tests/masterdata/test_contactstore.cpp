// The customer, supplier and employee routines on a temporary database.

#include "AuditLog.h"
#include "ContactCombos.h"
#include "ContactTable.h"
#include "GongYingShangStore.h"
#include "KeHuStore.h"
#include "TestDb.h"
#include "YuanGongStore.h"

#include <QComboBox>
#include <QTest>

Q_DECLARE_METATYPE(const ContactTable*)

namespace {

// A row of the table with every column filled from the name.
QStringList Row(const ContactTable& t, const QString& name)
{
    QStringList values{name};
    for (qsizetype i = 1; i < t.columns.size(); ++i)
        values.append(t.columns[i] == QLatin1String("InDate") ? QStringLiteral("2024-03-01")
                                                               : name + u'-' + t.columns[i]);
    return values;
}

}  // namespace

class TestContactStore : public QObject {
    Q_OBJECT
private slots:
    void tables_data()
    {
        QTest::addColumn<const ContactTable*>("table");
        QTest::newRow("customers") << &KeHuTable();
        QTest::newRow("suppliers") << &GYSTable();
        QTest::newRow("employees") << &YuanGongTable();
    }

    // Add, find, overwrite, rename and delete through the shared routines, on names that hold
    // quotes and wildcard characters: each touches exactly its own row.
    void lifeCycle_data() { tables_data(); }
    void lifeCycle()
    {
        QFETCH(const ContactTable*, table);
        const ContactTable& t = *table;
        TestDb d;
        const QStringList names{QStringLiteral("O'Brien"), QStringLiteral("50%_x"), QStringLiteral("50a_x"),
                                QStringLiteral("a_b"), QStringLiteral("axb"), QStringLiteral("张三")};
        for (const QString& n : names)
            InsertContact(d.db, t, Row(t, n));
        QCOMPARE(ContactNames(d.db, t), names);
        QVERIFY(ContactExists(d.db, t, QStringLiteral("o'brien")));  // letter case ignored
        QVERIFY(!ContactExists(d.db, t, QStringLiteral("50")));
        QVERIFY(!ContactExists(d.db, t, QStringLiteral("a%")));
        QCOMPARE(ContactValues(d.db, t, QStringLiteral("50%_x")), Row(t, QStringLiteral("50%_x")));
        QVERIFY(ContactValues(d.db, t, QStringLiteral("李四")).isEmpty());

        // unchanged name: the other columns are overwritten
        QStringList edited = Row(t, QStringLiteral("a_b"));
        edited[1] = QStringLiteral("新");
        UpdateContact(d.db, t, QStringLiteral("a_b"), edited);
        QCOMPARE(ContactValues(d.db, t, QStringLiteral("a_b")), edited);
        QCOMPARE(ContactValues(d.db, t, QStringLiteral("axb")), Row(t, QStringLiteral("axb")));

        UpdateContact(d.db, t, QStringLiteral("O'Brien"), Row(t, QStringLiteral("O'Neil")));
        QVERIFY(!ContactExists(d.db, t, QStringLiteral("O'Brien")));
        QCOMPARE(ContactValues(d.db, t, QStringLiteral("O'Neil")), Row(t, QStringLiteral("O'Neil")));

        DeleteContact(d.db, t, QStringLiteral("50%_x"));
        DeleteContact(d.db, t, QStringLiteral("a_b"));
        QCOMPARE(ContactNames(d.db, t), (QStringList{QStringLiteral("O'Neil"), QStringLiteral("50a_x"),
                                                     QStringLiteral("axb"), QStringLiteral("张三")}));
    }

    // A second row of the same name (letter case ignored) is refused by the database.
    void duplicateNameRefused_data() { tables_data(); }
    void duplicateNameRefused()
    {
        QFETCH(const ContactTable*, table);
        TestDb d;
        InsertContact(d.db, *table, Row(*table, QStringLiteral("Haian")));
        InsertContact(d.db, *table, Row(*table, QStringLiteral("Gele")));
        QVERIFY_THROWS_EXCEPTION(DbError, InsertContact(d.db, *table, Row(*table, QStringLiteral("HAIAN"))));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 UpdateContact(d.db, *table, QStringLiteral("Gele"), Row(*table, QStringLiteral("haian"))));
        QCOMPARE(ContactNames(d.db, *table), (QStringList{QStringLiteral("Haian"), QStringLiteral("Gele")}));
    }

    // A rename and a deletion are written to the audit log with the operator, in the same
    // transaction as the change; an edit that keeps the name, or finds no row, writes nothing.
    void renamesAndDeletionsAudited_data() { tables_data(); }
    void renamesAndDeletionsAudited()
    {
        QFETCH(const ContactTable*, table);
        const ContactTable& t = *table;
        TestDb d;
        d.db.setOperator(QStringLiteral("店长"));
        InsertContact(d.db, t, Row(t, QStringLiteral("张三")));
        InsertContact(d.db, t, Row(t, QStringLiteral("O'Neil")));
        QStringList edited = Row(t, QStringLiteral("张三"));
        edited[1] = QStringLiteral("新");
        UpdateContact(d.db, t, QStringLiteral("张三"), edited);
        UpdateContact(d.db, t, QStringLiteral("李四"), Row(t, QStringLiteral("王五")));  // no such row
        QVERIFY(ReadAudit(d.db).isEmpty());

        UpdateContact(d.db, t, QStringLiteral("张三"), Row(t, QStringLiteral("张三丰")));
        DeleteContact(d.db, t, QStringLiteral("O'Neil"));
        DeleteContact(d.db, t, QStringLiteral("O'Neil"));  // gone already
        const QVector<AuditEntry> log = ReadAudit(d.db);
        QCOMPARE(log.size(), 2);
        QCOMPARE(log[0].operatorName, QStringLiteral("店长"));
        QCOMPARE(QStringList({log[0].action, log[0].object, log[0].before, log[0].after}),
                 QStringList({QStringLiteral("修改") + t.what, "张三", "张三", "张三丰"}));
        QCOMPARE(QStringList({log[1].action, log[1].object}), QStringList({QStringLiteral("删除") + t.what, "O'Neil"}));
        QVERIFY(log[1].before.startsWith(QStringLiteral("O'Neil / O'Neil-")));
        QVERIFY(log[1].after.isEmpty());

        // without its log entry the change is not kept either
        d.db.exec(QStringLiteral("alter table Log_Audit rename to Gone"));
        QVERIFY_THROWS_EXCEPTION(DbError, UpdateContact(d.db, t, QStringLiteral("张三丰"), Row(t, QStringLiteral("张三"))));
        QVERIFY_THROWS_EXCEPTION(DbError, DeleteContact(d.db, t, QStringLiteral("张三丰")));
        QCOMPARE(ContactNames(d.db, t), QStringList{QStringLiteral("张三丰")});
    }

    void customerLookup()
    {
        TestDb d;
        const TKeHu k{QStringLiteral("张三"), QStringLiteral("张先生"), QStringLiteral("13800000000"),
                      QStringLiteral("0571-1"), QStringLiteral("杭州市西湖路1号"), QStringLiteral("z@x.cn"),
                      QStringLiteral("老客户"), QStringLiteral("310000")};
        InsertKeHu(d.db, k);
        QVERIFY(KeHuExists(d.db, QStringLiteral("张三")));
        const TKeHu got = GetKeHu(d.db, QStringLiteral("张三"));
        QCOMPARE(QStringList({got.KeHu, got.LXR, got.phone, got.address}),
                 QStringList({k.KeHu, k.LXR, k.phone, k.address}));
        QVERIFY(got.FAX.isEmpty() && got.Email.isEmpty() && got.Remark.isEmpty() && got.yb.isEmpty());
        const TKeHu none = GetKeHu(d.db, QStringLiteral("李四"));
        QVERIFY(none.KeHu.isEmpty() && none.LXR.isEmpty() && none.phone.isEmpty() && none.address.isEmpty());

        TKeHu renamed = k;
        renamed.KeHu = QStringLiteral("张三丰");
        UpdateKeHu(d.db, QStringLiteral("张三"), renamed);
        QCOMPARE(d.db.scalar(QStringLiteral("select Email from Base_KeHu where KeHu='张三丰'")).toString(), k.Email);
        DeleteKeHu(d.db, QStringLiteral("张三丰"));
        QCOMPARE(d.count(QStringLiteral("Base_KeHu")), 0);
    }

    void supplierLookup()
    {
        TestDb d;
        TGongYingShang g{QStringLiteral("歌乐电器"), QStringLiteral("李经理"), QStringLiteral("0756-8"),
                         QStringLiteral("0756-9"), QStringLiteral("珠海市"), QStringLiteral("519000"),
                         QStringLiteral("g@gree.cn"), QStringLiteral("gree.cn"), QStringLiteral("中国银行"),
                         QStringLiteral("6217"), QStringLiteral("9144"), QStringLiteral("空调")};
        InsertGYS(d.db, g);
        QCOMPARE(d.db.scalar(QStringLiteral("select SH from Base_GongYingShang")).toString(), g.SH);
        const TGongYingShang got = GetGYS(d.db, QStringLiteral("歌乐电器"));
        QCOMPARE(QStringList({got.GYS, got.LXR, got.phone, got.address}),
                 QStringList({g.GYS, g.LXR, g.phone, g.address}));
        QVERIFY(got.KHH.isEmpty() && got.WZ.isEmpty());
        QVERIFY(GetGYS(d.db, QStringLiteral("美悦")).GYS.isEmpty());
        g.GYS = QStringLiteral("珠海歌乐");
        UpdateGYS(d.db, QStringLiteral("歌乐电器"), g);
        QVERIFY(GYSExists(d.db, QStringLiteral("珠海歌乐")) && !GYSExists(d.db, QStringLiteral("歌乐电器")));
        DeleteGYS(d.db, QStringLiteral("珠海歌乐"));
        QCOMPARE(d.count(QStringLiteral("Base_GongYingShang")), 0);
    }

    // The date of joining is stored as text yyyy-MM-dd, also after an edit.
    void employeeDates()
    {
        TestDb d;
        TYuanGong y{QStringLiteral("王芳"), QStringLiteral("女"), QStringLiteral("二十八"), QString(), QString(),
                    QStringLiteral("139"), QDate(2023, 1, 9), QString()};
        InsertYuanGong(d.db, y);
        QCOMPARE(d.db.scalar(QStringLiteral("select InDate from Base_YeYuYuan")).toString(),
                 QStringLiteral("2023-01-09"));
        QCOMPARE(d.db.scalar(QStringLiteral("select Age from Base_YeYuYuan")).toString(), y.Age);  // as typed
        y.InDate = QDate(2024, 12, 31);
        UpdateYuanGong(d.db, QStringLiteral("王芳"), y);
        QCOMPARE(d.db.scalar(QStringLiteral("select InDate from Base_YeYuYuan")).toString(),
                 QStringLiteral("2024-12-31"));
        QVERIFY(YuanGongExists(d.db, QStringLiteral("王芳")));
        DeleteYuanGong(d.db, QStringLiteral("王芳"));
        QVERIFY(!YuanGongExists(d.db, QStringLiteral("王芳")));
    }

    // Each list clears the box and its text, adds the names in the order they were added, and
    // picks none.
    void fillCombos()
    {
        TestDb d;
        const QStringList expected{QStringLiteral("赵六"), QStringLiteral("O'Hara"), QStringLiteral("钱七")};
        for (const QString& n : expected)
            for (const ContactTable* t : {&KeHuTable(), &GYSTable(), &YuanGongTable()})
                InsertContact(d.db, *t, Row(*t, n));
        for (auto fill : {&FillKeHuCombo, &FillGYSCombo, &FillYuanGongCombo}) {
            QComboBox box;
            box.setEditable(true);
            box.addItem(QStringLiteral("旧"));
            box.setEditText(QStringLiteral("typed"));
            fill(d.db, box);
            QStringList items;
            for (int i = 0; i < box.count(); ++i)
                items.append(box.itemText(i));
            QCOMPARE(items, expected);
            QVERIFY(box.currentText().isEmpty());
            QCOMPARE(box.currentIndex(), -1);
        }
    }
};

QTEST_MAIN(TestContactStore)
#include "test_contactstore.moc"
