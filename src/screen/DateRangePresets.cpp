#include "DateRangePresets.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace {

struct PresetName {
    DateRangePresets::Preset preset;
    const char* key;      // in the button's object name
    const char* caption;  // on the button
};

const PresetName Presets[] = {
    {DateRangePresets::Today, "today", "今天"},         {DateRangePresets::ThisWeek, "week", "本周"},
    {DateRangePresets::ThisMonth, "month", "本月"},     {DateRangePresets::LastMonth, "lastmonth", "上月"},
    {DateRangePresets::ThisYear, "year", "本年"},       {DateRangePresets::LastYear, "lastyear", "上年"},
};

}  // namespace

DateRangePresets::DateRangePresets(const Clock& clock, QDateEdit* from, QDateEdit* to, QWidget* parent)
    : QWidget(parent), m_clock(clock), m_from(from), m_to(to), m_hint(new QLabel(this))
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);
    for (const PresetName& p : Presets) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("Preset_%1").arg(QLatin1String(p.key)));
        button->setText(QString::fromUtf8(p.caption));
        button->setFocusPolicy(Qt::NoFocus);  // Tab walks the window's own controls
        connect(button, &QToolButton::clicked, this, [this, preset = p.preset] {
            choose(preset);
            emit rangeChosen();
        });
        row->addWidget(button);
    }
    m_hint->setObjectName(QStringLiteral("DateHintLabel"));
    m_hint->setText(QStringLiteral("起始日期晚于截止日期，列表为空"));
    m_hint->setStyleSheet(QStringLiteral("color: #c0392b;"));
    row->addWidget(m_hint);
    row->addStretch(1);
    connect(m_from, &QDateEdit::dateChanged, this, &DateRangePresets::updateHint);
    connect(m_to, &QDateEdit::dateChanged, this, &DateRangePresets::updateHint);
    updateHint();
}

std::pair<QDate, QDate> DateRangePresets::Range(Preset preset, QDate today)
{
    const QDate month(today.year(), today.month(), 1);
    switch (preset) {
    case Today:
        return {today, today};
    case ThisWeek: {
        const QDate monday = today.addDays(1 - today.dayOfWeek());
        return {monday, today};
    }
    case ThisMonth:
        return {month, today};
    case LastMonth:
        return {month.addMonths(-1), month.addDays(-1)};
    case ThisYear:
        return {QDate(today.year(), 1, 1), today};
    case LastYear:
        return {QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)};
    case None:
        break;
    }
    return {};
}

void DateRangePresets::choose(Preset preset)
{
    const auto [first, last] = Range(preset, today());
    if (!first.isValid())
        return;
    m_from->setDate(first);
    m_to->setDate(last);
}

DateRangePresets::Preset DateRangePresets::current() const
{
    for (const PresetName& p : Presets)
        if (Range(p.preset, today()) == std::pair(m_from->date(), m_to->date()))
            return p.preset;
    return None;
}

void DateRangePresets::updateHint()
{
    m_hint->setVisible(m_from->date() > m_to->date());
}
