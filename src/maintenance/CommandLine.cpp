#include "CommandLine.h"

#include "AppContext.h"
#include "BackupStore.h"
#include "CheckStore.h"
#include "CopyToServer.h"
#include "DataModule.h"
#include "ExportableReports.h"
#include "JieQunStore.h"
#include "MonthKey.h"
#include "PrintReport.h"
#include "RestoreDatabase.h"

#include <QFileInfo>
#include <QHash>
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
    "  --check                检查数据库的完整性、单据合计与明细、库存与欠款\n"
    "  --close-month YYYY-MM  结存该月的经营数据 (已结存的重新结存, 已清除的拒绝)\n"
    "  --export REPORT --from YYYY-MM-DD --to YYYY-MM-DD --out FILE.pdf|FILE.xlsx|FILE.csv\n"
    "                         把报表输出到文件 (PDF 为打印的页面, xlsx/csv 为报表的数据行);\n"
    "                         --brand 品牌 和 --product 产品 指定利润报表的品牌及产品;\n"
    "                         --number 单号 指定要输出的单据\n"
    "  --copy-to postgresql://USER@HOST:PORT/NAME  (或 pg_service.conf 中的服务名)\n"
    "                         把程序旁的数据库文件整个复制到 PostgreSQL 服务器上的一个空数据库,\n"
    "                         在一个事务中完成, 复制后核对各表行数并检查两边的数据库\n"
    "  --help                 显示本说明\n"
    "退出码: 0 完成, 1 拒绝或失败, 2 选项有误\n"
    "\n"
    "多个柜台共用一个数据库 (PostgreSQL 服务器): 在 Set.ini 中写\n"
    "  [Database]\n"
    "  Engine=postgresql      (默认 sqlite: 程序旁的 Data/db.data)\n"
    "  Host=服务器地址        Port=5432      Name=数据库名      User=用户名\n"
    "  (或 Service=pg_service.conf 中的服务名)\n"
    "密码不写在 Set.ini 中, 写在 ~/.pgpass (权限 0600) 或环境变量 PGPASSFILE 所指的文件中,\n"
    "每行一条: 服务器地址:端口:数据库名:用户名:密码。空数据库第一次连接时建立本系统的表和演示数据。\n";

// The usage text with the names of the reports.
QString Help()
{
    QString text = QString::fromUtf8(HelpText);
    text += QStringLiteral("报表 (REPORT):\n");
    for (const ExportableReport& report : ExportableReports()) {
        QString line = QStringLiteral("  %1").arg(QLatin1String(report.name), -23) + QString::fromUtf8(report.caption);
        if (report.dated)
            line += QStringLiteral(", 需 --from --to");
        if (report.needsBrand)
            line += QStringLiteral(" --brand");
        if (report.needsProduct)
            line += QStringLiteral(" --product");
        if (report.needsNumber)
            line += QStringLiteral(", 需 --number");
        text += line + u'\n';
    }
    return text;
}

// Messages meant for a window go to the error stream; questions are answered "no".
class StreamPrompts : public Prompts {
public:
    explicit StreamPrompts(QTextStream& err) : m_err(err) {}
    void message(QWidget*, const QString& text) override { m_err << text << Qt::endl; }
    bool question(QWidget*, const QString& text) override
    {
        m_err << text << Qt::endl;
        return false;
    }
    bool warningQuestion(QWidget* parent, const QString& text) override { return question(parent, text); }
    void error(QWidget*, const QString& text) override { m_err << text << Qt::endl; }

private:
    QTextStream& m_err;
};

// An action with its value and the named values that follow it ("--from" -> "2024-05-01").
struct Options {
    QString action;
    QString value;
    QHash<QString, QString> named;
};

// The options of each action that take a value of their own after the action's value.
QStringList NamedOptionsOf(const QString& action)
{
    if (action == QLatin1String("--export"))
        return {"--from", "--to", "--out", "--brand", "--product", "--number"};
    return {};
}

bool TakesValue(const QString& action)
{
    return action == QLatin1String("--backup") || action == QLatin1String("--restore")
        || action == QLatin1String("--close-month") || action == QLatin1String("--export")
        || action == QLatin1String("--copy-to");
}

std::optional<Options> Parse(const QStringList& arguments)
{
    Options o;
    o.action = arguments.value(1);
    const bool known = TakesValue(o.action) || o.action == QLatin1String("--check") || o.action == QLatin1String("--help");
    if (!known)
        return std::nullopt;
    int i = 2;
    if (TakesValue(o.action)) {
        o.value = arguments.value(i++);
        if (o.value.isEmpty() || o.value.startsWith(QLatin1String("--")))
            return std::nullopt;
    }
    const QStringList named = NamedOptionsOf(o.action);
    while (i < arguments.size()) {
        const QString name = arguments.at(i);
        const QString value = arguments.value(i + 1);
        if (!named.contains(name) || o.named.contains(name) || i + 1 >= arguments.size() || value.isEmpty())
            return std::nullopt;
        o.named.insert(name, value);
        i += 2;
    }
    return o;
}

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

// The report, its arguments and the file kind checked before the database is opened.
struct ExportJob {
    const ExportableReport* report = nullptr;
    ReportArguments args;
    QString out;
};

std::optional<ExportJob> CheckExport(const Options& o, QTextStream& err)
{
    ExportJob job;
    job.report = FindExportableReport(o.value);
    if (!job.report) {
        err << "没有这个报表: " << o.value << Qt::endl;
        return std::nullopt;
    }
    job.out = o.named.value(QStringLiteral("--out"));
    const QString kind = QFileInfo(job.out).suffix().toLower();
    if (kind != QLatin1String("pdf") && kind != QLatin1String("xlsx") && kind != QLatin1String("csv")) {
        err << "--out 应给出 .pdf, .xlsx 或 .csv 文件" << Qt::endl;
        return std::nullopt;
    }
    const auto date = [&](const char* name, QDate& day) {
        const QString text = o.named.value(QLatin1String(name));
        day = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
        if (job.report->dated && !day.isValid()) {
            err << name << " 应写作 YYYY-MM-DD: " << text << Qt::endl;
            return false;
        }
        return true;
    };
    if (!date("--from", job.args.from) || !date("--to", job.args.to))
        return std::nullopt;
    if (job.report->dated && job.args.from > job.args.to) {
        err << "起始日期晚于截止日期" << Qt::endl;
        return std::nullopt;
    }
    job.args.brand = o.named.value(QStringLiteral("--brand")).trimmed();
    job.args.product = o.named.value(QStringLiteral("--product")).trimmed();
    if ((job.report->needsBrand && job.args.brand.isEmpty()) || (job.report->needsProduct && job.args.product.isEmpty())) {
        err << job.report->name << " 需要 " << (job.report->needsBrand ? "--brand " : "")
            << (job.report->needsProduct ? "--product" : "") << Qt::endl;
        return std::nullopt;
    }
    job.args.number = o.named.value(QStringLiteral("--number")).trimmed();
    if (job.report->needsNumber && job.args.number.isEmpty()) {
        err << job.report->name << " 需要 --number" << Qt::endl;
        return std::nullopt;
    }
    return job;
}

int Export(AppContext& context, const ExportJob& job, QTextStream& out, QTextStream& err)
{
    QString error;
    const bool written =
        job.out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
            ? WriteReportPdf(context, ExportableReportRequest(context.db(), context.GsInfo, *job.report, job.args),
                             job.out, &error)
            : WriteReportRows(context, ExportableRowsRequest(context.db(), context.GsInfo, *job.report, job.args),
                              job.out, &error);
    if (!written) {
        err << (error.isEmpty() ? QStringLiteral("报表未输出: ") + job.out : error) << Qt::endl;
        return Failed;
    }
    out << "报表已输出: " << job.out << Qt::endl;
    return Done;
}

// The shop beside the program moved to a server database.
int CopyTo(const QString& programDir, const QString& to, QTextStream& out, QTextStream& err)
{
    try {
        const DatabaseTarget target = DatabaseTarget::server(to);
        Database file(QStringLiteral("copy-source"));
        const QString path = TDM(programDir).databasePath();
        if (!QFileInfo::exists(path))
            throw DbError(QStringLiteral("没有找到数据库文件 %1。").arg(path));
        file.open(path);
        const QStringList copied = CopyToServer(file, target);
        for (const QString& line : copied)
            out << line << Qt::endl;
        out << "复制完成: " << path << " → " << target.display() << Qt::endl;
        return Done;
    } catch (const DbError& e) {
        err << e.text() << Qt::endl;
        return Failed;
    }
}

// Entries of the audit log written from the command line name it and the system user.
QString CommandLineOperator()
{
    const QString user = qEnvironmentVariable("USER");
    return user.isEmpty() ? QStringLiteral("命令行") : QStringLiteral("命令行(%1)").arg(user);
}

}  // namespace

bool IsCommandLine(const QStringList& arguments)
{
    return arguments.size() > 1 && arguments.at(1).startsWith(QLatin1String("--"));
}

bool CommandLinePaints(const QStringList& arguments)
{
    const std::optional<Options> o = Parse(arguments);
    return o && o->action == QLatin1String("--export")
        && o->named.value(QStringLiteral("--out")).endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

int RunCommandLine(const QStringList& arguments, const QString& programDir, QTextStream& out, QTextStream& err)
{
    const std::optional<Options> o = Parse(arguments);
    if (!o) {
        err << "选项有误: " << arguments.mid(1).join(u' ') << Qt::endl << Help();
        return Usage;
    }
    if (o->action == QLatin1String("--help")) {
        out << Help();
        return Done;
    }
    std::optional<ExportJob> job;
    if (o->action == QLatin1String("--export") && !(job = CheckExport(*o, err))) {
        err << Help();
        return Usage;
    }

    if (o->action == QLatin1String("--copy-to"))
        return CopyTo(programDir, o->value, out, err);

    StreamPrompts prompts(err);
    AppContext context(programDir);
    context.prompts = &prompts;
    if (job)
        context.DM.setReadingOnly();  // an export only reads
    QString reason;
    if (!context.InitSystem(&reason)) {
        err << QString::fromUtf8(ConnectFailedMessage) << ' ' << reason << Qt::endl;
        return Failed;
    }
    context.db().setOperator(CommandLineOperator());
    try {
        if (o->action == QLatin1String("--backup")) {
            BackupDatabase(context.db(), o->value);
            out << "备份完成: " << o->value << Qt::endl;
            return Done;
        }
        if (o->action == QLatin1String("--restore")) {
            if (const QString failure = RestoreDatabase(context.DM, o->value); !failure.isEmpty()) {
                err << failure << Qt::endl;
                return Failed;
            }
            out << "数据恢复成功: " << o->value << Qt::endl;
            return Done;
        }
        if (o->action == QLatin1String("--close-month"))
            return CloseMonth(context.db(), o->value, out, err);
        if (job)
            return Export(context, *job, out, err);
        const QStringList faults = CheckDatabase(context.db());
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
