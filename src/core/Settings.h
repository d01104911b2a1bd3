#pragma once

#include "Database.h"
#include "Records.h"

#include <QString>
#include <cstdint>
#include <memory>

// Set.ini: a Windows-style ini file in the program folder. Section and key names are matched
// without regard to letter case; files in UTF-8 and in the Chinese code page (GBK/GB18030) are
// read; the file is written in UTF-8, keeping every other section, key and comment.
// The file is read once when the object is made; set...() changes the copy in memory and save()
// writes it back.
class IniFile {
public:
    explicit IniFile(QString path);
    ~IniFile();
    QString readString(const QString& section, const QString& key, const QString& def = {}) const;
    // An integer key that is missing or not a number yields def.
    int readInteger(const QString& section, const QString& key, int def) const;
    // Sets one key, creating the section as needed; values are single lines (SingleLine).
    void setString(const QString& section, const QString& key, const QString& value);
    void setInteger(const QString& section, const QString& key, int value);
    // Writes the file in UTF-8 with a byte-order mark (created when missing); false, with the old
    // file left whole, when it cannot be written completely.
    bool save();

private:
    struct Data;
    QString m_path;
    std::unique_ptr<Data> m_data;
};

// Everything that Set.ini holds, with its defaults.
struct Settings {
    TGsInfo GsInfo;
    TXSDPrintSet XSDPrintSet;
    std::uint8_t BriefHelp = 1;
    int AutoBackupKeep = 10;  // [Backup] Keep: automatic backups kept in Data/backup (0: none made)
};

QString SettingsPath(const QString& programDir);

// A value as Set.ini keeps it: one line, each line break (CR, LF or CR LF) and each NUL turned
// into a space, a broken surrogate pair into U+FFFD (WellFormedText), no blanks or tabs at either end.
QString SingleLine(QString value);
// The enterprise information as the file keeps it (every field a single line). The window keeps
// this copy in memory, so that memory and file always agree.
TGsInfo StoredGsInfo(TGsInfo info);

// Text of a Set.ini file: UTF-8 when it starts with a byte-order mark or when only UTF-8 explains
// its bytes; the Chinese code page when only that explains them. Short GBK texts are often valid
// UTF-8 too (and UTF-8 Chinese valid GBK): then UTF-8 only when its reading is mostly Chinese.
QString DecodeSettingsText(const QByteArray& bytes);

// Reads every key of Set.ini; a missing or unreadable file gives the defaults.
Settings ReadSettings(const QString& programDir);

// Where the data lives, from the section [Database]: Engine=sqlite (the default, also when the
// section is missing) keeps it in defaultFile; Engine=postgresql names a server database by Host,
// Port, Name and User, or by Service (an entry of pg_service.conf). A password in the file is
// refused, as is an engine it does not know (DbError, in words for the operator).
DatabaseTarget ReadDatabaseTarget(const QString& programDir, const QString& defaultFile);

// Writers of the keys; each returns false when the file cannot be written.
bool WriteGsInfo(const QString& programDir, const TGsInfo& info);
bool WriteXSDPrintSet(const QString& programDir, const TXSDPrintSet& set);
bool WriteBriefHelp(const QString& programDir, std::uint8_t briefHelp);
