#pragma once

#include "Clock.h"

#include <QDate>
#include <QString>
#include <QWidget>

class QDateEdit;
class QLabel;

// The row of quick choices beside a date range: 今天, 本周, 本月, 上月, 本年, 上年. A click sets
// both date boxes of the window (which keeps its own documented pickers) and says so with
// rangeChosen(), so the window can list at once. The ranges are reckoned from the clock's today. A hint shows while the "from" date lies after
// the "to" date (the list is then empty).
class DateRangePresets : public QWidget {
    Q_OBJECT
public:
    enum Preset { None = -1, Today, ThisWeek, ThisMonth, LastMonth, ThisYear, LastYear };

    DateRangePresets(const Clock& clock, QDateEdit* from, QDateEdit* to, QWidget* parent = nullptr);

    // The first and last day of a preset, seen from `today`.
    static std::pair<QDate, QDate> Range(Preset preset, QDate today);

    void choose(Preset preset);
    // The preset whose range the boxes hold now (None for any other range).
    Preset current() const;


signals:
    void rangeChosen();

private:
    void updateHint();
    QDate today() const { return m_clock.today(); }

    const Clock& m_clock;
    QDateEdit* m_from;
    QDateEdit* m_to;
    QLabel* m_hint;
};
