#pragma once

#include <functional>

// Told how far a long maintenance operation has come: the steps (pages, tables, groups) done and
// the steps in all; told once more with done == total when it is complete. A window shows it in
// a progress window; the data routines know nothing of widgets.
using Progress = std::function<void(int done, int total)>;
