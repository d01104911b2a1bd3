#pragma once

#include <QDate>
#include <QString>
#include <QVector>

class Database;

// The figures behind the trend chart of the sales profit window, from the sales lines dated in
// a range (returns counted with their stored signs, as on the other pages). Amounts and profits
// are brought to the cent; profit is the amount less the cost recorded at sale (CB × quantity).

struct MonthProfit {
    QDate month;  // the first day of the month
    double amount = 0;
    double profit = 0;
};

struct RankedProfit {
    QString name;
    double amount = 0;
    double profit = 0;
};

// Every month that the range touches, in order, months without sales with 0; empty when "from"
// lies after "to".
QVector<MonthProfit> MonthlyProfit(Database& db, const QDate& from, const QDate& to);

enum class ProfitRanking { PinPai, ChanPin };

// The brands (or product names, over every brand) with the highest profit in the range, highest
// first, at most count of them; equal profits in Chinese order of the name.
QVector<RankedProfit> TopProfit(Database& db, ProfitRanking by, const QDate& from, const QDate& to,
                                int count = 10);
