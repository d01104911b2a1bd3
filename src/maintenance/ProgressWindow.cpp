#include "ProgressWindow.h"

#include <QWidget>

ProgressWindow::ProgressWindow(QWidget* parent, const QString& text) : m_dialog(text, QString(), 0, 100, parent)
{
    if (parent)
        m_dialog.setWindowTitle(parent->windowTitle());
    m_dialog.setWindowModality(Qt::WindowModal);
    m_dialog.setMinimumDuration(300);
    m_dialog.setAutoClose(false);
    m_dialog.setValue(0);
}

ProgressWindow::~ProgressWindow()
{
    m_dialog.reset();
}

Progress ProgressWindow::progress()
{
    return [this](int done, int total) { m_dialog.setValue(total > 0 ? done * 100 / total : 100); };
}
