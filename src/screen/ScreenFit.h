#pragma once

// Every window opens inside the available area of its screen: a window about to be shown that is
// larger than the area (less its title bar and borders) is made smaller, so that its buttons and
// totals stay on the screen and its grids scroll instead.

class QApplication;
class QWidget;

// Makes a window that is about to be shown fit the available area of its screen. The title bar
// and borders are those of the window once it has been shown, else those of the window it opens
// from (a window has no frame before its first showing).
void FitOnScreen(QWidget& window);

// Fits every window of the application as it is shown (installed once, by the application object).
void KeepWindowsOnScreen(QApplication& app);
