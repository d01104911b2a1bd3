#include "MainForm.h"

#include "AppContext.h"
#include "Commands.h"
#include "DaoHangForm.h"
#include "HelpForm.h"
#include "ProgramDir.h"
#include "GuardedConnect.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTreeWidget>

namespace {

constexpr int PanelOpenWidth = 366;
constexpr int MemoOpenWidth = 347;
constexpr int StripWidth = PanelOpenWidth - MemoOpenWidth;
constexpr int AnimationStride = 100;  // intermediate widths are shown every this many pixels
const QPoint NavigatorPosition(20, 140);

QString StripText(bool open)
{
    const char* text = open ? ">>\r \r关\r闭\r使\r用\r说\r明\r \r>>" : "<<\r \r打\r开\r使\r用\r说\r明\r \r<<";
    return QString::fromUtf8(text).replace(u'\r', u'\n');
}

}  // namespace

QString FindCalculator()
{
    static const char* const Calculators[] = {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                              "qalculate-gtk", "qalculate-qt", "speedcrunch", "xcalc"};
    for (const char* name : Calculators) {
        const QString path = QStandardPaths::findExecutable(QLatin1String(name));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

TMainForm::TMainForm(AppContext& context, QWidget* parent) : QMainWindow(parent), m_ctx(context)
{
    setupUi();
    for (const Command& c : CommandTable())
        GuardedConnect(menuItem(c.name), &QAction::triggered, this, m_ctx, [this, &c] { RunCommand(c); });
    helpPanel->installEventFilter(this);
    helpStrip->installEventFilter(this);

    ApplyPermissions();
    UserStatusLabel->setText(QStringLiteral("当前用户：") + m_ctx.LoginUser.UserName);
    setWindowTitle(QStringLiteral("晴岚家电销售管理系统 V3.0.6"));
    helpStrip->setText(StripText(m_ctx.BriefHelp == 1));
    CenterStrip();
    if (m_ctx.BriefHelp == 1)
        SetPanelWidths(PanelOpenWidth, MemoOpenWidth);
    else
        SetPanelWidths(PanelOpenWidth - MemoOpenWidth, 0);
}

QAction* TMainForm::menuItem(const QString& name) const
{
    return mainMenu->findChild<QAction*>(name);
}

// Each command with a flag is enabled exactly when that flag of the signed-in user is 1.
void TMainForm::ApplyPermissions()
{
    for (const Command& c : CommandTable()) {
        if (c.flag.isEmpty())
            continue;
        const std::uint8_t* flag = m_ctx.LoginUser.flag(c.flag);
        menuItem(c.name)->setEnabled(flag && *flag == 1);
    }
}

void TMainForm::RunCommand(const Command& command)
{
    using Handler = void (TMainForm::*)();
    static const std::pair<const char*, Handler> Own[] = {
        {"N35", &TMainForm::openNavigator}, {"N38", &TMainForm::exitProgram},
        {"N49", &TMainForm::openHelp}, {"N53", &TMainForm::openCalculator}};
    for (const auto& [name, handler] : Own)
        if (command.name == QLatin1String(name)) {
            (this->*handler)();
            return;
        }
    if (command.opener)
        command.opener(m_ctx, this, command.kind);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        openNavigator();
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == helpPanel && event->type() == QEvent::Resize) {
        CenterStrip();
        helpMemo->resize(helpMemo->width(), helpPanel->height());
    } else if ((watched == helpPanel || watched == helpStrip) && event->type() == QEvent::MouseButtonPress) {
        ToggleBriefHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::CenterStrip()
{
    helpStrip->setGeometry(0, helpPanel->height() / 2 - helpStrip->sizeHint().height() / 2, StripWidth,
                        helpStrip->sizeHint().height());
}

void TMainForm::SetPanelWidths(int panel, int memo)
{
    helpPanel->setFixedWidth(panel);
    helpMemo->setGeometry(StripWidth, 0, memo, helpPanel->height());
    helpMemo->setVisible(memo > 0);
}

void TMainForm::ToggleBriefHelp()
{
    const auto showStep = [this](int panel, int memo) {
        SetPanelWidths(panel, memo);
        centralWidget()->layout()->activate();
        helpPanel->repaint();
    };
    if (m_ctx.BriefHelp == 1) {
        const int memo = helpMemo->width();
        const int panel = helpPanel->width();
        for (int step = 1; step <= memo; ++step)
            if (step % AnimationStride == 0)
                showStep(panel - step, memo - step);
        SetPanelWidths(panel - memo, 0);
        helpStrip->setText(StripText(false));
        m_ctx.BriefHelp = 0;
    } else {
        for (int step = 1; step <= MemoOpenWidth; ++step)
            if (step % AnimationStride == 0)
                showStep(step, step + 57);
        SetPanelWidths(PanelOpenWidth, MemoOpenWidth);
        helpStrip->setText(StripText(true));
        m_ctx.BriefHelp = 1;
    }
    WriteBriefHelp(m_ctx.ProgramDir, m_ctx.BriefHelp);  // a failure to write is not reported
}

void TMainForm::openNavigator()
{
    if (m_navigator)
        return;
    m_navigator = new TDaoHangForm(m_ctx, this);
    m_navigator->commandTree->clear();
    m_navigator->BuildNavigator(*mainMenu);
    m_navigator->move(NavigatorPosition);
    m_navigator->show();
}

void TMainForm::exitProgram()
{
    if (m_ctx.prompts->question(this, QStringLiteral("确定退出系统吗?")))
        close();
}

// The user guide in the program's own help window (one window, brought forward when open).
void TMainForm::openHelp()
{
    const QString path = ProgramFile(QLatin1String(HelpFileName));
    if (!QFileInfo::exists(path)) {
        m_ctx.prompts->message(this, QStringLiteral("找不到帮助文件 %1。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (!m_help)
        m_help = new THelpForm(path, this);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

void TMainForm::openCalculator()
{
    const QString calculator = FindCalculator();
    if (calculator.isEmpty() || !QProcess::startDetached(calculator, {}))
        m_ctx.prompts->message(
            this, QStringLiteral("没有找到计算器，若要使用此功能请在桌面的软件管理中安装一个计算器(如 gnome-calculator 或 kcalc)!"));
}
