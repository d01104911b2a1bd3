#pragma once

// The ten-year shop named by $QL_BENCH_DB (bench/run-all writes it) opened the way the program
// opens its data folder, for the benchmarks of windows: a temporary program folder whose
// Data/db.data links to the file, and a context connected to it. Opening writes nothing to the shop.

#include "AppContext.h"

#include <QTemporaryDir>
#include <memory>

struct TenYearShopContext {
    QTemporaryDir folder;  // the program folder, removed after the context is gone
    std::unique_ptr<AppContext> context;
};

// Null, with the reason printed, when $QL_BENCH_DB names no file or the file does not connect.
std::unique_ptr<TenYearShopContext> OpenTenYearShop();
