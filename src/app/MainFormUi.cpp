// Layout of the main window: menu bar from the command table, background picture, brief-help
// panel.
#include "MainForm.h"

#include "Commands.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QStringList>

namespace {

// The brief help: {leading blanks, text} per line.
constexpr std::pair<int, const char*> BriefHelpLines[] = {
    {0, "简要说明:"},
    {0, ""},
    {4, "《晴岚家电销售管理系统》是家电行业类的进销存管理软"},
    {0, "件,适用于中小型家电类商贸公司，以及家电零售商场。"},
    {0, ""},
    {4, "本系统带有演示数据，若您是新用户可通过演示数据来熟悉"},
    {0, "系统的各项功能。"},
    {2, ""},
    {4, "在正式开始使用本系统时，应先使用\"资料配置\"中的\"系统"},
    {0, "初始化\"功能清空系统演示数据，再进入\"资料配置\"中配置好各"},
    {0, "项资料(包括现有的商品资料,营业收支项目,员工,供应商,客户"},
    {0, ",企业信息)后开始正式使用。当然在使用过程中若有新的资料"},
    {0, "也可随时添加。"},
    {0, ""},
    {4, "若商品种类很多要拿出一段充裕的时间来进行配置,为了以"},
    {0, "后使用方便最好将现有的商品资料都配置完后再开始业务处理。"},
    {0, ""},
    {4, "为了方便用户使用，系统提供了两种操作模式，用户可通过"},
    {0, "主窗口上方的菜单栏来操作系统的各项功能，也可通过主窗口左"},
    {0, "方的导航条来操作。 "},
    {0, ""},
    {0, ""},
    {0, "注：更加详细的使用说明请查看\"帮助\""},
};

}  // namespace

// The background picture lives in the library's resources (must be called outside a namespace).
static void InitResources()
{
    Q_INIT_RESOURCE(qinglan);
}

void TMainForm::setupUi()
{
    InitResources();
    setObjectName(QStringLiteral("MainForm"));
    resize(1024, 700);

    mainMenu = new QMenuBar(this);
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    setMenuBar(mainMenu);
    QMenu* menu = nullptr;
    for (const Command& c : CommandTable()) {
        if (c.menu.isEmpty()) {
            QAction* bar = mainMenu->addAction(c.caption);
            bar->setObjectName(c.name);
            continue;
        }
        if (!menu || menu->title() != c.menu)
            menu = mainMenu->addMenu(c.menu);
        if (c.separatorBefore)
            menu->addSeparator();
        QAction* item = menu->addAction(c.caption);
        item->setObjectName(c.name);
    }

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(client);
    auto* row = new QHBoxLayout(client);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    backgroundImage = new QLabel(client);
    backgroundImage->setObjectName(QStringLiteral("Image1"));
    backgroundImage->setPixmap(QPixmap(QStringLiteral(":/background.jpg")));
    backgroundImage->setScaledContents(true);
    backgroundImage->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    row->addWidget(backgroundImage, 1);

    helpPanel = new QFrame(client);
    helpPanel->setObjectName(QStringLiteral("Panel1"));
    helpPanel->setFrameShape(QFrame::StyledPanel);
    helpPanel->setAutoFillBackground(true);
    QPalette strip = helpPanel->palette();
    strip.setColor(QPalette::Window, QColor(0xdc, 0xe7, 0xf4));
    helpPanel->setPalette(strip);
    helpPanel->setCursor(Qt::PointingHandCursor);
    row->addWidget(helpPanel);

    UserStatusLabel = new QLabel(this);
    UserStatusLabel->setObjectName(QStringLiteral("UserStatusLabel"));
    statusBar()->addWidget(UserStatusLabel);

    helpStrip = new QLabel(helpPanel);
    helpStrip->setObjectName(QStringLiteral("Label1"));
    helpStrip->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    helpStrip->setStyleSheet(QStringLiteral("color: #1d4e89;"));

    helpMemo = new QPlainTextEdit(helpPanel);
    helpMemo->setObjectName(QStringLiteral("Memo1"));
    helpMemo->setReadOnly(true);
    helpMemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    helpMemo->setCursor(Qt::ArrowCursor);
    QStringList lines;
    for (const auto& [blanks, text] : BriefHelpLines)
        lines << QString(blanks, u' ') + QString::fromUtf8(text);
    helpMemo->setPlainText(lines.join(u'\n'));
}
