#pragma once

#include <QMainWindow>
#include <QPointer>

#include "DaoHangForm.h"

struct AppContext;
struct Command;
class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QPlainTextEdit;


// The main window: the menu bar of every command (enabled by the signed-in user's permission
// flags, once, when the window is made), the background picture, the brief-help panel on the
// right and the always-on-top navigator. Closing it ends the program.
#include "HelpForm.h"

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(AppContext& context, QWidget* parent = nullptr);

    QMenuBar* mainMenu = nullptr;
    QLabel* backgroundImage = nullptr;
    QFrame* helpPanel = nullptr;
    QLabel* helpStrip = nullptr;   // the strip that opens and closes the panel
    QLabel* UserStatusLabel = nullptr;  // status bar: the signed-in user
    QPlainTextEdit* helpMemo = nullptr;

    // The menu item of a command by its component name ("N30"), or nullptr.
    QAction* menuItem(const QString& name) const;
    // The open navigator, or nullptr when it is closed.
    TDaoHangForm* navigator() const { return m_navigator; }
    THelpForm* helpWindow() const { return m_help; }

    // Opens or closes the brief-help panel and stores the state in Set.ini.
    void ToggleBriefHelp();

    void openNavigator();  // 导航条: opens the navigator unless it is open
    void exitProgram();  // 退出
    void openHelp();  // 帮助
    void openCalculator();  // 计算器

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupUi();
    void ApplyPermissions();
    void CenterStrip();
    void SetPanelWidths(int panel, int memo);
    void RunCommand(const Command& command);

    AppContext& m_ctx;
    QPointer<TDaoHangForm> m_navigator;
    QPointer<THelpForm> m_help;
    bool m_shownOnce = false;
};

// The help document carried by the program, beside the executable.
inline constexpr const char* HelpFileName = "HOLMHelp.html";

// The calculator started by "计算器": the first of the usual desktop calculators found on the
// search path; empty when there is none.
QString FindCalculator();
