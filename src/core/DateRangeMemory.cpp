#include "DateRangeMemory.h"

#include "DateRangePresets.h"
#include "Settings.h"

namespace {
const QString Section = QStringLiteral("DateRange");
}

void RestoreDateRange(const QString& programDir, const QString& window, DateRangePresets& presets)
{
    const QString state = IniFile(SettingsPath(programDir)).readString(Section, window);
    if (!state.isEmpty())
        presets.restore(state);
}

void SaveDateRange(const QString& programDir, const QString& window, const DateRangePresets& presets)
{
    IniFile ini(SettingsPath(programDir));
    const QString state = presets.state();
    if (ini.readString(Section, window) == state)
        return;
    ini.setString(Section, window, state);
    ini.save();  // a range that cannot be remembered is no loss worth a message
}
