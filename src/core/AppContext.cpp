#include "AppContext.h"

AppContext::AppContext(QString programDir) : ProgramDir(programDir), DM(std::move(programDir)) {}

AppContext::~AppContext() = default;

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
