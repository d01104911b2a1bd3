// The quick choices beside a date range.

#include "DateRangePresets.h"

#include <QDateEdit>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

class TestDateRangePresets : public QObject {
    Q_OBJECT
private slots:
    void ranges_data()
    {
        QTest::addColumn<int>("preset");
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        // Seen from Thursday 2026-03-05.
        QTest::newRow("今天") << int(DateRangePresets::Today) << QDate(2026, 3, 5) << QDate(2026, 3, 5);
        QTest::newRow("本周") << int(DateRangePresets::ThisWeek) << QDate(2026, 3, 2) << QDate(2026, 3, 5);
        QTest::newRow("本月") << int(DateRangePresets::ThisMonth) << QDate(2026, 3, 1) << QDate(2026, 3, 5);
        QTest::newRow("上月 (February)") << int(DateRangePresets::LastMonth) << QDate(2026, 2, 1) << QDate(2026, 2, 28);
        QTest::newRow("本年") << int(DateRangePresets::ThisYear) << QDate(2026, 1, 1) << QDate(2026, 3, 5);
        QTest::newRow("上年") << int(DateRangePresets::LastYear) << QDate(2025, 1, 1) << QDate(2025, 12, 31);
    }
    void ranges()
    {
        QFETCH(int, preset);
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        const auto range = DateRangePresets::Range(DateRangePresets::Preset(preset), QDate(2026, 3, 5));
        QCOMPARE(range.first, first);
        QCOMPARE(range.second, last);
    }

    void lastMonthInJanuaryIsDecember()
    {
        const auto range = DateRangePresets::Range(DateRangePresets::LastMonth, QDate(2027, 1, 15));
        QCOMPARE(range.first, QDate(2026, 12, 1));
        QCOMPARE(range.second, QDate(2026, 12, 31));
    }

    void clickSetsBothBoxesAndSaysSo()
    {
        QWidget window;
        QDateEdit from(&window), to(&window);
        Clock clock;
        clock.setFixed(QDateTime(QDate(2026, 3, 5), QTime(10, 0)));
        DateRangePresets presets(clock, &from, &to, &window);
        QSignalSpy chosen(&presets, &DateRangePresets::rangeChosen);
        QTest::mouseClick(presets.findChild<QToolButton*>("Preset_lastmonth"), Qt::LeftButton);
        QCOMPARE(from.date(), QDate(2026, 2, 1));
        QCOMPARE(to.date(), QDate(2026, 2, 28));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(presets.current(), DateRangePresets::LastMonth);
    }

    void hintWhileFromIsAfterTo()
    {
        QWidget window;
        QDateEdit from(&window), to(&window);
        Clock clock;
        DateRangePresets presets(clock, &from, &to, &window);
        window.show();
        auto* hint = presets.findChild<QLabel*>("DateHintLabel");
        from.setDate(QDate(2026, 3, 1));
        to.setDate(QDate(2026, 3, 5));
        QVERIFY(!hint->isVisible());
        from.setDate(QDate(2026, 3, 6));
        QVERIFY(hint->isVisible());
    }
};

QTEST_MAIN(TestDateRangePresets)
#include "test_daterangepresets.moc"
