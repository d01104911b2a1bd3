#include "AppContext.h"
#include "Application.h"
#include "CommandLine.h"
#include "ExitBackup.h"
#include "MainForm.h"
#include "ProgramDir.h"
#include "RegisteredWindows.h"
#include "StartUp.h"

#include <QGuiApplication>
#include <QTextStream>
#include <memory>

namespace {

// Whether a window system can be reached: an X11 or Wayland display, or a platform named for Qt.
// Without one the windows cannot open, and a script is told so instead of the program aborting.
bool HasWindowSystem(int argc, char* argv[])
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0)
            return true;
    return false;
}

// Unattended work speaks through its own output and exit code: the toolkit's notes (a missing
// runtime folder of the windowless platform, ...) would only clutter a script's log.
void KeepToolkitNotesQuiet(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << text << Qt::endl;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (IsCommandLine(arguments)) {
        // No window system is needed: a PDF is painted on the windowless platform.
        qInstallMessageHandler(KeepToolkitNotesQuiet);
        std::unique_ptr<QCoreApplication> app;
        if (CommandLinePaints(arguments)) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        } else {
            app = std::make_unique<QCoreApplication>(argc, argv);
        }
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCommandLine(app->arguments(), ProgramDir(), out, err);
    }
    if (!HasWindowSystem(argc, argv)) {
        QTextStream(stderr) << "没有可用的图形界面(未设置 DISPLAY), 无法打开程序窗口。"
                               "不打开窗口的选项见 qinglan --help"
                            << Qt::endl;
        return 1;
    }
    QingLanApplication app(argc, argv);
    BoxPrompts prompts;
    app.setPrompts(&prompts);
    AppContext context(ProgramDir());
    context.prompts = &prompts;
    RegisterWindows();
    const std::unique_ptr<TMainForm> mainForm = StartUp(context);
    if (!mainForm)
        return 0;
    const int code = app.exec();
    BackupOnExit(context);
    return code;
}
