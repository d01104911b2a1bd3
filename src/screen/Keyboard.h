#pragma once

class QWidget;

// "Enter moves the focus to ...": a carriage return (either Enter key) typed into `from` moves
// the focus to `to` as Tab would (a box's text is selected) and goes no further, so it never
// presses the window's default button. Other keys are untouched.
void EnterMovesFocus(QWidget* from, QWidget* to);
