// A row set shown in a grid through its column table, and the totals read back from the grid.
#include "GridColumns.h"
#include "NumberText.h"

#include <QDate>
#include <QHeaderView>
#include <QTest>
#include <memory>

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

    // A column is as wide as its texts within bounds: never narrower than the width given, cut
    // beyond about thirty characters, and narrowed to its header when no row fills it.
    void columnsFitTheirTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("width");
        QTest::newRow("short text keeps the width given") << "北辰" << "given";
        QTest::newRow("long text is shown whole") << "济南市历下区海安空调冰箱批发有限公司" << "text";
        QTest::newRow("18-digit number is shown whole") << "370102199801011234" << "text";
        QTest::newRow("very long text is cut") << QString(40, QChar(0x6C49)) << "bound";
        QTest::newRow("empty column narrows to its header") << "" << "header";
    }

    void columnsFitTheirTexts()
    {
        QFETCH(QString, text);
        QFETCH(QString, width);
        const QVector<GridColumn> columns = {{{}, 10}, {QStringLiteral("名称"), 90, QStringLiteral("name")},
                                             {QStringLiteral("备注"), 80, QStringLiteral("other")}};
        RowSet rows;
        rows.columns = {"name", "other"};
        rows.rows = {{text, QStringLiteral("甲")}, {QString(), QStringLiteral("乙")}};
        StringGrid g;
        SetGridColumns(g, columns);
        FillGrid(g, rows, columns);
        const int shown = g.columnWidth(0);
        // The room the view itself wants for the texts.
        const int needed = static_cast<const QAbstractItemView&>(g).sizeHintForColumn(0);
        if (width == "given")
            QCOMPARE(shown, 90);
        else if (width == "text")
            QVERIFY2(shown >= needed && shown > 90, qPrintable(QString::number(shown)));
        else if (width == "bound")
            QVERIFY2(shown > 90 && shown < needed, qPrintable(QString::number(shown)));
        else
            QVERIFY2(shown < 90 && shown >= g.horizontalHeader()->fontMetrics().horizontalAdvance(QStringLiteral("名称")),
                     qPrintable(QString::number(shown)));
    }

    // An empty list shows its columns as given; a list of names keeps its column to its own width.
    void emptyListsAndNameListsKeepTheirWidths()
    {
        StringGrid g;
        SetGridColumns(g, Columns);
        FillGrid(g, RowSet{}, Columns);
        for (int c = 1; c < Columns.size() - 1; ++c)
            QCOMPARE(g.columnWidth(c - 1), Columns[c].width);
        std::unique_ptr<StringGrid> names(MakeNameList(nullptr, QStringLiteral("品牌"), 120));
        names->setDataRows({{QString(30, QChar(0x6C49))}});
        names->show();
        QCOMPARE(names->columnWidth(0), names->viewport()->width());
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

    // A filled grid reads its money from the values: the sum is still that of the texts read
    // back, halves and large amounts included.
    void moneySumIsThatOfTheTexts()
    {
        RowSet rows;
        rows.columns = {"LR"};
        double fromTexts = 0;
        Money centsOfTexts;
        for (double amount : {1.005, 2.675, -0.125, 0.015, 1e11 + 0.005, 9954.2, 1.0 / 3, -1e-9}) {
            rows.rows.append(QVector<QVariant>{amount});
            fromTexts += CellNumber(FormatMoney(amount));
            centsOfTexts += *ReadMoney(FormatMoney(amount));
        }
        StringGrid g;
        FillGrid(g, rows, Columns);
        QCOMPARE(ColumnSum(g, 3), fromTexts);
        QCOMPARE(MoneyColumnSum(g, 3).cents(), centsOfTexts.cents());
    }

    // A cell of a filled grid can be changed and rows added; the other cells stay as shown.
    void filledCellsCanBeChanged()
    {
        StringGrid g;
        FillGrid(g, Sample(), Columns);
        g.setCell(1, 2, QStringLiteral("海岳"));
        QCOMPARE(Row(g, 1), (QStringList{"1", "北辰", "3", "541.36", "1999.5", "2024-03-15", "", "12.5%"}));
        QCOMPARE(Row(g, 2), (QStringList{"2", "海岳", "", "-0.01", "0.3", "2024-03-01", "", "100%"}));
        g.setRowCount(4);
        QCOMPARE(g.cell(1, 1), QStringLiteral("北辰"));
        QCOMPARE(Row(g, 3), QStringList(Columns.size(), QString()));
    }
};

QTEST_MAIN(TestGridColumns)
#include "test_gridcolumns.moc"
