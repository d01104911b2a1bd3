#pragma once

#include <QChar>
#include <QString>
#include <functional>

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

// A key filter: the character to accept, or QChar() to refuse it.
using KeyFilter = std::function<QChar(QChar key, const QLineEdit& box)>;

// Filters put together: the characters of `chars` are always accepted, at any position; every
// other key goes through `next`. AcceptAlso(u"-", FloatKeyFilter) is a money box that also takes
// a minus sign.
KeyFilter AcceptAlso(const QString& chars, KeyFilter next);
// While nothing is selected and the box holds `length` characters, every key but backspace is
// refused; other keys go through `next`. LengthLimit(4, IntKeyFilter) is a year box.
KeyFilter LengthLimit(int length, KeyFilter next);

// Puts a key filter on a box: typed characters the filter refuses never reach the box. Text that
// arrives any other way (input-method commits, paste, drops) meets the same filter, character by
// character; full-width digits and points (and the Chinese full stop) count as ASCII. A change
// with a refused character is refused whole, but a change longer than the box's limit is cut to
// the limit and keeps what fits. Text the program sets is shown whole, unfiltered.
// `refused` is the note shown beside the box (with a beep) whenever a key or a change is refused,
// so that nothing typed is dropped without a word; none when it is empty.
void InstallKeyFilter(QLineEdit* box, KeyFilter filter, const QString& refused = QString());
// Number boxes, with their notes "只能输入数字和一个小数点" and "只能输入数字".
void InstallFloatKeyFilter(QLineEdit* box);
void InstallIntKeyFilter(QLineEdit* box);

// One edit of a text: `replaced` characters after the first `head` gave way to `inserted`, the
// last `tail` stayed.
struct TextEdit {
    qsizetype head = 0;
    qsizetype replaced = 0;
    qsizetype tail = 0;
    QString inserted;
};
// The edit that turns before into after, taken as one run of changed characters.
TextEdit EditBetween(const QString& before, const QString& after);

// Full-width digits, the full-width point and the Chinese full stop turned into ASCII.
QString AsciiNumberText(QString text);

// Limits what the user can type, paste or commit into a box to maxLength characters (a longer
// paste is cut to the limit). Unlike QLineEdit::setMaxLength it never cuts a longer text the
// program sets: a stored value is shown and kept whole, and may only get shorter when edited.
void LimitLength(QLineEdit* box, int maxLength);

// Index of the first item equal to text (letter case counts), -1 when none.
int ComboIndexOf(const QComboBox& combo, const QString& text);
