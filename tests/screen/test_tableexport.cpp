// Export of what a grid shows: an .xlsx workbook read back cell by cell (Chinese text, numbers
// stored as numbers, dates as dates, a frozen header row) and a CSV file in UTF-8 with a BOM.
#include "FullDisk.h"
#include "GridColumns.h"
#include "TableExport.h"
#include "XlsxSheet.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileDialog>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QVector<GridColumn> Columns = {
    {QStringLiteral("序号"), 40, {}, GridFormat::RowNumber},
    {QStringLiteral("客户"), 120, QStringLiteral("KeHu")},
    {QStringLiteral("电话"), 90, QStringLiteral("phone")},
    {QStringLiteral("数量"), 50, QStringLiteral("shuliang"), GridFormat::Integer},
    {QStringLiteral("金额"), 70, QStringLiteral("jinE"), GridFormat::Money},
    {QStringLiteral("日期"), 80, QStringLiteral("in_date"), GridFormat::Date},
};

void Fill(StringGrid& g)
{
    RowSet s;
    s.columns = {"KeHu", "phone", "shuliang", "jinE", "in_date"};
    s.rows = {{QStringLiteral("北辰电器, \"城东\"店"), QStringLiteral("0571-8765"), 3, 1999.5, QStringLiteral("2024-03-15")},
              {QStringLiteral("雪峰家电"), QStringLiteral("013800"), -2, 541.360000000001, QDate(2024, 3, 1)}};
    FillGrid(g, s, Columns);
}

QVector<QStringList> Shown(const StringGrid& g)
{
    QVector<QStringList> rows;
    for (int r = 0; r < g.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < g.colCount(); ++c)
            cells << g.cell(c, r);
        rows << cells;
    }
    return rows;
}

QString SheetXml(const QString& path)
{
    return QString::fromUtf8(XlsxPart(path, QStringLiteral("xl/worksheets/sheet1.xml")));
}

}  // namespace

class TestTableExport : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

private slots:
    void xlsxHoldsWhatTheGridShows()
    {
        StringGrid g;
        g.setFixedCols(0);
        Fill(g);
        const QString path = m_dir.filePath(QStringLiteral("客户.xlsx"));
        QString error;
        QVERIFY2(WriteXlsx(GridExportTable(g), path, &error), qPrintable(error));
        QCOMPARE(ReadXlsxSheet(path), Shown(g));

        const QString xml = SheetXml(path);
        QVERIFY(xml.contains(QStringLiteral("ySplit=\"1\"")));  // the header row is frozen
        const auto cell = [&](const QString& ref) {
            return QRegularExpression(QStringLiteral("<c r=\"%1\"[^>]*>").arg(ref)).match(xml).captured(0);
        };
        QVERIFY(!cell("D3").contains(QStringLiteral("t=")));   // -2: a number
        QVERIFY(xml.contains(QStringLiteral("<v>541.36</v>")));  // money as shown, a number
        QVERIFY(xml.contains(QRegularExpression(QStringLiteral("<c r=\"F2\" s=\"\\d+\"><v>45366</v>"))));  // a date
        QVERIFY(cell("C3").contains(QStringLiteral("t=\"inlineStr\"")));  // "013800" stays text (written in place)
        QVERIFY(xml.contains(QStringLiteral("<col ")));          // column widths
    }

    // Money goes into the workbook as shown, to the cent: no binary noise from the writer's
    // sixteen digits; whole numbers (and the indexes of shared strings) are left alone.
    void xlsxMoneyHasNoBinaryNoise()
    {
        ExportTable t;
        t.header = {QStringLiteral("客户"), QStringLiteral("金额")};
        t.formats = {GridFormat::Text, GridFormat::Money};
        const QStringList amounts{"9954.2", "0.07", "99.99", "-12345678.9", "1500"};
        for (const QString& a : amounts)
            t.rows.append({QStringLiteral("雪峰家电"), a});
        const QString path = m_dir.filePath(QStringLiteral("money.xlsx"));
        QString error;
        QVERIFY2(WriteXlsx(t, path, &error), qPrintable(error));
        const QString xml = SheetXml(path);
        for (int r = 0; r < amounts.size(); ++r) {
            const QString cell = QRegularExpression(QStringLiteral("<c r=\"B%1\"[^>]*><v>([^<]*)</v>").arg(r + 2))
                                     .match(xml)
                                     .captured(1);
            QCOMPARE(cell, amounts[r]);
        }
        QVector<QStringList> shown{t.header};
        shown += t.rows;
        QCOMPARE(ReadXlsxSheet(path), shown);
    }

    void csvHoldsWhatTheGridShows()
    {
        StringGrid g;
        g.setFixedCols(0);
        Fill(g);
        const QString path = m_dir.filePath(QStringLiteral("客户.csv"));
        QString error;
        QVERIFY2(WriteCsv(GridExportTable(g), path, &error), qPrintable(error));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\xEF\xBB\xBF")
                                     + QStringLiteral("序号,客户,电话,数量,金额,日期\r\n"
                                                      "1,\"北辰电器, \"\"城东\"\"店\",0571-8765,3,1999.5,2024-03-15\r\n"
                                                      "2,雪峰家电,013800,-2,541.36,2024-03-01\r\n")
                                           .toUtf8());
    }

    // The empty row of an empty grid is not written; the fixed column goes with its header shown.
    void emptyGridWritesItsHeader()
    {
        StringGrid g;
        g.setColCount(3);
        g.setHeader({QStringLiteral("序号"), QStringLiteral("品牌"), QStringLiteral("数量")});
        ClearGrid(g);
        const ExportTable t = GridExportTable(g);
        QCOMPARE(t.header, (QStringList{"序号", "品牌", "数量"}));
        QVERIFY(t.rows.isEmpty());
        const QString path = m_dir.filePath(QStringLiteral("empty.xlsx"));
        QVERIFY(WriteXlsx(t, path, nullptr));
        QCOMPARE(ReadXlsxSheet(path), (QVector<QStringList>{{"序号", "品牌", "数量"}}));
    }

    // A list's empty fixed first column (no header, no cells) is not written.
    void emptyFixedColumnIsLeftOut()
    {
        StringGrid g;
        QCOMPARE(g.fixedCols(), 1);
        RowSet s;
        s.columns = {"KeHu", "jinE"};
        s.rows = {{QStringLiteral("雪峰家电"), 12.5}};
        FillGrid(g, s, {{QString(), 10, {}}, {QStringLiteral("客户"), 120, QStringLiteral("KeHu")},
                        {QStringLiteral("金额"), 70, QStringLiteral("jinE"), GridFormat::Money}});
        const ExportTable t = GridExportTable(g);
        QCOMPARE(t.header, (QStringList{"客户", "金额"}));
        QCOMPARE(t.rows, (QVector<QStringList>{{"雪峰家电", "12.5"}}));
        QCOMPARE(t.formats, (QVector<GridFormat>{GridFormat::Text, GridFormat::Money}));
    }

    void unwritableFileIsReported_data()
    {
        QTest::addColumn<bool>("xlsx");
        QTest::newRow("xlsx") << true;
        QTest::newRow("csv") << false;
    }

    void unwritableFileIsReported()
    {
        QFETCH(bool, xlsx);
        StringGrid g;
        Fill(g);
        const QString path = m_dir.filePath(QStringLiteral("no/such/folder/out"));
        QString error;
        QVERIFY(!(xlsx ? WriteXlsx : WriteCsv)(GridExportTable(g), path, &error));
        QVERIFY(error.contains(QStringLiteral("无法写入文件")));
    }

    // A grid's export that cannot be written is told through the export failure handler (which
    // start-up points at the prompt service), never in a box of its own; no file is left.
    void failedExportGoesToTheHandler_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("name");
        QTest::newRow("xlsx") << "ExportXlsxAction" << "list.xlsx";
        QTest::newRow("csv") << "ExportCsvAction" << "list.csv";
    }
    void failedExportGoesToTheHandler()
    {
        QFETCH(QString, action);
        QFETCH(QString, name);
        FullDisk disk(0);
        QVERIFY2(disk.ready(), qPrintable(disk.error()));
        StringGrid g;
        Fill(g);
        g.show();
        QStringList told;
        SetExportFailureHandler([&](QWidget* view, const QString& text) {
            QCOMPARE(view, &g);
            told << text;
        });
        const QString path = disk.filePath(name);
        QTimer::singleShot(0, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
        g.findChild<QAction*>(action)->trigger();
        SetExportFailureHandler({});
        QCOMPARE(told, QStringList{QStringLiteral("导出失败：无法写入文件 %1：磁盘空间不足").arg(path)});
        QCOMPARE(disk.files(), QStringList());
    }

    void notAWorkbookIsRefused()
    {
        const QString path = m_dir.filePath(QStringLiteral("text.xlsx"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a zip");
        file.close();
        QVERIFY_THROWS_EXCEPTION(DbError, ReadXlsxSheet(path));
    }
};

QTEST_MAIN(TestTableExport)
#include "test_tableexport.moc"
