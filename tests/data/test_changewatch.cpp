// A connection hears of the changes other connections commit to the shop, not of its own, on a
// file and on a server, also after its connection was opened again.

#include "ChangeWatch.h"
#include "TestDb.h"

#include <QSignalSpy>
#include <QTest>

namespace {

void AddCustomer(Database& db, const QString& name)
{
    Transaction t(db);
    db.exec(QStringLiteral("insert into Base_KeHu(KeHu) values(:k)"), {{QStringLiteral(":k"), name}});
    t.commit();
}

// Long enough for a notice or a change of the file to be seen.
constexpr int Settle = 2 * ChangeWatch::PollMs + 500;

}  // namespace

class TestChangeWatch : public QObject {
    Q_OBJECT
private slots:
    void othersChangesAreHeard()
    {
        TestDb t;
        ChangeWatch watch(t.db);
        watch.poll();
        QSignalSpy heard(&watch, &ChangeWatch::changedElsewhere);
        Database other(QStringLiteral("other counter"));
        other.open(t.db.target());

        AddCustomer(t.db, QStringLiteral("本柜台的客户"));
        QTest::qWait(Settle);
        QCOMPARE(heard.count(), 0);

        AddCustomer(other, QStringLiteral("另一柜台的客户"));
        QTRY_VERIFY_WITH_TIMEOUT(heard.count() > 0, Settle);

        // A change that was rolled back is none.
        heard.clear();
        {
            Transaction undone(other);
            other.exec(QStringLiteral("delete from Base_KeHu"));
        }
        QTest::qWait(Settle);
        QCOMPARE(heard.count(), 0);
    }

    void connectionOpenedAgainStillHears()
    {
        TestDb t;
        ChangeWatch watch(t.db);
        watch.poll();
        const DatabaseTarget target = t.db.target();
        t.db.close();
        t.db.open(target);
        watch.poll();
        QSignalSpy heard(&watch, &ChangeWatch::changedElsewhere);
        Database other(QStringLiteral("other counter"));
        other.open(t.db.target());
        AddCustomer(other, QStringLiteral("另一柜台的客户"));
        QTRY_VERIFY_WITH_TIMEOUT(heard.count() > 0, Settle);
    }
};

QTEST_GUILESS_MAIN(TestChangeWatch)
#include "test_changewatch.moc"
