#pragma once

#include "GridColumns.h"

// The entries as the income and expense query shows them (the rows of ShouZhiRows).
inline QVector<GridColumn> ShouZhiColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("单号"), 110, QStringLiteral("dh")},
            {QStringLiteral("日期"), 90, QStringLiteral("in_date"), GridFormat::Date},
            {QStringLiteral("收支类型"), 80, QStringLiteral("type")},
            {QStringLiteral("收支项目"), 110, QStringLiteral("item")},
            {QStringLiteral("收支金额"), 90, QStringLiteral("jine"), GridFormat::Money},
            {QStringLiteral("备注"), 250, QStringLiteral("remark")}};
}
