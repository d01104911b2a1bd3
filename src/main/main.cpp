#include "AppContext.h"
#include "Application.h"
#include "CommandLine.h"
#include "ExitBackup.h"
#include "MainForm.h"
#include "ProgramDir.h"
#include "RegisteredWindows.h"
#include "StartUp.h"

#include <QTextStream>

int main(int argc, char* argv[])
{
    if (argc > 1 && IsCommandLine({QString(), QString::fromLocal8Bit(argv[1])})) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        return RunCommandLine(app.arguments(), ProgramDir(), out, err);
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
