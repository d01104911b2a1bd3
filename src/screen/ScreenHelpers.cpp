#include "ScreenHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

namespace {

// The note of a refused key or change beside the box.
void TellRefused(QLineEdit* box, const QString& note)
{
    if (note.isEmpty())
        return;
    QApplication::beep();
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), note, box);
}

// Judges every change the user makes to a box's text however it came (input-method commits,
// paste, drops, keys): each inserted character must pass the box's key filter, as if typed one
// by one in place of the replaced text. A change with a character the filter refuses for what it
// is gets undone whole, the cursor back where it was; a change longer than the box has room for
// keeps what fits (the filter would take the next character in place of a selection, not after
// the text). Full-width digits and points (also the Chinese full stop, what an input method
// gives for ".") count as their ASCII forms. Text set by the program is not judged, so stored
// values are shown whole.
class ChangeRule : public QObject {
public:
    ChangeRule(QLineEdit* box, KeyFilter filter, QString note)
        : QObject(box), m_box(box), m_before(box->text()), m_filter(std::move(filter)), m_note(std::move(note))
    {
        connect(box, &QLineEdit::textEdited, this, &ChangeRule::judge);
        connect(box, &QLineEdit::textChanged, this, [this] { m_before = m_box->text(); });
    }

private:
    void judge(const QString& edited)
    {
        const QString after = AsciiNumberText(edited);
        const TextEdit edit = EditBetween(m_before, after);
        const qsizetype kept = typed(edit);
        if (kept == edit.inserted.size() && after == edited)
            return;
        if (kept < 0) {
            m_box->setText(m_before);
            m_box->setCursorPosition(int(edit.head));
            TellRefused(m_box, m_note);
            return;
        }
        const int cursor = kept == edit.inserted.size() ? m_box->cursorPosition() : int(edit.head + kept);
        m_box->setText(after.left(edit.head) + edit.inserted.left(kept) + after.right(edit.tail));
        m_box->setCursorPosition(cursor);
        if (kept < edit.inserted.size())
            TellRefused(m_box, m_note);
    }

    // How many inserted characters go in, typed into a copy of the old text over the replaced
    // characters: all, or those before the first one that finds no room (never half a pair);
    // -1 when a character is refused for what it is.
    qsizetype typed(const TextEdit& edit)
    {
        m_probe.setText(m_before);
        m_probe.setSelection(int(edit.head), int(edit.replaced));
        for (qsizetype i = 0; i < edit.inserted.size(); ++i) {
            const QChar c = edit.inserted[i];
            if (!m_filter(c, m_probe).isNull()) {
                m_probe.insert(QString(c));
                continue;
            }
            if (!takenInPlaceOfText(c))
                return -1;
            return i > 0 && edit.inserted[i].isLowSurrogate() ? i - 1 : i;
        }
        return edit.inserted.size();
    }

    // Whether the filter takes the character in place of the probe's whole text: then it was
    // refused only for want of room.
    bool takenInPlaceOfText(QChar c)
    {
        if (m_probe.text().isEmpty())
            return false;
        m_probe.selectAll();
        return !m_filter(c, m_probe).isNull();
    }

    QLineEdit* m_box;
    QString m_before;
    KeyFilter m_filter;
    QString m_note;
    QLineEdit m_probe;
};

// Applies a key filter to the characters typed into one box.
class KeyFilterObject : public QObject {
public:
    KeyFilterObject(QLineEdit* box, KeyFilter filter, QString note)
        : QObject(box), m_box(box), m_filter(std::move(filter)), m_note(std::move(note))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_box || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Backspace)
            return m_filter(Backspace, *m_box).isNull();
        const QString text = key->text();
        if (text.size() != 1 || !text[0].isPrint())
            return false;  // navigation, shortcuts and editing keys pass
        const bool refused = m_filter(text[0], *m_box).isNull();
        if (refused)
            TellRefused(m_box, m_note);
        return refused;
    }

private:
    QLineEdit* m_box;
    KeyFilter m_filter;
    QString m_note;
};

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

}  // namespace

QChar FloatKeyFilter(QChar key, const QLineEdit& box)
{
    if (IsDigit(key) || key == Backspace)
        return key;
    if (key == u'.' && !box.text().contains(u'.'))
        return key;
    return QChar();
}

QChar IntKeyFilter(QChar key, const QLineEdit& box)
{
    if (key == Backspace)
        return key;
    if (!IsDigit(key))
        return QChar();
    if (!box.hasSelectedText() && box.text().size() >= 5)
        return QChar();
    return key;
}

KeyFilter AcceptAlso(const QString& chars, KeyFilter next)
{
    return [chars, next = std::move(next)](QChar key, const QLineEdit& box) {
        return key != Backspace && chars.contains(key) ? key : next(key, box);
    };
}

KeyFilter LengthLimit(int length, KeyFilter next)
{
    return [length, next = std::move(next)](QChar key, const QLineEdit& box) {
        if (key != Backspace && !box.hasSelectedText() && box.text().size() >= length)
            return QChar();
        return next(key, box);
    };
}

void InstallKeyFilter(QLineEdit* box, KeyFilter filter, const QString& refused)
{
    new ChangeRule(box, filter, refused);
    box->installEventFilter(new KeyFilterObject(box, std::move(filter), refused));
}

TextEdit EditBetween(const QString& before, const QString& after)
{
    qsizetype head = 0;
    while (head < after.size() && head < before.size() && after[head] == before[head])
        ++head;
    qsizetype tail = 0;
    while (tail < after.size() - head && tail < before.size() - head
           && after[after.size() - 1 - tail] == before[before.size() - 1 - tail])
        ++tail;
    return {head, before.size() - head - tail, tail, after.mid(head, after.size() - head - tail)};
}

QString AsciiNumberText(QString text)
{
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u >= 0xFF10 && u <= 0xFF19)
            c = QChar(u'0' + (u - 0xFF10));
        else if (u == 0xFF0E || u == 0x3002)  // full-width point, Chinese full stop
            c = u'.';
    }
    return text;
}

void LimitLength(QLineEdit* box, int maxLength)
{
    InstallKeyFilter(box, LengthLimit(maxLength, [](QChar key, const QLineEdit&) { return key; }));
}

void InstallFloatKeyFilter(QLineEdit* box)
{
    InstallKeyFilter(box, &FloatKeyFilter, QStringLiteral("只能输入数字和一个小数点"));
}

void InstallIntKeyFilter(QLineEdit* box)
{
    InstallKeyFilter(box, &IntKeyFilter, QStringLiteral("只能输入数字"));
}

int ComboIndexOf(const QComboBox& combo, const QString& text)
{
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) == text)
            return i;
    return -1;
}
