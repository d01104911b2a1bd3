#pragma once

#include <QFile>
#include <QIODevice>
#include <QString>

// A file written beside its target ("<target>.tmpXXXX" in the same folder) and renamed onto the
// target only when all of it has reached the disk: a failure (a full disk, a folder that cannot
// be written) leaves no partial file, and an earlier file of that name stays as it was. Every file
// the program writes for the operator goes through it (PDF, workbooks, CSV, backups, pictures).
//
// Writers that take a device write to the SafeFile itself (QPdfWriter, QImageWriter, the CSV
// writer); every write is checked. Writers that take a path (libxlsxwriter, SQLite's backup) write
// temporaryPath() themselves and report their own failure with fail().
//     SafeFile file(path);
//     if (!file.open() || !write(file) || !file.commit())
//         error = file.errorText();
class SafeFile : public QIODevice {
public:
    explicit SafeFile(const QString& target);
    ~SafeFile() override;  // an uncommitted temporary file is removed

    // Creates the temporary file (empty) and opens the device for writing. False when the file
    // cannot be created; errorText() says why.
    bool open();
    const QString& target() const { return m_target; }
    QString temporaryPath() const { return m_file.fileName(); }

    // The writer of temporaryPath() failed: the file is not committed. The first reason is kept.
    void fail(const QString& reason);
    bool failed() const { return !m_reason.isEmpty(); }

    // Writes what is buffered, syncs the file to the disk, closes it and renames it onto the
    // target. False, with the reason in errorText(), when any step or any earlier write failed;
    // the temporary file is then removed.
    bool commit();

    // "无法写入文件 <target>：<reason>" after a failure; empty before.
    QString errorText() const;

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 size) override;
    qint64 writeData(const char* data, qint64 size) override;

private:
    bool open(OpenMode mode) override;
    bool writeBuffer();
    void failWith(int systemError);
    void discard();

    QString m_target;
    QFile m_file;
    QByteArray m_buffer;
    QString m_reason;
    bool m_committed = false;
};

// The reason of a failed file operation in Chinese, from the system's error number (errno);
// fallback is the system's own text for an error without a Chinese one.
QString FileErrorReason(int systemError, const QString& fallback = QString());

// The text of a file that could not be written: "无法写入文件 <path>：<reason>".
QString CannotWriteText(const QString& path, const QString& reason);
