#include "FuzzChecks.h"

#include "DataModule.h"
#include "NumberText.h"
#include "ScreenHelpers.h"
#include "Settings.h"
#include "WrapText.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QSqlQuery>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>
#include <exception>

namespace {

QString Utf16(const QByteArray& bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.constData(), size_t(text.size()) * 2);
    return text;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// One temporary program folder for every input of a run.
const QString& ProgramFolder()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

QStringList Fields(const TGsInfo& g)
{
    return {g.GSName, g.GSAddress, g.GSPhone, g.GSFax, g.GSYouBian, g.GSKaiHuHan, g.GSZhanHao, g.GSShuiHao, g.GSJianJie};
}

QList<int> Numbers(const Settings& s)
{
    const TXSDPrintSet& p = s.XSDPrintSet;
    return {p.PaperSize, p.Width, p.Length, p.Orientation, p.TopMargin, p.BottomMargin, p.LeftMargin,
            p.RightMargin, p.ReceiptWidth, s.BriefHelp, s.AutoBackupKeep};
}

QString CheckOneNumber(const QString& text)
{
    const std::optional<double> v = ReadNumber(text);
    if (v && !std::isfinite(*v))
        return QStringLiteral("ReadNumber gave a value that is not finite");
    if (!std::isfinite(CellNumber(text)))
        return QStringLiteral("CellNumber gave a value that is not finite");
    if (AsciiNumberText(text).size() != text.size())
        return QStringLiteral("AsciiNumberText changed the length");
    if (!v)
        return {};
    const double x = *v;
    const std::optional<double> back = ReadNumber(FormatGeneral(x));
    if (!back || std::fabs(*back - x) > 1e-14 * std::fabs(x) + 1e-300)
        return QStringLiteral("FormatGeneral(%1) does not read back").arg(x, 0, 'g', 17);
    const double money = RoundFloat(2, x);
    if (!std::isfinite(money) || std::fabs(money - x) > 0.005 + 1e-15 * std::fabs(x))
        return QStringLiteral("RoundFloat(2, %1) gave %2").arg(x, 0, 'g', 17).arg(money, 0, 'g', 17);
    if (!ReadNumber(FormatMoney(x)))
        return QStringLiteral("FormatMoney(%1) does not read back").arg(x, 0, 'g', 17);
    return {};
}

// Types the keys into an empty box through a key filter (DEL stands for backspace).
QString Typed(const KeyFilter& filter, const QString& keys)
{
    QLineEdit box;
    for (QChar c : keys.left(256)) {
        const QChar key = filter(c == QChar(0x7F) ? Backspace : c, box);
        if (key == Backspace)
            box.backspace();
        else if (!key.isNull())
            box.insert(QString(key));
    }
    return box.text();
}

QString CheckKeyFilters(const QString& keys)
{
    const QString decimal = Typed(&FloatKeyFilter, keys);
    if (!decimal.isEmpty() && decimal != u"." && !ReadNumber(decimal))
        return QStringLiteral("a decimal box accepted \"%1\", which is not a number").arg(decimal);
    const QString whole = Typed(&IntKeyFilter, keys);
    if (whole.size() > 5 || (!whole.isEmpty() && !ReadNumber(whole)))
        return QStringLiteral("a whole-number box accepted \"%1\"").arg(whole);
    return {};
}

QString CheckWrap(const QString& text, int width)
{
    const QString wrapped = WrapText(text, width);
    QStringEncoder encode("GB18030");
    QStringDecoder decode("GB18030");
    const QString whole = decode(encode(QStringLiteral("    ") + text));
    if (QString(wrapped).remove(u'\r') != QString(whole).remove(u'\r'))
        return QStringLiteral("WrapText lost or changed characters at width %1").arg(width);
    // Widths are measured on texts that the code page holds exactly (a character it lacks comes
    // back as another one, perhaps of another length).
    if (width < 2 || text.contains(u'\r') || whole != QStringLiteral("    ") + text)
        return {};
    const QStringList pieces = wrapped.split(QStringLiteral("\r\r"));
    for (qsizetype i = 0; i + 1 < pieces.size(); ++i) {
        const qsizetype bytes = QByteArray(encode(pieces[i])).size();
        if (pieces[i].isEmpty() || (bytes > width && pieces[i].toUcs4().size() > 1))
            return QStringLiteral("piece %1 holds %2 bytes at width %3").arg(i).arg(bytes).arg(width);
    }
    return {};
}

}  // namespace

QString CheckSettingsFile(const QByteArray& bytes)
{
    const QString& dir = ProgramFolder();
    if (!WriteFile(QDir(dir).filePath(QStringLiteral("Set.ini")), bytes))
        return QStringLiteral("the input could not be written");
    const Settings first = ReadSettings(dir);
    if (first.XSDPrintSet.ReceiptWidth != 58 && first.XSDPrintSet.ReceiptWidth != 80)
        return QStringLiteral("receipt width %1").arg(first.XSDPrintSet.ReceiptWidth);
    if (first.AutoBackupKeep < 0)
        return QStringLiteral("a negative number of backups kept");
    // Written back, the enterprise information reads as the copy kept in memory, every other key
    // as before.
    if (!WriteGsInfo(dir, first.GsInfo))
        return QStringLiteral("the file could not be written back");
    const Settings second = ReadSettings(dir);
    if (Fields(second.GsInfo) != Fields(StoredGsInfo(first.GsInfo)))
        return QStringLiteral("enterprise information read back as \"%1\", kept as \"%2\"")
            .arg(Fields(second.GsInfo).join(u'|'), Fields(StoredGsInfo(first.GsInfo)).join(u'|'));
    if (Numbers(second) != Numbers(first))
        return QStringLiteral("writing the enterprise information changed other keys");
    return {};
}

QString CheckDatabaseFile(const QByteArray& bytes)
{
    const QString& dir = ProgramFolder();
    QDir().mkpath(QDir(dir).filePath(QStringLiteral("Data")));
    TDM dm(dir);
    const QString path = dm.databasePath();
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    if (!WriteFile(path, bytes))
        return QStringLiteral("the input could not be written");
    try {
        QString error;
        if (!dm.ConnectDB(&error)) {
            if (error.isEmpty())
                return QStringLiteral("refused without a reason");
            if (ReadFile(path) != bytes)
                return QStringLiteral("a refused file was changed: %1").arg(error);
            return {};
        }
        // A usable file serves the login's first read and connects again.
        try {
            QSqlQuery users = dm.db().exec(QStringLiteral("select * from SYS_User"));
            while (users.next()) {
            }
        } catch (const DbError&) {
            // shown to the operator in the error box
        }
        if (!TDM(dir).ConnectDB(&error))
            return QStringLiteral("a file found usable is refused the second time: %1").arg(error);
    } catch (const std::exception& e) {
        return QStringLiteral("the connection threw: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    return {};
}

QString CheckNumberText(const QByteArray& bytes)
{
    for (const QString& text : {QString::fromUtf8(bytes), Utf16(bytes)}) {
        for (const QString& problem : {CheckOneNumber(text), CheckOneNumber(AsciiNumberText(text)),
                                       CheckKeyFilters(text), CheckKeyFilters(AsciiNumberText(text))})
            if (!problem.isEmpty())
                return problem;
    }
    return {};
}

QString CheckWrapText(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};
    const int width = static_cast<signed char>(bytes[0]);
    const QByteArray rest = bytes.mid(1);
    for (const QString& text : {QString::fromUtf8(rest), Utf16(rest)}) {
        const QString problem = CheckWrap(text, width);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

FuzzCheck FuzzCheckNamed(const QString& name)
{
    if (name == u"settings")
        return &CheckSettingsFile;
    if (name == u"database")
        return &CheckDatabaseFile;
    if (name == u"numbers")
        return &CheckNumberText;
    if (name == u"wraptext")
        return &CheckWrapText;
    return nullptr;
}
