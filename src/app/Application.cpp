#include "Application.h"

#include "Database.h"
#include "Prompts.h"

#include <exception>

QingLanApplication::QingLanApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("qinglan"));
    setApplicationVersion(QStringLiteral("3.0.6"));
}

bool QingLanApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        showError(e.text());
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void QingLanApplication::showError(const QString& text)
{
    if (m_prompts)
        m_prompts->error(activeWindow(), text);
    else
        qWarning("%s", qPrintable(text));
}
