#pragma once

#include "GridColumns.h"

#include <initializer_list>

// The figures every profit list ends with (the rows of the profit report data routines):
// quantity, cost, amount, profit and the row's own margin. word heads the captions of all
// but the cost ("销售" gives "销售数量", "成本", "销售金额", ...).
inline QVector<GridColumn> ProfitFigureColumns(const QString& word = {})
{
    return {{word + QStringLiteral("数量"), 70, QStringLiteral("ZSL"), GridFormat::Integer},
            {QStringLiteral("成本"), 90, QStringLiteral("ZCB"), GridFormat::Money},
            {word + QStringLiteral("金额"), 90, QStringLiteral("ZJE"), GridFormat::Money},
            {word + QStringLiteral("利润"), 90, QStringLiteral("LR"), GridFormat::Money},
            {word + QStringLiteral("毛利率"), 80, QStringLiteral("margin"), GridFormat::Percent}};
}

// A grouped profit list: the empty fixed column, the grouping columns, then the figures.
inline QVector<GridColumn> ProfitGroupColumns(std::initializer_list<GridColumn> groups)
{
    return QVector<GridColumn>{{QString(), 10, {}}} + QVector<GridColumn>(groups) + ProfitFigureColumns();
}

// The employee performance list (the rows of PrepareBB_YGYJ).
inline QVector<GridColumn> YGYJColumns()
{
    return QVector<GridColumn>{{QString(), 10, {}},
                               {QStringLiteral("员工"), 90, QStringLiteral("yewuyuan")},
                               {QStringLiteral("产品类型"), 110, QStringLiteral("CPType")}}
           + ProfitFigureColumns(QStringLiteral("销售"));
}

// The sales documents of the profit window (the master rows of PrepareBB_CXXSLR_XSD).
inline QVector<GridColumn> XSLRDanColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("单号"), 110, QStringLiteral("dh")},
            {QStringLiteral("日期"), 85, QStringLiteral("in_date"), GridFormat::Date},
            {QStringLiteral("客户"), 150, QStringLiteral("KeHu")},
            {QStringLiteral("业务员"), 70, QStringLiteral("yewuyuan")},
            {QStringLiteral("数量"), 50, QStringLiteral("shuliang"), GridFormat::Integer},
            {QStringLiteral("成本"), 90, QStringLiteral("cb"), GridFormat::Money},
            {QStringLiteral("金额"), 90, QStringLiteral("jinE"), GridFormat::Money},
            {QStringLiteral("利润"), 90, QStringLiteral("LR"), GridFormat::Money},
            {QStringLiteral("毛利率"), 80, QStringLiteral("margin"), GridFormat::Percent}};
}

// The lines of one sales document with their cost, profit and margin (its detail rows).
inline QVector<GridColumn> XSLRDanLineColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("品牌"), 110, QStringLiteral("PinPai")},
            {QStringLiteral("产品"), 120, QStringLiteral("chanpin")},
            {QStringLiteral("型号/规格"), 150, QStringLiteral("guige")},
            {QStringLiteral("单价"), 80, QStringLiteral("danjia"), GridFormat::Money},
            {QStringLiteral("数量"), 50, QStringLiteral("ShuLiang"), GridFormat::Integer},
            {QStringLiteral("成本"), 90, QStringLiteral("zcb"), GridFormat::Money},
            {QStringLiteral("金额"), 90, QStringLiteral("jinE"), GridFormat::Money},
            {QStringLiteral("利润"), 90, QStringLiteral("LR"), GridFormat::Money},
            {QStringLiteral("毛利率"), 80, QStringLiteral("margin"), GridFormat::Percent}};
}
