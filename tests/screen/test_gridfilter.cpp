// Find as you type: the filter box above a list grid.

#include "GridFilter.h"
#include "StringGrid.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class TestGridFilter : public QObject {
    Q_OBJECT
private slots:
    void filterNarrowsTheGrid()
    {
        StringGrid grid;
        grid.setColCount(2);
        grid.setFixedCols(0);
        QLineEdit box;
        GridFilter filter(&grid, &box, {0, 1});
        QSignalSpy selected(&grid, &StringGrid::rowSelected);
        QSignalSpy filtered(&filter, &GridFilter::filtered);
        filter.setRows({{"空调", "13800000001"}, {"冰箱", "13900000002"}, {"O'Neil", "010-1"}});
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(grid.row(), 1);

        box.setText("KT");  // pinyin initials
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(0, 1), QStringLiteral("空调"));
        box.setText("调");
        QCOMPARE(grid.cell(0, 1), QStringLiteral("空调"));
        box.setText("0002");  // second column: contains
        QCOMPARE(grid.cell(0, 1), QStringLiteral("冰箱"));
        box.setText("'n");
        QCOMPARE(grid.cell(0, 1), QStringLiteral("O'Neil"));
        box.setText("zzz");  // nothing: one empty row
        QCOMPARE(grid.rowCount(), 2);
        QCOMPARE(grid.cell(0, 1), QString());
        box.clear();
        QCOMPARE(grid.rowCount(), 4);
        QCOMPARE(filtered.count(), 6);
        QCOMPARE(selected.count(), 0);
    }
};

QTEST_MAIN(TestGridFilter)
#include "test_gridfilter.moc"
