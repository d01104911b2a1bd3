#include "Money.h"
#include "NumberText.h"
#include "WrapText.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QTest>

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void roundFloat_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("up") << 10.00666 << 10.01;
        QTest::newRow("negative") << -10.00666 << -10.01;
        QTest::newRow("half up") << 0.125 << 0.13;
        QTest::newRow("half away from zero") << -0.125 << -0.13;
        QTest::newRow("half held below its value") << 1.005 << 1.01;
        QTest::newRow("negative half held below") << -1.005 << -1.01;
        QTest::newRow("average cost at a half") << (1 * 12.33 + 3 * 2.31) / 4 << 4.82;
        QTest::newRow("just below a half") << 1.00499 << 1.0;
        QTest::newRow("whole") << 7.0 << 7.0;
        QTest::newRow("32-bit limit") << 21474836.47 << 21474836.47;
        QTest::newRow("beyond 32 bits") << 21474836.475 << 21474836.48;
        QTest::newRow("large money") << 98765432.105 << 98765432.11;
        QTest::newRow("large negative") << -500000000.004 << -500000000.0;
        QTest::newRow("hundred billions below a half") << 123456789012.344 << 123456789012.34;
    }
    void roundFloat()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(RoundFloat(2, x), expected);
    }

    void roundFloatScale()
    {
        QCOMPARE(RoundFloat(1, 2.25), 2.3);
        QCOMPARE(RoundFloat(0, 2.25), 2.3);  // one decimal for any n of 1 or less
        QCOMPARE(RoundFloat(3, 1.0005), 1.001);
    }

    void formatGeneral_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1500.0 << "1500";
        QTest::newRow("fraction") << 12.5 << "12.5";
        QTest::newRow("cents") << 110.05 << "110.05";
        QTest::newRow("negative") << -200.0 << "-200";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("no separator") << 1234567.89 << "1234567.89";
        QTest::newRow("float noise hidden") << 0.1 + 0.2 << "0.3";
    }
    void formatGeneral()
    {
        QFETCH(double, x);
        QFETCH(QString, text);
        QCOMPARE(FormatGeneral(x), text);
        QCOMPARE(ReadNumber(text).value(), x == 0 ? 0.0 : x);
    }

    void readNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12.5" << true << 12.5;
        QTest::newRow("blanks") << "  30 " << true << 30.0;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("point only") << "." << false << 0.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("text") << "abc" << false << 0.0;
        QTest::newRow("comma is no decimal point") << "1,5" << false << 0.0;
    }
    void readNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(double, value);
        const auto v = ReadNumber(text);
        QCOMPARE(v.has_value(), valid);
        if (valid)
            QCOMPARE(*v, value);
        QCOMPARE(CellNumber(text), value);
    }

    void formatYuan()
    {
        QCOMPARE(YuanText(100.005), QStringLiteral("100.01 元"));
        QCOMPARE(YuanText(0.1 + 0.2), QStringLiteral("0.3 元"));
    }

    void money_data()
    {
        QTest::addColumn<double>("yuan");
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 1500.0 << qint64(150000) << "1500";
        QTest::newRow("binary residue") << 0.1 + 0.2 << qint64(30) << "0.3";
        QTest::newRow("half a cent up") << 1.005 << qint64(101) << "1.01";
        QTest::newRow("half a cent of a debt") << -2.675 << qint64(-268) << "-2.68";
        QTest::newRow("below half a cent") << 0.004 << qint64(0) << "0";
        QTest::newRow("a hundred billion") << 100000000000.01 << qint64(10000000000001) << "100000000000.01";
    }
    // Money holds whole cents: a double comes in rounded to the cent (halves away from zero), and
    // goes out as the double of exactly those cents.
    void money()
    {
        QFETCH(double, yuan);
        QFETCH(qint64, cents);
        QFETCH(QString, text);
        const Money m = Money::fromYuan(yuan);
        QCOMPARE(m.cents(), cents);
        QCOMPARE(FormatMoney(m), text);
        QCOMPARE(Money::fromYuan(m.yuan()), m);
        QCOMPARE(ReadMoney(text), std::optional<Money>(m));
    }

    // A total of cents is the same in any order of addition; the doubles it replaces were not.
    void moneySumsInAnyOrder()
    {
        const double parts[] = {0.1, 0.7, 1e8, 0.2, 12.34, 0.06};
        double forward = 0, backward = 0;
        Money up, down;
        for (int i = 0; i < 6; ++i) {
            forward += parts[i];
            backward += parts[5 - i];
            up += Money::fromYuan(parts[i]);
            down += Money::fromYuan(parts[5 - i]);
        }
        QVERIFY(forward != backward);
        QCOMPARE(up, down);
        QCOMPARE(up.cents(), qint64(10000001340));
        QVERIFY(!ReadMoney(QStringLiteral(".")));
    }

    void moneyShares_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("share");
        // (6 x 108.45 + 4 x 87.33) / 10 = 100.002: the moving average cost of a return undone.
        QTest::newRow("below half a cent") << qint64(100002) << qint64(10) << qint64(10000);
        QTest::newRow("exact") << qint64(150000) << qint64(15) << qint64(10000);
        QTest::newRow("half a cent up") << qint64(1001) << qint64(2) << qint64(501);
        QTest::newRow("half a cent of a debt") << qint64(-1001) << qint64(2) << qint64(-501);
        QTest::newRow("over a negative stock") << qint64(1001) << qint64(-2) << qint64(-501);
        QTest::newRow("thirds") << qint64(65067) << qint64(6) << qint64(10845);
    }
    // A share of an amount (the average cost over a quantity) comes to the cent, halves away from
    // zero, as the doubles it replaces were rounded.
    void moneyShares()
    {
        QFETCH(qint64, cents);
        QFETCH(qint64, count);
        QFETCH(qint64, share);
        QCOMPARE(Money::fromCents(cents).dividedBy(count).cents(), share);
        QCOMPARE(Money::fromCents(cents).dividedBy(count), Money::fromYuan(double(cents) / 100 / double(count)));
    }

    void moneyLiterals()
    {
        QCOMPARE((1999.5_yuan).cents(), qint64(199950));
        QCOMPARE((0.07_yuan).cents(), qint64(7));
        QCOMPARE((-349.32_yuan).cents(), qint64(-34932));
        QCOMPARE((30_yuan).cents(), qint64(3000));
        QCOMPARE((129.99_yuan * 3).cents(), qint64(38997));
    }

    // 100 characters of the GB2312 range at width 90: 4 blanks + 43 characters, then 45, then 12.
    void wrapChinese()
    {
        QString text;
        for (int i = 0; i < 100; ++i)
            text += QChar(0x4E00 + (i % 20) * 7 + 0x100);  // common characters, all in GB2312
        QStringEncoder gbk("GB18030");
        QCOMPARE(QByteArray(gbk(text)).size(), 200);
        const QStringList pieces = WrapText(text, 90).split(QStringLiteral("\r\r"));
        QCOMPARE(pieces.size(), 3);
        QCOMPARE(pieces[0], QStringLiteral("    ") + text.left(43));
        QCOMPARE(pieces[1], text.mid(43, 45));
        QCOMPARE(pieces[2], text.mid(88));
        QVERIFY(!WrapText(text, 90).endsWith(u'\r'));
    }

    // With ASCII at the cut the piece is one byte short; a character starting at the cut is never
    // split: it goes to the next line.
    void wrapMixed_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("pieces");
        QTest::newRow("ascii") << QString(12, u'a')
                               << QStringList{QStringLiteral("    aaaaa"), QStringLiteral("aaaaaaa")};
        QTest::newRow("character at the cut") << QStringLiteral("abcde中文字")
                                              << QStringList{QStringLiteral("    abcde"), QStringLiteral("中文字")};
        QTest::newRow("short") << QStringLiteral("中") << QStringList{QStringLiteral("    中")};
    }
    void wrapMixed()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, pieces);
        QCOMPARE(WrapText(text, 10).split(QStringLiteral("\r\r")), pieces);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"
