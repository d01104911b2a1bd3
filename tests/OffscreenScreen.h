#pragma once

// The offscreen platform with one screen of a given size (the platform's own screen is smaller
// than most desktops). Called before the application object is made.

#include <QByteArray>
#include <QFile>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

inline bool UseOffscreenScreen(QSize size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    return true;
}
