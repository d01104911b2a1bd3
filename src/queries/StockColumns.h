#pragma once

#include "GridColumns.h"

// The stock list as the stock query shows it (the rows of PrepareBB_CXKC).
inline QVector<GridColumn> KuCunColumns()
{
    return {{QString(), 10, {}},
            {QStringLiteral("品牌"), 110, QStringLiteral("PinPai")},
            {QStringLiteral("产品"), 130, QStringLiteral("ChanPin")},
            {QStringLiteral("型号/规格"), 160, QStringLiteral("GuiGe")},
            {QStringLiteral("数量"), 70, QStringLiteral("ShuLiang"), GridFormat::Integer},
            {QStringLiteral("平均成本"), 90, QStringLiteral("PJCB"), GridFormat::Money},
            {QStringLiteral("最后进价"), 90, QStringLiteral("NewCB"), GridFormat::Money},
            {QStringLiteral("总成本"), 110, QStringLiteral("zcb"), GridFormat::Money}};
}
