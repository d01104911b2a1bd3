#pragma once

// Shared pieces of the report data routines (internal to the report data library).

#include "Database.h"
#include "ReportDataset.h"

#include <QDate>
#include <QString>

// Runs a select and reads every row.
ReportDataset SelectRows(Database& db, const QString& sql, const SqlParams& params = {});

// A master dataset whose detail statement runs for each master row, its parameters (":dh")
// bound to the master row's fields of the same names. finish, when given, completes every
// detail dataset (for example with its margin column).
ReportData MasterDetail(Database& db, ReportDataset master, const QString& detailSql,
                        void (*finish)(ReportDataset&) = nullptr);

// Appends the margin column "lrr" computed from the named profit and amount columns of each row.
void AppendMarginColumn(ReportDataset& d, const QString& profit = QStringLiteral("LR"),
                        const QString& amount = QStringLiteral("ZJE"));

// The inclusive date range of a report on the in_date column of the given table alias ("" or
// "a."), with its parameters :from and :to.
QString DateCondition(const QString& alias = QString());
SqlParams DateParams(const QDate& from, const QDate& to);
