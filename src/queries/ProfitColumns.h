#pragma once

#include "GridColumns.h"

// The figures every profit list ends with (the rows of the profit report data routines):
// quantity, cost, amount, profit and the row's own margin text.
inline QVector<GridColumn> ProfitFigureColumns()
{
    return {{QStringLiteral("销售数量"), 70, QStringLiteral("ZSL"), GridFormat::Integer},
            {QStringLiteral("成本"), 90, QStringLiteral("ZCB"), GridFormat::Money},
            {QStringLiteral("销售金额"), 90, QStringLiteral("ZJE"), GridFormat::Money},
            {QStringLiteral("销售利润"), 90, QStringLiteral("LR"), GridFormat::Money},
            {QStringLiteral("销售毛利率"), 80, QStringLiteral("lrr")}};
}

// The employee performance list (the rows of PrepareBB_YGYJ).
inline QVector<GridColumn> YGYJColumns()
{
    return QVector<GridColumn>{{QString(), 10, {}},
                               {QStringLiteral("员工"), 90, QStringLiteral("yewuyuan")},
                               {QStringLiteral("产品类型"), 110, QStringLiteral("CPType")}}
           + ProfitFigureColumns();
}
