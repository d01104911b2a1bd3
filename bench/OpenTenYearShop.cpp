#include "OpenTenYearShop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

std::unique_ptr<TenYearShopContext> OpenTenYearShop()
{
    const QString shop = qEnvironmentVariable("QL_BENCH_DB");
    if (shop.isEmpty() || !QFile::exists(shop)) {
        std::fprintf(stderr, "set QL_BENCH_DB to the ten-year shop (bench/run-all writes it)\n");
        return nullptr;
    }
    auto opened = std::make_unique<TenYearShopContext>();
    QDir(opened->folder.path()).mkpath(QStringLiteral("Data"));
    QFile::link(QFileInfo(shop).absoluteFilePath(), opened->folder.filePath(QStringLiteral("Data/db.data")));
    opened->context = std::make_unique<AppContext>(opened->folder.path() + u'/');
    if (QString error; !opened->context->DM.ConnectDB(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return nullptr;
    }
    return opened;
}
