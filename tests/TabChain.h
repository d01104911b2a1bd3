#pragma once

// Keyboard order checks for windows.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <initializer_list>

// From the focused control, Tab goes to each control of `chain` in turn.
inline void TabGoesThrough(std::initializer_list<QWidget*> chain)
{
    for (QWidget* next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}
