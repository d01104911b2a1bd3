#pragma once

#include <QString>

// Breaks a long text into print lines of at most `width` bytes of the Chinese code page (a Chinese
// character counts two bytes), after an indent of four blanks. Lines are separated by two
// carriage returns. A character is never cut in two.
QString WrapText(const QString& text, int width);
