#include "StartUp.h"

#include "AppContext.h"
#include "LogForm.h"
#include "MainForm.h"

namespace {

void InitSystem(AppContext& context)
{
    if (!context.InitSystem())
        context.prompts->message(nullptr, QString::fromUtf8(ConnectFailedMessage));
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
