#pragma once

// A small database for report tests, telling on the points where reports go wrong: returns,
// a goods line with amount 0, a document with amount 0, a first profit group with amount 0, a
// margin of half a per cent, a customer whose name holds a quote, open and settled accounts.
//
// Goods (Log_KuCun, in insertion order; brand / product / spec, opening stock, average cost):
//   北辰 / 北辰挂机空调 / KFR-26GW/BC1   20  2000      class 空调
//   北辰 / 北辰挂机空调 / KFR-35GW/BC1   10  2500      class 空调
//   北辰 / 北辰液晶电视 / BC-55U7        10  3000      class 电视
//   北辰 / 北辰加湿器   / BC-JS01        10   100      class 小家电 (given away at price 0)
//   雪峰 / 雪峰三门冰箱 / BCD-256TF      10  1800      class 冰箱
//   雪峰 / 雪峰冷柜     / BD-200          3  1000      class 冰箱 (no movement)
//   北辰 / 北辰冷柜     / BD-200          2  1100      class 冰箱 (no movement)
// Purchases are made at the average cost, so the average costs never change; stock at the end:
// KFR-26GW/BC1 24, KFR-35GW/BC1 8, BC-55U7 9, BC-JS01 7, BCD-256TF 14, the two BD-200 3 and 2.
//
// Customers: 张建国 (13905310211), 李秀英 (13805312687), 明湖宾馆 (0531-86112233),
// 13号商铺 (0531-80000000), 老周's电器行 (15900002468). Salespeople: 王磊, 赵丽.
// Suppliers: 北辰电器销售公司, 雪峰家电省代理.
//
// Sales documents (figures as entered; returns are stored negated), line cost = average cost:
//   xs240228001 2024-02-28 张建国   王磊  BC-55U7 1×3400                       owed 0
//   xs240301001 2024-03-01 张建国   王磊  KFR-26GW/BC1 2×2500, BC-55U7 2×3500  12000, owed 0
//   xs240305001 2024-03-05 李秀英   赵丽  BCD-256TF 1×1809 (profit 9: ".50%")   owed 809
//   xs240310001 2024-03-10 老周's电器行 王磊 KFR-35GW/BC1 2×3000, BC-JS01 1×0    6000, owed 4000,
//               receipt 1000 on 2024-03-12 → owed 3000
//   xs240315001 2024-03-15 13号商铺 赵丽  KFR-26GW/BC1 2×2600                  owed 5200
//   xs240316001 2024-03-16 明湖宾馆 赵丽  BC-JS01 2×0 (document amount 0)      owed 0
//   xt240320001 2024-03-20 张建国   王磊  return KFR-26GW/BC1 2×2500           owed 0
//   xt240321001 2024-03-21 13号商铺 赵丽  return KFR-26GW/BC1 1×2600           owed 0
//   xt240322001 2024-03-22 明湖宾馆 赵丽  return BC-55U7 1×3500                owed -3500
// Purchase documents:
//   cg240302001 2024-03-02 北辰电器销售公司 KFR-26GW/BC1 5×2000, BC-55U7 2×3000  16000, owed
//               10000, payment 4000 on 2024-03-20 → owed 6000
//   cg240306001 2024-03-06 雪峰家电省代理   BCD-256TF 5×1800                      owed 0
//   ct240325001 2024-03-25 北辰电器销售公司 return BC-55U7 1×3000                owed -3000
// Income and expense: sz240308001 2024-03-08 收入 安装费收入 200; sz240331001 2024-03-31 支出
// 房租 3000. Monthly closing: 202402 (sales 3400, profit 400, closed).
//
// March 2024 by goods item, in list order (one group has amount 0):
//   KFR-26GW/BC1 ZSL 1 ZCB 2000 ZJE 2600 → "23.08%"; KFR-35GW/BC1 2 5000 6000 → "16.67%";
//   北辰加湿器 BC-JS01 3 300 0 → "100.00%"; BC-55U7 1 3000 3500 → "14.29%"; BCD-256TF → ".50%".

#include "TestDb.h"

#include <QDate>

class Database;

// The first and last day of the fixture's busy month.
inline const QDate FixtureMonthFirst{2024, 3, 1};
inline const QDate FixtureMonthLast{2024, 3, 31};

// Fills an open database that has the schema and nothing else.
void BuildReportFixture(Database& db);

// A fresh database filled with the fixture, in a temporary folder or on the tests' server.
struct ReportFixture : TestDb {
    ReportFixture() : TestDb(TestEngine, &BuildReportFixture) {}
};
