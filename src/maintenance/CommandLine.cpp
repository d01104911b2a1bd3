#include "CommandLine.h"

#include "BackupStore.h"
#include "CheckStore.h"
#include "DataModule.h"
#include "JieQunStore.h"
#include "MonthKey.h"
#include "RestoreDatabase.h"

#include <QRegularExpression>
#include <QTextStream>

namespace {

constexpr int Done = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

const char* const HelpText =
    "用法: qinglan [选项]\n"
    "不带选项时打开程序窗口。选项(不打开任何窗口):\n"
    "  --backup FILE          把数据库备份到 FILE (一致的快照)\n"
    "  --restore FILE         检查并用 FILE 恢复数据库, 原数据库保留为 db.data.before-restore\n"
    "  --check                检查数据库的完整性及单据合计与明细是否相符\n"
    "  --close-month YYYY-MM  结存该月的经营数据 (已结存的重新结存, 已清除的拒绝)\n"
    "  --help                 显示本说明\n"
    "退出码: 0 完成, 1 拒绝或失败, 2 选项有误\n";

int CloseMonth(Database& db, const QString& month, QTextStream& out, QTextStream& err)
{
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch m = form.match(month);
    const QString key = m.hasMatch() ? m.captured(1) + m.captured(2) : QString();
    if (!IsValidMonthKey(key)) {
        err << "月份应写作 YYYY-MM: " << month << Qt::endl;
        return Usage;
    }
    switch (GetJieQunState(db, key)) {
    case 0:
        MakeJieQun(db, key);
        out << month << " 完成结存" << Qt::endl;
        return Done;
    case 1:
        ReMakeJieQun(db, key);
        out << month << " 重新结存完成" << Qt::endl;
        return Done;
    default:
        err << month << " 的经营数据已被清除, 无法重新结存" << Qt::endl;
        return Failed;
    }
}

}  // namespace

bool IsCommandLine(const QStringList& arguments)
{
    return arguments.size() > 1 && arguments.at(1).startsWith(QLatin1String("--"));
}

int RunCommandLine(const QStringList& arguments, const QString& programDir, QTextStream& out, QTextStream& err)
{
    const QString option = arguments.value(1);
    const QString value = arguments.value(2);
    const bool takesValue = option == QLatin1String("--backup") || option == QLatin1String("--restore")
                         || option == QLatin1String("--close-month");
    const bool known = takesValue || option == QLatin1String("--check") || option == QLatin1String("--help");
    if (!known || arguments.size() != (takesValue ? 3 : 2) || (takesValue && value.isEmpty())) {
        err << "选项有误: " << arguments.mid(1).join(u' ') << Qt::endl << QString::fromUtf8(HelpText);
        return Usage;
    }
    if (option == QLatin1String("--help")) {
        out << QString::fromUtf8(HelpText);
        return Done;
    }
    TDM dm(programDir);
    QString reason;
    if (!dm.ConnectDB(&reason)) {
        err << QString::fromUtf8(ConnectFailedMessage) << ' ' << reason << Qt::endl;
        return Failed;
    }
    try {
        if (option == QLatin1String("--backup")) {
            BackupDatabase(dm.db(), value);
            out << "备份完成: " << value << Qt::endl;
            return Done;
        }
        if (option == QLatin1String("--restore")) {
            if (const QString failure = RestoreDatabase(dm, value); !failure.isEmpty()) {
                err << failure << Qt::endl;
                return Failed;
            }
            out << "数据恢复成功: " << value << Qt::endl;
            return Done;
        }
        if (option == QLatin1String("--close-month"))
            return CloseMonth(dm.db(), value, out, err);
        const QStringList faults = CheckDatabase(dm.db());
        for (const QString& fault : faults)
            err << fault << Qt::endl;
        if (faults.isEmpty())
            out << "检查完成, 未发现问题" << Qt::endl;
        return faults.isEmpty() ? Done : Failed;
    } catch (const DbError& e) {
        err << e.text() << Qt::endl;
        return Failed;
    }
}
