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
// by one in place of the replaced text; a change it refuses is undone whole, the cursor back
// where it was. Full-width digits and points (also the Chinese full stop, what an input method
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
        qsizetype head = 0;
        while (head < after.size() && head < m_before.size() && after[head] == m_before[head])
            ++head;
        qsizetype tail = 0;
        while (tail < after.size() - head && tail < m_before.size() - head
               && after[after.size() - 1 - tail] == m_before[m_before.size() - 1 - tail])
            ++tail;
        const bool accepted = passes(head, m_before.size() - head - tail, after.mid(head, after.size() - head - tail));
        if (accepted && after == edited)
            return;
        const int cursor = accepted ? m_box->cursorPosition() : int(head);
        m_box->setText(accepted ? after : m_before);
        m_box->setCursorPosition(cursor);
        if (!accepted)
            TellRefused(m_box, m_note);
    }

    // Types inserted into a copy of the old text, over the replaced characters.
    bool passes(qsizetype at, qsizetype replaced, const QString& inserted)
    {
        m_probe.setText(m_before);
        m_probe.setSelection(int(at), int(replaced));
        for (QChar c : inserted) {
            if (m_filter(c, m_probe).isNull())
                return false;
            m_probe.insert(QString(c));
        }
        return true;
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
