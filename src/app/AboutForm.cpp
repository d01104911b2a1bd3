#include "AboutForm.h"

#include "AppContext.h"
#include "GuardedConnect.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr int Margin = 28;
constexpr int EditionGap = 5;  // between the title's end and the edition text
constexpr int WidestPath = 560;  // a longer database path is elided in the middle

// The database file in use, or the server's database (user@host:port/name).
QString DatabaseInUse(AppContext& context)
{
    const Database& db = context.db();
    if (db.isOpen() && db.engine() == Engine::Postgres)
        return db.target().display();
    return QDir::toNativeSeparators(db.isOpen() ? db.path() : context.DM.databasePath());
}

}  // namespace

TAboutForm::TAboutForm(AppContext& context, QWidget* parent) : QDialog(parent), m_ctx(context)
{
    setupUi(DatabaseInUse(context));
    GuardedConnect(OKButton, &QPushButton::clicked, this, m_ctx, &QDialog::accept);
}

// Placed by hand: the edition text sits on the title's baseline, 5 pixels after its end.
void TAboutForm::setupUi(const QString& databaseFile)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("关于"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);

    TitleLabel = new QLabel(QStringLiteral("晴岚家电销售管理系统"), this);
    TitleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont big = font();
    big.setPointSize(22);
    big.setBold(true);
    TitleLabel->setFont(big);
    TitleLabel->setStyleSheet(QStringLiteral("color: #1d4e89;"));
    TitleLabel->adjustSize();
    TitleLabel->move(Margin, Margin);

    EditionLabel = new QLabel(QStringLiteral("单机版V3.0.6"), this);
    EditionLabel->setObjectName(QStringLiteral("EditionLabel"));
    EditionLabel->adjustSize();
    const int baseline = TitleLabel->y() + QFontMetrics(big).ascent();
    EditionLabel->move(TitleLabel->geometry().right() + 1 + EditionGap,
                       baseline - EditionLabel->fontMetrics().ascent());

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    const QString dataText = QStringLiteral("数据库：") + databaseFile;
    const int dataWidth = std::min(WidestPath, fontMetrics().horizontalAdvance(dataText) + 4);
    const int width = std::max(EditionLabel->geometry().right() + 1 + Margin, dataWidth + 2 * Margin + 4);
    rule->setGeometry(Margin, TitleLabel->geometry().bottom() + 14, width - 2 * Margin, 2);

    int y = rule->geometry().bottom() + 14;
    const auto line = [&](QLabel*& label, const char* name, const char* text) {
        label = new QLabel(QString::fromUtf8(text), this);
        label->setObjectName(QLatin1String(name));
        label->adjustSize();
        label->move(Margin + 4, y);
        y += label->height() + 8;
    };
    line(MakerLabel, "MakerLabel", "制作：晴岚软件工作室");
    line(PhoneLabel, "PhoneLabel", "电话：0571-8765 4321");
    line(MailLabel, "MailLabel", "电子邮件：service@qinglan-soft.example");
    DataLabel = new QLabel(fontMetrics().elidedText(dataText, Qt::ElideMiddle, dataWidth), this);
    DataLabel->setObjectName(QStringLiteral("DataLabel"));
    DataLabel->setToolTip(databaseFile);
    DataLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    DataLabel->adjustSize();
    DataLabel->move(Margin + 4, y);
    y += DataLabel->height() + 8;

    OKButton = new QPushButton(QStringLiteral("确定"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    OKButton->adjustSize();
    OKButton->move(width - Margin - OKButton->width(), y + 4);
    setFixedSize(width, OKButton->geometry().bottom() + 1 + 18);
}
