#include "Application.h"

#include "Database.h"
#include "Prompts.h"
#include "ScreenFit.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

QingLanApplication::QingLanApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("qinglan"));
    setApplicationVersion(QStringLiteral("3.0.6"));
    // Qt's own texts (edit menus, standard dialogs) in Chinese, when the translations are installed.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    KeepWindowsOnScreen(*this);
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
