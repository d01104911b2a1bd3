#include "WindowParts.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption)
{
    auto* b = Named(new QPushButton(caption, parent), objectName);
    b->setAutoDefault(false);
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

QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QWidget* b : buttons)
        row->addWidget(b);
    return row;
}
