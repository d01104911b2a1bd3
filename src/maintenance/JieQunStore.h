#pragma once

#include <QString>
#include <QVector>

class Database;

// One closing row of Log_JieQun.
struct TJieQun {
    QString JQM;
    double XSE = 0;       // sales amount
    double XSLR = 0;      // sales profit
    double Other_SR = 0;  // other income
    double Other_ZC = 0;  // other expense
    double BenQiLR = 0;   // profit of the period
    int ClearState = 1;   // 1 closed, 2 closed and cleared
};

// 0 no closing row, 1 closed with its data present, 2 closed and cleared.
int GetJieQunState(Database& db, const QString& key);

// Computes the month's row from its sales lines and income and expense entries and inserts it
// (ClearState 1). Sales amount = sum of line amounts; profit = amount less sum(CB x quantity);
// income = entries of type "收入", expense = every other entry. No value is rounded.
void MakeJieQun(Database& db, const QString& key);

void DeleteJieQun(Database& db, const QString& key);

// Closes a month again: deletes its row and computes it afresh, as one unit.
void ReMakeJieQun(Database& db, const QString& key);

// The rows of the months first..last (keys compared as text), in month order.
QVector<TJieQun> ListJieQun(Database& db, const QString& first, const QString& last);
