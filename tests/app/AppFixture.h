#pragma once

// A program folder in a temporary directory with its database (created with the built-in
// administrator and the demonstration data), a context on it whose prompts are recorded, and the
// application object that shows escaped errors through the same recorder. The clock stands at
// FixtureNow (the demonstration data ends that day), so expected dates are worked out by hand.

#include "AppContext.h"
#include "Application.h"
#include "Prompts.h"
#include "ServerFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// Wednesday 18 March 2026, 09:30.
inline const QDateTime FixtureNow(QDate(2026, 3, 18), QTime(9, 30));

struct AppFixture {
    QTemporaryDir dir;
    RecordingPrompts prompts;
    std::optional<ServerDatabase> server;  // on the tests' server (TestServer.h), a copy of the template
    std::unique_ptr<AppContext> context;

    AppFixture()
    {
        QDir().mkpath(programDir() + "Data");
        if (const auto s = TestServer()) {
            server.emplace(*s, Template().server->name);
            UseServer(programDir(), server->target);
        } else {
            QFile::copy(Template().folder.filePath(QStringLiteral("Data/db.data")), programDir() + "Data/db.data");
        }
        restart();
    }

    QString programDir() const { return dir.path() + u'/'; }
    AppContext& ctx() { return *context; }

    // A fresh context on the same folder, as after starting the program again.
    AppContext& restart()
    {
        context.reset();
        context = std::make_unique<AppContext>(programDir());
        context->prompts = &prompts;
        context->clock().setFixed(FixtureNow);
        static_cast<QingLanApplication*>(QCoreApplication::instance())->setPrompts(&prompts);
        context->InitSystem();
        return *context;
    }

    // Signs the given user in as the login window does.
    void signIn(const TUser& user)
    {
        context->LoginUser = user;
        context->db().setOperator(user.UserName);
    }

private:
    // One database with the demonstration data, made once and copied for every fixture: the
    // program folder's file, or a database on the tests' server.
    struct Made {
        QTemporaryDir dir;
        QDir folder{dir.path()};
        std::optional<DatabaseTarget> server;  // left to the end of the tests' server
    };
    static Made& Template()
    {
        static Made made;
        static const bool connected = [] {
            if (const auto s = TestServer()) {
                made.server = NewServerDatabase(*s);
                UseServer(made.dir.path() + u'/', *made.server);
            }
            AppContext maker(made.dir.path() + u'/');
            maker.clock().setFixed(FixtureNow);
            return maker.DM.ConnectDB();
        }();
        Q_UNUSED(connected);
        return made;
    }
};

// Every flag granted, or none.
inline TUser UserWithFlags(const QString& name, std::uint8_t value)
{
    TUser u;
    u.UserName = name;
    u.UserPassword = QStringLiteral("pw");
    for (int i = 0; i < PermissionCount; ++i)
        u.flag(i) = value;
    return u;
}

// main() of a window test: the real application object (with its error handler) around QtTest.
#define QL_APP_TEST_MAIN(TestClass)                   \
    int main(int argc, char* argv[])                  \
    {                                                 \
        QingLanApplication app(argc, argv);           \
        TestClass test;                               \
        QTEST_SET_MAIN_SOURCE_PATH                    \
        return QTest::qExec(&test, argc, argv);       \
    }
