#include "StartUp.h"

#include "AppContext.h"
#include "LogForm.h"
#include "MainForm.h"

namespace {

void InitSystem(AppContext& context)
{
    QString reason;
    if (!context.InitSystem(&reason))
        context.prompts->message(nullptr, ConnectFailedText(reason));
}

}  // namespace

std::unique_ptr<TMainForm> StartUp(AppContext& context)
{
    InitSystem(context);
    {
        TLogForm login(context);
        if (login.exec() != QDialog::Accepted)
            return nullptr;
    }
    InitSystem(context);
    auto mainForm = std::make_unique<TMainForm>(context);
    mainForm->showMaximized();
    return mainForm;
}
