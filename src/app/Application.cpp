#include "Application.h"

#include "Database.h"
#include "Prompts.h"
#include "TableExport.h"
#include "ScreenFit.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <exception>

QingLanApplication::QingLanApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("qinglan"));
    setApplicationVersion(QStringLiteral("3.0.6"));
    // The program speaks Chinese whatever the system's locale: calendar pop-ups, dates and Qt's
    // own texts (edit menus, standard dialogs, when the translations are installed). File
    // dialogs are Qt's own, so they follow too instead of the desktop's language.
    const QLocale chinese(QLocale::Chinese, QLocale::SimplifiedHanScript, QLocale::China);
    QLocale::setDefault(chinese);
    setAttribute(Qt::AA_DontUseNativeDialogs);
    auto* translator = new QTranslator(this);
    if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    KeepWindowsOnScreen(*this);
}

void QingLanApplication::setPrompts(Prompts* prompts)
{
    m_prompts = prompts;
    SetExportFailureHandler([this](QWidget* view, const QString& text) {
        if (m_prompts)
            m_prompts->error(view->window(), text);
    });
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
