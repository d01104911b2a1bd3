// The customer, supplier and employee lookups.

#include "../app/AppFixture.h"
#include "ContactLookupForm.h"
#include "ContactTable.h"
#include "KeHuStore.h"
#include "ReportPreviewDialog.h"
#include "StringGrid.h"
#include "TestDb.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

QStringList Names(const RowSet& rows)
{
    QStringList names;
    for (int r = 0; r < rows.rowCount(); ++r)
        names << rows.rows[r][0].toString();
    return names;
}

QStringList GridNames(const StringGrid& grid)
{
    QStringList names;
    for (int r = 1; r < grid.rowCount(); ++r)
        names << grid.cell(1, r);
    return names;
}

}  // namespace

class TestContactLookups : public QObject {
    Q_OBJECT
private slots:
    // The text is a value: a quote, % and _ are searched for as they are.
    void searchMatchesTheTextAnywhere_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("part of a name") << "张" << QStringList{"张三", "老张家电"};
        QTest::newRow("letter case ignored") << "abc" << QStringList{"ABC商行"};
        QTest::newRow("a quote") << "O'N" << QStringList{"O'Neil"};
        QTest::newRow("percent") << "100%" << QStringList{"100%满意"};
        QTest::newRow("underscore") << "a_b" << QStringList{"a_b"};
        QTest::newRow("nothing matches") << "王" << QStringList{};
        QTest::newRow("empty: every row") << ""
                                          << QStringList{"张三", "老张家电", "ABC商行", "O'Neil", "100%满意", "a_b", "axb"};
    }
    void searchMatchesTheTextAnywhere()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, found);
        TestDb t;
        for (const char* name : {"张三", "老张家电", "ABC商行", "O'Neil", "100%满意", "a_b", "axb"}) {
            TKeHu k;
            k.KeHu = QString::fromUtf8(name);
            InsertKeHu(t.db, k);
        }
        QCOMPARE(Names(SearchContacts(t.db, KeHuTable(), text)), found);
    }

    void searchShowAllAndPrintWhatIsShown()
    {
        AppFixture f;
        TCX_KeHuForm w(f.ctx());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.SearchEdit->objectName(), QStringLiteral("KHEdit"));
        QVERIFY(w.SearchEdit->hasFocus());
        const QStringList all = GridNames(*w.contactGrid);
        QVERIFY(all.size() > 3);
        const QString some = all[1].left(1);
        w.SearchEdit->setText("  " + some + " ");
        QTest::keyClick(w.SearchEdit, Qt::Key_Return);  // the default button searches
        const QStringList found = GridNames(*w.contactGrid);
        QVERIFY(!found.isEmpty() && found.size() < all.size());
        for (const QString& n : found)
            QVERIFY(n.contains(some));
        QVERIFY(w.SearchEdit->hasSelectedText());

        // The preview opens on the rows shown.
        bool previewed = false;
        QObject scope;  // a timer still waiting when no dialog came up goes with this scope
        QTimer::singleShot(0, &scope, [&] {
            if (auto* preview = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget())) {
                previewed = true;
                preview->reject();
            }
        });
        w.BrowseButton->click();
        QVERIFY(previewed);
        QVERIFY(f.prompts.entries.isEmpty());

        QTest::mouseClick(w.ShowAllButton, Qt::LeftButton);
        QCOMPARE(GridNames(*w.contactGrid), all);
        QVERIFY(!w.SearchEdit->text().isEmpty());  // the box keeps its text
    }

    void supplierAndEmployeeLookups()
    {
        AppFixture f;
        TCX_GYSForm suppliers(f.ctx());
        QCOMPARE(suppliers.SearchEdit->objectName(), QStringLiteral("GYSEdit"));
        QCOMPARE(suppliers.contactGrid->colCount(), 13);
        QVERIFY(!suppliers.contactGrid->cell(1, 1).isEmpty());
        TCX_YGForm staff(f.ctx());
        QCOMPARE(staff.SearchEdit->objectName(), QStringLiteral("YGEdit"));
        QCOMPARE(staff.contactGrid->colCount(), 9);
        QVERIFY(QDate::fromString(staff.contactGrid->cell(7, 1), Qt::ISODate).isValid());
    }
};

QL_APP_TEST_MAIN(TestContactLookups)
#include "test_contactlookups.moc"
