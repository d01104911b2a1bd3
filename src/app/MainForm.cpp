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
    Panel1->installEventFilter(this);
    Label1->installEventFilter(this);

    ApplyPermissions();
    UserStatusLabel->setText(QStringLiteral("当前用户：") + m_ctx.LoginUser.UserName);
    setWindowTitle(QStringLiteral("晴岚家电销售管理系统 V3.0.6"));
    Label1->setText(StripText(m_ctx.BriefHelp == 1));
    CenterStrip();
    if (m_ctx.BriefHelp == 1)
        SetPanelWidths(PanelOpenWidth, MemoOpenWidth);
    else
        SetPanelWidths(PanelOpenWidth - MemoOpenWidth, 0);
}

QAction* TMainForm::menuItem(const QString& name) const
{
    return MainMenu1->findChild<QAction*>(name);
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
        {"N35", &TMainForm::N35Click}, {"N38", &TMainForm::N38Click},
        {"N49", &TMainForm::N49Click}, {"N53", &TMainForm::N53Click}};
    for (const auto& [name, handler] : Own)
        if (command.name == QLatin1String(name)) {
            (this->*handler)();
            return;
        }
    if (command.opener)
        command.opener(m_ctx, this, command.mode);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        N35Click();
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Panel1 && event->type() == QEvent::Resize) {
        CenterStrip();
        Memo1->resize(Memo1->width(), Panel1->height());
    } else if ((watched == Panel1 || watched == Label1) && event->type() == QEvent::MouseButtonPress) {
        ToggleBriefHelp();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::CenterStrip()
{
    Label1->setGeometry(0, Panel1->height() / 2 - Label1->sizeHint().height() / 2, StripWidth,
                        Label1->sizeHint().height());
}

void TMainForm::SetPanelWidths(int panel, int memo)
{
    Panel1->setFixedWidth(panel);
    Memo1->setGeometry(StripWidth, 0, memo, Panel1->height());
    Memo1->setVisible(memo > 0);
}

void TMainForm::ToggleBriefHelp()
{
    const auto showStep = [this](int panel, int memo) {
        SetPanelWidths(panel, memo);
        centralWidget()->layout()->activate();
        Panel1->repaint();
    };
    if (m_ctx.BriefHelp == 1) {
        const int memo = Memo1->width();
        const int panel = Panel1->width();
        for (int step = 1; step <= memo; ++step)
            if (step % AnimationStride == 0)
                showStep(panel - step, memo - step);
        SetPanelWidths(panel - memo, 0);
        Label1->setText(StripText(false));
        m_ctx.BriefHelp = 0;
    } else {
        for (int step = 1; step <= MemoOpenWidth; ++step)
            if (step % AnimationStride == 0)
                showStep(step, step + 57);
        SetPanelWidths(PanelOpenWidth, MemoOpenWidth);
        Label1->setText(StripText(true));
        m_ctx.BriefHelp = 1;
    }
    WriteBriefHelp(m_ctx.ProgramDir, m_ctx.BriefHelp);  // a failure to write is not reported
}

void TMainForm::N35Click()
{
    if (m_navigator)
        return;
    m_navigator = new TDaoHangForm(m_ctx, this);
    m_navigator->TreeView1->clear();
    m_navigator->BuildNavigator(*MainMenu1);
    m_navigator->move(NavigatorPosition);
    m_navigator->show();
}

void TMainForm::N38Click()
{
    if (m_ctx.prompts->question(this, QStringLiteral("确定退出系统吗?")))
        close();
}

// The user guide in the program's own help window (one window, brought forward when open).
void TMainForm::N49Click()
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

void TMainForm::N53Click()
{
    const QString calculator = FindCalculator();
    if (calculator.isEmpty() || !QProcess::startDetached(calculator, {}))
        m_ctx.prompts->message(
            this, QStringLiteral("没有找到计算器，若要使用此功能请在桌面的软件管理中安装一个计算器(如 gnome-calculator 或 kcalc)!"));
}
