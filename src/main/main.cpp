#include "AppContext.h"
#include "Application.h"
#include "MainForm.h"
#include "ProgramDir.h"
#include "RegisteredWindows.h"
#include "StartUp.h"

int main(int argc, char* argv[])
{
    QingLanApplication app(argc, argv);
    BoxPrompts prompts;
    app.setPrompts(&prompts);
    AppContext context(ProgramDir());
    context.prompts = &prompts;
    RegisterWindows();
    const std::unique_ptr<TMainForm> mainForm = StartUp(context);
    return mainForm ? app.exec() : 0;
}
