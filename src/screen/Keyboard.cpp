#include "Keyboard.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

class EnterFocusFilter : public QObject {
public:
    EnterFocusFilter(QWidget* from, QWidget* to) : QObject(from), m_to(to) {}

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
            return false;
        if (m_to)
            m_to->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QPointer<QWidget> m_to;
};

}  // namespace

void EnterMovesFocus(QWidget* from, QWidget* to)
{
    from->installEventFilter(new EnterFocusFilter(from, to));
}
