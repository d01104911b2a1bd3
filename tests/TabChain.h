#pragma once

// Keyboard order checks for windows.

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <initializer_list>

// From the focused control, Tab goes to each control of `chain` in turn.
inline void TabGoesThrough(std::initializer_list<QWidget*> chain)
{
    for (QWidget* next : chain) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

// Tab from `first` goes round the window back to it, each control either below the one before
// or right of it on the same row (a date box's own sections are passed over).
inline void TabReadsInLayoutOrder(QWidget* first)
{
    QWidget* window = first->window();
    const auto centre = [window](QWidget* w) { return w->mapTo(window, w->rect().center()); };
    first->setFocus();
    QWidget* previous = first;
    for (int i = 0; i < 200; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        QVERIFY(now);
        if (now == first)
            return;
        if (now == previous)
            continue;
        const QPoint a = centre(previous), b = centre(now);
        QVERIFY2(b.y() > a.y() + 8 || (std::abs(b.y() - a.y()) <= 8 && b.x() > a.x()),
                 qPrintable(previous->objectName() + QStringLiteral(" → ") + now->objectName()));
        previous = now;
    }
    QFAIL("Tab never came back to the first control");
}
