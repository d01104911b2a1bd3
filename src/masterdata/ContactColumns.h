#pragma once

#include "GridColumns.h"

// Columns 1 to n of the customer, supplier and employee lists, shared by the list windows and
// the contact lookups (column 0 is a narrow empty one).
QVector<GridColumn> KeHuColumns();
QVector<GridColumn> GYSColumns();
QVector<GridColumn> YuanGongColumns();
