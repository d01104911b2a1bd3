#include "ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QScreen>
#include <QWidget>

namespace {

// The widths of a window's title bar and borders: its own once shown with a frame, else those of
// the window it opens from.
QMargins FrameMargins(const QWidget& window)
{
    for (const QWidget* w = &window; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
        const QRect frame = w->frameGeometry();
        const QRect inner = w->geometry();
        if (frame != inner)
            return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
                    frame.bottom() - inner.bottom()};
    }
    return {};
}

class WindowsOnScreen : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !event->spontaneous() && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            const Qt::WindowType type = widget->windowType();
            if (widget->isWindow() && (type == Qt::Window || type == Qt::Dialog))
                FitOnScreen(*widget);
        }
        return false;
    }
};

}  // namespace

void FitOnScreen(QWidget& window)
{
    if (window.windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QRect area = window.screen()->availableGeometry();
    const QMargins frame = FrameMargins(window);
    const QSize room = area.size() - QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    // A window placed by the program is moved in where it would stick out; dialogs are centred on
    // their parent inside the area by Qt when shown.
    if (window.testAttribute(Qt::WA_Moved)) {
        const QRect outer(window.pos(), size.grownBy(frame));  // a window's pos() is its frame's
        QPoint to = outer.topLeft();
        to.setX(std::max(area.left(), std::min(to.x(), area.right() + 1 - outer.width())));
        to.setY(std::max(area.top(), std::min(to.y(), area.bottom() + 1 - outer.height())));
        if (to != outer.topLeft())
            window.move(to);
    }
}

void KeepWindowsOnScreen(QApplication& app)
{
    app.installEventFilter(new WindowsOnScreen(&app));
}
