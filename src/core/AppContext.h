#pragma once

#include "ChangeWatch.h"
#include "DataModule.h"
#include "Prompts.h"
#include "Records.h"
#include "Settings.h"

#include <QString>
#include <cstdint>

// What every window is handed: the program folder, the data module with its connection, the
// settings read from Set.ini, the signed-in user and the prompt service.
struct AppContext {
    explicit AppContext(QString programDir);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    QString ProgramDir;
    TDM DM;
    // Tells the open windows when another counter changed the shop (RefreshOffer).
    ChangeWatch changes{DM.db()};
    TGsInfo GsInfo;
    TXSDPrintSet XSDPrintSet;
    std::uint8_t BriefHelp = 1;
    int AutoBackupKeep = 10;
    TUser LoginUser;
    Prompts* prompts = nullptr;  // set by start-up (message boxes) or by a test (recorder)

    Database& db() { return DM.db(); }

    // Today's date and the time by the program's clock (the connection's, which the audit log
    // uses too); tests stop it at a day of their choosing with clock().setFixed(...).
    Clock& clock() { return DM.db().clock(); }
    QDate today() { return clock().today(); }
    QDateTime now() { return clock().now(); }

    // Reads every key of Set.ini into the settings above.
    void ReadSettings();
    // ReadSettings, then ConnectDB; false (with the reason) when the connection failed.
    bool InitSystem(QString* error = nullptr);
};
