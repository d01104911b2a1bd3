#include "AppContext.h"

#include "TableExport.h"

namespace {

AppContext* ExportReporter = nullptr;  // the context made last

}  // namespace

AppContext::AppContext(QString programDir) : ProgramDir(programDir), DM(std::move(programDir))
{
    ExportReporter = this;
    SetExportFailureReport([](QWidget* window, const QString& text) {
        if (ExportReporter && ExportReporter->prompts)
            ExportReporter->prompts->error(window, text);
        else
            qWarning("%s", qPrintable(text));
    });
}

AppContext::~AppContext()
{
    if (ExportReporter == this)
        ExportReporter = nullptr;
}

void AppContext::ReadSettings()
{
    const Settings s = ::ReadSettings(ProgramDir);
    GsInfo = s.GsInfo;
    XSDPrintSet = s.XSDPrintSet;
    BriefHelp = s.BriefHelp;
    AutoBackupKeep = s.AutoBackupKeep;
}

bool AppContext::InitSystem(QString* error)
{
    ReadSettings();
    return DM.ConnectDB(error);
}
