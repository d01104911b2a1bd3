#pragma once

#include <QChar>
#include <QString>

class QComboBox;
class QLineEdit;

// Key filters of number boxes: return the character to accept, or QChar() to refuse it.
// Backspace is QChar(8).
inline constexpr QChar Backspace = QChar(8);

// Digits and backspace; one decimal point while the box's text has none; nothing else.
QChar FloatKeyFilter(QChar key, const QLineEdit& box);
// Digits and backspace; a digit only while the text is shorter than five characters or a
// selection is being replaced.
QChar IntKeyFilter(QChar key, const QLineEdit& box);

// Puts a key filter on a box: typed characters the filter refuses never reach the box.
void InstallFloatKeyFilter(QLineEdit* box);
void InstallIntKeyFilter(QLineEdit* box);

// Index of the first item equal to text (letter case counts), -1 when none.
int ComboIndexOf(const QComboBox& combo, const QString& text);
