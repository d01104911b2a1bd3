// Runs the shop's stream of operations on a database until it is killed:
//   CrashChild FILE|postgresql://URI SEED START
// replays the first START operations on the model alone (the database already holds them), writes
// "ready", then runs the stream on the database and writes the number of operations done after each.

#include "Database.h"
#include "ModelShop.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fputs("usage: CrashChild FILE|postgresql://URI SEED START\n", stderr);
        return 2;
    }
    Database db(QStringLiteral("crash"));
    db.open(args[1].startsWith(QLatin1String("postgresql://")) ? DatabaseTarget::server(args[1]) : DatabaseTarget::file(args[1]));
    ModelShop shop(args[2].toUInt());
    shop.open(nullptr);
    const int start = args[3].toInt();
    while (shop.done() < start)
        shop.next(nullptr);
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    // Bounded, in case nobody kills it.
    while (shop.done() < start + 100000) {
        shop.next(&db);
        std::printf("%d\n", shop.done());
        std::fflush(stdout);
    }
    return 0;
}
