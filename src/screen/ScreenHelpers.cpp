#include "ScreenHelpers.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// Applies a key filter to the characters typed into one box.
class KeyFilterObject : public QObject {
public:
    KeyFilterObject(QLineEdit* box, KeyFilter filter) : QObject(box), m_box(box), m_filter(std::move(filter)) {}

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
        return m_filter(text[0], *m_box).isNull();
    }

private:
    QLineEdit* m_box;
    KeyFilter m_filter;
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

void InstallKeyFilter(QLineEdit* box, KeyFilter filter)
{
    box->installEventFilter(new KeyFilterObject(box, std::move(filter)));
}

void InstallFloatKeyFilter(QLineEdit* box)
{
    InstallKeyFilter(box, &FloatKeyFilter);
}

void InstallIntKeyFilter(QLineEdit* box)
{
    InstallKeyFilter(box, &IntKeyFilter);
}

int ComboIndexOf(const QComboBox& combo, const QString& text)
{
    for (int i = 0; i < combo.count(); ++i)
        if (combo.itemText(i) == text)
            return i;
    return -1;
}
