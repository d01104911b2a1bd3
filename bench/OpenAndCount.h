#pragma once

// Opening a window on the ten-year shop over and over, as one benchmark of window opening: the
// rows its grid then lists (less the heading row) are reported under the given counter's name.

#include "AppContext.h"
#include "StringGrid.h"

#include <benchmark/benchmark.h>

template <class Form, auto Grid>  // Grid: the grid member, of Form or of a base of it
void OpenAndCount(benchmark::State& state, AppContext& context, const char* counter)
{
    int rows = 0;
    for (auto _ : state) {
        Form form(context);
        rows = (form.*Grid)->rowCount() - 1;
    }
    state.counters[counter] = rows;
}
