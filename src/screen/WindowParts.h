#pragma once

// Building blocks of window layouts: controls made with their documented object names, and the
// right-aligned row of buttons at the foot of a dialog.

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <initializer_list>

// Gives a control its documented object name and returns it.
template <class W>
W* Named(W* widget, const char* objectName)
{
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// A push button that does not take Enter unless made the default.
QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption);

// A one-line edit; a password edit shows dots.
QLineEdit* MakeEdit(QWidget* parent, const char* objectName, bool password = false);

// A date box with its calendar, showing yyyy-MM-dd.
QDateEdit* MakeDateEdit(QWidget* parent, const char* objectName);

// "起始日期 [from]  截止日期 [to]" added to a window's row of query controls.
void AddDateRange(QHBoxLayout* row, QDateEdit* from, QDateEdit* to);

// The buttons in a row, pushed to the right.
QHBoxLayout* ButtonRow(std::initializer_list<QWidget*> buttons);
