#include "WindowParts.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// Enter (or Return) on a focused button presses that button. Without this, a button that is not
// the dialog's default passes Enter on to the dialog, which presses the default button instead.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        auto* button = static_cast<QPushButton*>(watched);
        if (button->isEnabled())
            button->click();
        return true;
    }
};

}  // namespace

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = Named(new QPushButton(caption, parent), objectName);
    b->setAutoDefault(false);
    b->installEventFilter(new EnterPressesButton(b));
    return b;
}

QLineEdit* MakeEdit(QWidget* parent, const char* objectName, bool password)
{
    auto* e = Named(new QLineEdit(parent), objectName);
    if (password) {
        e->setEchoMode(QLineEdit::Password);
        e->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));  // "*"
    }
    return e;
}

QDateEdit* MakeDateEdit(QWidget* parent, const char* objectName)
{
    auto* d = Named(new QDateEdit(parent), objectName);
    d->setCalendarPopup(true);
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    return d;
}

void AddDateRange(QHBoxLayout* row, QDateEdit* from, QDateEdit* to)
{
    QWidget* parent = from->parentWidget();
    row->addWidget(new QLabel(QStringLiteral("起始日期"), parent));
    row->addWidget(from);
    row->addSpacing(8);
    row->addWidget(new QLabel(QStringLiteral("截止日期"), parent));
    row->addWidget(to);
}

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}
