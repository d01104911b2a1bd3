#pragma once

// Gives every command of the main window whose window exists its opener (one call per window).
void RegisterWindows();
