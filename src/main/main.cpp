#include "AppContext.h"
#include "ProgramDir.h"

#include <QApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qinglan"));
    QApplication::setApplicationDisplayName(QStringLiteral("晴岚家电销售管理系统"));

    AppContext context(ProgramDir());
    QString error;
    QTextStream out(stdout);
    if (!context.InitSystem(&error)) {
        QTextStream(stderr) << QString::fromUtf8(ConnectFailedMessage) << ' ' << error << Qt::endl;
        return 1;
    }
    out << "数据库: " << QDir::toNativeSeparators(context.DM.databasePath()) << Qt::endl;
    return 0;
}
