#include "Settings.h"

#include "ProgramDir.h"
#include "WellFormedText.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>

#define SI_NO_CONVERSION
#include <SimpleIni.h>

#include <string>

namespace {

// Loads the file into a case-insensitive ini object; text in the Chinese code page is converted.
void Load(const QString& path, CSimpleIniA& ini)
{
    ini.SetUnicode(true);
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    const QByteArray converted = DecodeSettingsText(f.readAll()).toUtf8();
    ini.LoadData(converted.constData(), size_t(converted.size()));
}

QByteArray Utf8(const QString& s)
{
    return s.toUtf8();
}

// True when most characters beyond ASCII are Chinese (ideographs, CJK punctuation, full-width
// forms). Chinese in UTF-8 reads as such; GBK bytes that happen to form UTF-8 read as accented
// Latin letters and other two-byte characters instead.
bool MostlyChinese(const QString& text)
{
    int chinese = 0;
    int other = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            continue;
        if ((u >= 0x4E00 && u <= 0x9FFF) || (u >= 0x3000 && u <= 0x303F) || (u >= 0xFF00 && u <= 0xFFEF)
            || c.isSurrogate())
            ++chinese;
        else
            ++other;
    }
    return chinese > other;
}

bool Decodes(QStringDecoder&& decoder, const QByteArray& bytes, QString* text)
{
    *text = decoder(bytes);
    return !decoder.hasError();
}

struct Key {
    const char* section;
    const char* key;
};

// The text keys of TGsInfo, in field order.
constexpr Key GsInfoKeys[] = {
    {"Basic", "GSName"},     {"Basic", "GSAddress"},  {"Basic", "GSPhone"},
    {"Basic", "GSFax"},      {"Basic", "GSYouBian"},  {"Basic", "GSKaiHuHan"},
    {"Basic", "GSZhanHao"},  {"Basic", "GSShuiHao"},  {"Basic", "GSJianJie"},
};

QString* GsInfoField(TGsInfo& g, int i)
{
    QString* fields[] = {&g.GSName,     &g.GSAddress,  &g.GSPhone,   &g.GSFax,    &g.GSYouBian,
                         &g.GSKaiHuHan, &g.GSZhanHao,  &g.GSShuiHao, &g.GSJianJie};
    return fields[i];
}

const QString PrintSet = QStringLiteral("PrintSet");

}  // namespace

struct IniFile::Data {
    CSimpleIniA ini;
};

IniFile::IniFile(QString path) : m_path(std::move(path)), m_data(std::make_unique<Data>())
{
    Load(m_path, m_data->ini);
}

IniFile::~IniFile() = default;

QString IniFile::readString(const QString& section, const QString& key, const QString& def) const
{
    const char* v = m_data->ini.GetValue(Utf8(section).constData(), Utf8(key).constData(), nullptr);
    return v ? QString::fromUtf8(v) : def;
}

int IniFile::readInteger(const QString& section, const QString& key, int def) const
{
    bool ok = false;
    const int v = readString(section, key).trimmed().toInt(&ok);
    return ok ? v : def;
}

void IniFile::setString(const QString& section, const QString& key, const QString& value)
{
    m_data->ini.SetValue(Utf8(section).constData(), Utf8(key).constData(), Utf8(SingleLine(value)).constData());
}

void IniFile::setInteger(const QString& section, const QString& key, int value)
{
    setString(section, key, QString::number(value));
}

// The new text goes to a file beside the old one, which it replaces only when every byte has
// reached the disk: a full disk leaves the old file whole. QSaveFile::commit() alone does not
// notice a failed flush of its buffer, so the write is flushed and checked first.
bool IniFile::save()
{
    std::string out;
    if (m_data->ini.Save(out, /*a_bAddSignature=*/true) < 0)
        return false;
    QSaveFile f(m_path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(out.data(), qint64(out.size())) != qint64(out.size()) || !f.flush())
        return false;  // the unfinished file is discarded
    return f.commit();
}

QString SingleLine(QString value)
{
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    value.replace(QChar(0), u' ');
    // The reader drops blanks and tabs at either end (and only those).
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t'; };
    qsizetype first = 0;
    qsizetype end = value.size();
    while (first < end && blank(value[first]))
        ++first;
    while (end > first && blank(value[end - 1]))
        --end;
    return WellFormedText(value.mid(first, end - first));
}

QString DecodeSettingsText(const QByteArray& bytes)
{
    QString utf8;
    QString gbk;
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    const bool isUtf8 = Decodes(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless), bytes, &utf8);
    const bool isGbk = Decodes(QStringDecoder("GB18030", QStringDecoder::Flag::Stateless), bytes, &gbk);
    if (isUtf8 != isGbk)
        return isUtf8 ? utf8 : gbk;
    return isUtf8 && MostlyChinese(utf8) ? utf8 : gbk;
}

TGsInfo StoredGsInfo(TGsInfo info)
{
    for (int i = 0; i < int(std::size(GsInfoKeys)); ++i)
        *GsInfoField(info, i) = SingleLine(*GsInfoField(info, i));
    return info;
}

QString SettingsPath(const QString& programDir)
{
    return ResolvePathNoCase(programDir, QStringLiteral("Set.ini"));
}

Settings ReadSettings(const QString& programDir)
{
    const IniFile ini(SettingsPath(programDir));
    Settings s;
    for (int i = 0; i < int(std::size(GsInfoKeys)); ++i)
        *GsInfoField(s.GsInfo, i) = ini.readString(QLatin1String(GsInfoKeys[i].section),
                                                   QLatin1String(GsInfoKeys[i].key));
    TXSDPrintSet& p = s.XSDPrintSet;
    const int paper = ini.readInteger(PrintSet, QStringLiteral("XSDPaperSize"), -1);
    p.PaperSize = paper == -1 ? 9 : std::uint8_t(paper & 0xFF);
    p.Width = ini.readInteger(PrintSet, QStringLiteral("XSDWidth"), 210);
    p.Length = ini.readInteger(PrintSet, QStringLiteral("XSDlength"), 297);
    p.Orientation = std::uint8_t(ini.readInteger(PrintSet, QStringLiteral("XSDOrientation"), 0) & 0xFF);
    p.TopMargin = ini.readInteger(PrintSet, QStringLiteral("XSDTopMargin"), 10);
    p.BottomMargin = ini.readInteger(PrintSet, QStringLiteral("XSDBottomMargin"), 10);
    p.LeftMargin = ini.readInteger(PrintSet, QStringLiteral("XSDLeftMargin"), 10);
    p.RightMargin = ini.readInteger(PrintSet, QStringLiteral("XSDRightMargin"), 10);
    p.ReceiptWidth = ini.readInteger(PrintSet, QStringLiteral("XSDReceiptWidth"), 80) == 58 ? 58 : 80;
    p.ReceiptPrinter = std::clamp(ini.readInteger(PrintSet, QStringLiteral("XSDReceiptPrinter"), 0), 0, 3);
    p.ReceiptTarget = ini.readString(PrintSet, QStringLiteral("XSDReceiptTarget"));
    p.ReceiptDrawer = ini.readInteger(PrintSet, QStringLiteral("XSDReceiptDrawer"), 0) != 0;
    p.NumberBarcode = ini.readInteger(PrintSet, QStringLiteral("XSDNumberBarcode"), 0) == 1 ? 1 : 0;
    s.BriefHelp = std::uint8_t(ini.readInteger(QStringLiteral("Other"), QStringLiteral("brief_help"), 1) & 0xFF);
    s.AutoBackupKeep = std::max(0, ini.readInteger(QStringLiteral("Backup"), QStringLiteral("Keep"), 10));
    return s;
}

DatabaseTarget ReadDatabaseTarget(const QString& programDir, const QString& defaultFile)
{
    const IniFile ini(SettingsPath(programDir));
    const QString section = QStringLiteral("Database");
    const QString engine = ini.readString(section, QStringLiteral("Engine"), QStringLiteral("sqlite")).trimmed().toLower();
    if (engine == u"sqlite" || engine.isEmpty())
        return DatabaseTarget::file(defaultFile);
    if (engine != u"postgresql")
        throw DbError(QStringLiteral("Set.ini 的 [Database] 一节中 Engine=%1 无法识别：应为 sqlite（默认）或 postgresql。").arg(engine));
    if (!ini.readString(section, QStringLiteral("Password")).isEmpty())
        throw DbError(QStringLiteral("Set.ini 中不能写数据库密码（任何人都能读到这个文件）。请删去 [Database] 一节的 Password，"
                                     "把密码写在 ~/.pgpass（权限 0600）或环境变量 PGPASSFILE 所指的文件中。"));
    DatabaseTarget t;
    t.engine = Engine::Postgres;
    t.host = ini.readString(section, QStringLiteral("Host"));
    t.port = ini.readInteger(section, QStringLiteral("Port"), 0);
    t.name = ini.readString(section, QStringLiteral("Name"));
    t.user = ini.readString(section, QStringLiteral("User"));
    t.service = ini.readString(section, QStringLiteral("Service"));
    return t;
}

bool WriteGsInfo(const QString& programDir, const TGsInfo& info)
{
    IniFile ini(SettingsPath(programDir));
    TGsInfo copy = info;
    for (int i = 0; i < int(std::size(GsInfoKeys)); ++i)
        ini.setString(QLatin1String(GsInfoKeys[i].section), QLatin1String(GsInfoKeys[i].key),
                      *GsInfoField(copy, i));
    return ini.save();
}

bool WriteXSDPrintSet(const QString& programDir, const TXSDPrintSet& p)
{
    IniFile ini(SettingsPath(programDir));
    const std::pair<const char*, int> keys[] = {
        {"XSDPaperSize", p.PaperSize}, {"XSDWidth", p.Width},
        {"XSDlength", p.Length},       {"XSDOrientation", p.Orientation},
        {"XSDTopMargin", p.TopMargin}, {"XSDBottomMargin", p.BottomMargin},
        {"XSDLeftMargin", p.LeftMargin}, {"XSDRightMargin", p.RightMargin},
        {"XSDReceiptWidth", p.ReceiptWidth}, {"XSDReceiptPrinter", p.ReceiptPrinter},
        {"XSDReceiptDrawer", p.ReceiptDrawer ? 1 : 0}, {"XSDNumberBarcode", p.NumberBarcode}};
    for (const auto& [key, value] : keys)
        ini.setInteger(PrintSet, QLatin1String(key), value);
    ini.setString(PrintSet, QStringLiteral("XSDReceiptTarget"), p.ReceiptTarget);
    return ini.save();
}

bool WriteBriefHelp(const QString& programDir, std::uint8_t briefHelp)
{
    IniFile ini(SettingsPath(programDir));
    ini.setInteger(QStringLiteral("Other"), QStringLiteral("brief_help"), briefHelp);
    return ini.save();
}
