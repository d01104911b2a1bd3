// A row set shown in a grid through its column table, and the totals read back from the grid.
#include "GridColumns.h"
#include "NumberText.h"

#include <QDate>
#include <QTest>

namespace {

const QVector<GridColumn> Columns = {
    {QStringLiteral("序号"), 40, {}, GridFormat::RowNumber},
    {QStringLiteral("品牌"), 90, QStringLiteral("PinPai")},
    {QStringLiteral("数量"), 50, QStringLiteral("shuliang"), GridFormat::Integer},
    {QStringLiteral("利润"), 70, QStringLiteral("LR"), GridFormat::Money},
    {QStringLiteral("单价"), 70, QStringLiteral("danjia"), GridFormat::Number},
    {QStringLiteral("日期"), 80, QStringLiteral("in_date"), GridFormat::Date},
    {QStringLiteral("备注"), 80, QStringLiteral("NoSuchField")},
    {QStringLiteral("毛利率"), 60, QStringLiteral("margin"), GridFormat::Percent},
};

RowSet Sample()
{
    RowSet s;
    s.columns = {"pinpai", "SHULIANG", "LR", "danjia", "in_date", "margin"};
    s.rows = {{QStringLiteral("北辰"), 3, 541.360000000001, 1999.5, QStringLiteral("2024-03-15"), 12.5},
              {QStringLiteral("雪峰"), QVariant(), -0.005, 0.1 + 0.2, QDate(2024, 3, 1), 100.0}};
    return s;
}

QStringList Row(const StringGrid& g, int r)
{
    QStringList cells;
    for (int c = 0; c < g.colCount(); ++c)
        cells << g.cell(c, r);
    return cells;
}

}  // namespace

class TestGridColumns : public QObject {
    Q_OBJECT
private slots:
    void fillShowsEachColumnInItsForm()
    {
        StringGrid g;
        SetGridColumns(g, Columns);
        FillGrid(g, Sample(), Columns);
        QCOMPARE(g.rowCount(), 3);
        QCOMPARE(Row(g, 0), (QStringList{"序号", "品牌", "数量", "利润", "单价", "日期", "备注", "毛利率"}));
        QCOMPARE(Row(g, 1), (QStringList{"1", "北辰", "3", "541.36", "1999.5", "2024-03-15", "", "12.5%"}));
        QCOMPARE(Row(g, 2), (QStringList{"2", "雪峰", "", "-0.01", "0.3", "2024-03-01", "", "100%"}));
        QCOMPARE(g.columnFormat(3), GridFormat::Money);
        QCOMPARE(g.columnFormat(9), GridFormat::Text);
    }

    // An empty row set keeps the header row and one empty data row; a second fill replaces the rows.
    void emptyRowSetLeavesOneEmptyRow()
    {
        StringGrid g;
        FillGrid(g, Sample(), Columns);
        FillGrid(g, RowSet{}, Columns);
        QCOMPARE(g.rowCount(), 2);
        QCOMPARE(Row(g, 1), QStringList(Columns.size(), QString()));
        QCOMPARE(g.cell(1, 0), QStringLiteral("品牌"));
    }

    void columnSumReadsTheCellsAsShown()
    {
        StringGrid g;
        FillGrid(g, Sample(), Columns);
        QCOMPARE(ColumnSum(g, 2), 3.0);                 // the empty cell counts as 0
        QCOMPARE(YuanText(ColumnSum(g, 3)), QStringLiteral("541.35 元"));
        QCOMPARE(YuanText(ColumnSum(g, 4)), QStringLiteral("1999.8 元"));
        QCOMPARE(ColumnSum(g, 1), 0.0);                 // names are no numbers
        FillGrid(g, RowSet{}, Columns);
        QCOMPARE(YuanText(ColumnSum(g, 3)), QStringLiteral("0 元"));
    }
};

QTEST_MAIN(TestGridColumns)
#include "test_gridcolumns.moc"
