#pragma once

#include "RowSet.h"

#include <functional>

// What a report lays out: a master row set and, for master-detail reports, the lines of each
// master row (read while the pages are laid out).
struct ReportData {
    RowSet master;
    std::function<RowSet(int masterRow)> details;  // empty for single-dataset reports
};
