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

ProgressWindow::ProgressWindow(QWidget* parent, const QString& text, std::function<void()> cancel)
    : m_dialog(text, QStringLiteral("取消"), 0, 0, parent)
{
    if (parent)
        m_dialog.setWindowTitle(parent->windowTitle());
    m_dialog.setWindowModality(parent ? Qt::WindowModal : Qt::ApplicationModal);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    QObject::connect(&m_dialog, &QProgressDialog::canceled, &m_dialog, std::move(cancel), Qt::SingleShotConnection);
}

ProgressWindow::~ProgressWindow()
{
    m_dialog.reset();
}

Progress ProgressWindow::progress()
{
    return [this](int done, int total) { m_dialog.setValue(total > 0 ? done * 100 / total : 100); };
}

void ProgressWindow::show()
{
    m_dialog.show();
}
