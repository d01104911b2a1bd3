#pragma once

#include <QDate>
#include <QDateTime>

// The date and time the program goes by: the system's clock, or a moment it was stopped at.
// Every window and routine takes today's date from here (AppContext::today(), Database::clock()),
// so a test can set the day it runs on and work its expected dates out by hand.
class Clock {
public:
    QDate today() const { return now().date(); }
    QDateTime now() const { return m_fixed.isValid() ? m_fixed : QDateTime::currentDateTime(); }

    // Stops the clock at a moment; an invalid moment lets it run with the system's clock again.
    void setFixed(const QDateTime& moment) { m_fixed = moment; }

private:
    QDateTime m_fixed;
};
