#pragma once

#include <QString>

class DateRangePresets;

// The last date range a window listed, kept in Set.ini (section "DateRange", one key per window):
// a preset is kept by name and reckoned from today when the window opens again, any other range
// by its dates. A window without a remembered range keeps its own opening range.
void RestoreDateRange(const QString& programDir, const QString& window, DateRangePresets& presets);
void SaveDateRange(const QString& programDir, const QString& window, const DateRangePresets& presets);
