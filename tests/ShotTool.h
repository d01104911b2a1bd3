#pragma once

// What the screenshot tools share: the folder the pictures go to, the picture of a window, and a
// program folder in a temporary directory with the demonstration data.

#include "AppContext.h"
#include "Application.h"
#include "Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>
#include <memory>

inline QDir& ShotFolder()
{
    static QDir folder;
    return folder;
}

// Saves a picture (a window's, a rendered page) as name in the folder and prints the path.
inline void SavePicture(const QImage& picture, const QString& name)
{
    const QString path = ShotFolder().filePath(name);
    picture.save(path);
    QTextStream(stdout) << path << Qt::endl;
}

// Shows the window and saves its picture as name in the folder.
inline void Shot(QWidget& window, const QString& name)
{
    window.show();
    QCoreApplication::processEvents();
    SavePicture(window.grab().toImage(), name);
}

// A tool's start: the folder from its argument, then a new database with the demonstration data
// and a shop's enterprise information, so that printouts show their heads and feet filled in.
struct ShotProgram {
    QTemporaryDir dir;
    BoxPrompts prompts;
    std::unique_ptr<AppContext> context;

    // False (with the usage on stderr) when no folder is given or the database cannot be made.
    bool start(QingLanApplication& app, int argc, char* argv[], const char* tool)
    {
        if (argc < 2) {
            QTextStream(stderr) << "usage: " << tool << " DIR" << Qt::endl;
            return false;
        }
        ShotFolder() = QDir(QString::fromLocal8Bit(argv[1]));
        ShotFolder().mkpath(QStringLiteral("."));
        context = std::make_unique<AppContext>(dir.path() + u'/');
        context->prompts = &prompts;
        app.setPrompts(&prompts);
        if (!context->InitSystem())
            return false;
        TGsInfo& shop = context->GsInfo;
        shop.GSName = QStringLiteral("晴岚家电城");
        shop.GSAddress = QStringLiteral("济南市历下区经十路100号");
        shop.GSPhone = QStringLiteral("0531-88886666");
        shop.GSFax = QStringLiteral("0531-88886667");
        shop.GSJianJie = QStringLiteral("本店主营各类品牌空调、冰箱、洗衣机、电视机及小家电，所售商品均为正品行货，"
                                        "享受厂家全国联保，市区免费送货安装。");
        return true;
    }
};
