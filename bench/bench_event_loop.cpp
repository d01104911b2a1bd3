// Every window of the command table opened the way the main window opens it, on a copy of the
// ten-year shop named by $QL_BENCH_DB (bench/run-all), with its longest actions run: statistics
// over ten years, the trend page over ten years, year-long lists and their previews, a monthly
// closing, a backup, clearing a month and, last, initialising everything. A 10 ms timer in the
// program's thread notes the largest gap between two of its ticks while the window is open: the
// longest time the event loop was blocked, during which the window could not repaint or take a
// click on "取消". The idle figure (the same timer with nothing to do) is printed in the same run.
// Usage: bench_event_loop [FILE [WINDOW...]]: with window class names, only those windows are run.

#include "AppContext.h"
#include "Commands.h"
#include "RegisteredWindows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <vector>

namespace {

// The largest gap between two ticks of a 10 ms timer since the last reset.
class Watchdog {
public:
    Watchdog()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start(10);
        m_clock.start();
        reset();
    }
    void reset()
    {
        m_last = m_clock.nsecsElapsed();
        m_longest = 0;
        m_sinceMark = 0;
    }
    void tick()
    {
        const qint64 now = m_clock.nsecsElapsed();
        m_longest = std::max(m_longest, now - m_last);
        m_sinceMark = std::max(m_sinceMark, now - m_last);
        m_last = now;
    }
    double longestMs()
    {
        tick();
        return m_longest / 1e6;
    }
    // The same for the part since the last mark.
    void mark()
    {
        tick();
        m_sinceMark = 0;
    }
    double longestMsSinceMark()
    {
        tick();
        return m_sinceMark / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0, m_longest = 0, m_sinceMark = 0;
};

template <class W>
W* Find(QWidget* form, const char* name)
{
    W* w = form->findChild<W*>(QLatin1String(name));
    if (!w)
        std::fprintf(stderr, "%s has no %s\n", qPrintable(form->objectName()), name);
    return w;
}

void Click(QWidget* form, const char* name)
{
    if (auto* b = Find<QAbstractButton>(form, name))
        b->click();
}

void Dates(QWidget* form, const char* fromName, const char* toName, QDate from, QDate to)
{
    if (auto* e = Find<QDateEdit>(form, fromName))
        e->setDate(from);
    if (auto* e = Find<QDateEdit>(form, toName))
        e->setDate(to);
}

const QDate TenYearsFrom(2016, 1, 1), YearFrom(2025, 1, 1), LastDay(2025, 12, 31);

using Action = std::function<void(QWidget* form)>;
struct Script {
    const char* what;
    std::vector<Action> actions;
};

// The longest actions of each window, by window class (a window not named here is only opened).
std::map<QString, Script> Scripts()
{
    const auto yearList = [](const char* from, const char* to, const char* query, const char* browse) {
        return std::vector<Action>{[=](QWidget* f) { Dates(f, from, to, YearFrom, LastDay); },
                                   [=](QWidget* f) { Click(f, query); }, [=](QWidget* f) { Click(f, browse); }};
    };
    std::map<QString, Script> s;
    s["TCX_XiaoShouForm"] = {"2025 listed, its preview", yearList("DateTimePicker1", "DateTimePicker2", "Button1",
                                                                  "BrowseButton1")};
    s["TCX_CaiGouForm"] = {"2025 listed, its preview", yearList("DateTimePicker1", "DateTimePicker2", "Button1",
                                                                "BrowseButton")};
    s["TCX_SZForm"] = {"ten years listed, their preview",
                       {[](QWidget* f) { Dates(f, "DateTimePicker1", "DateTimePicker2", TenYearsFrom, LastDay); },
                        [](QWidget* f) { Click(f, "CXButton"); }, [](QWidget* f) { Click(f, "BrowseButton"); }}};
    s["TCX_YGYJForm"] = {"ten years, their preview",
                         {[](QWidget* f) { Dates(f, "DateTimePicker1", "DateTimePicker2", TenYearsFrom, LastDay); },
                          [](QWidget* f) { Click(f, "Button1"); }, [](QWidget* f) { Click(f, "BrowseButton"); }}};
    s["TCX_KuCunForm"] = {"stock list preview", {[](QWidget* f) { Click(f, "Button2"); }}};
    s["TXSYSKForm"] = {"receivables preview", {[](QWidget* f) { Click(f, "BrowseButton"); }}};
    s["TCGYFKForm"] = {"payables preview", {[](QWidget* f) { Click(f, "BrowseButton"); }}};
    std::vector<Action> profit{[](QWidget* f) { Dates(f, "DateTimePicker1", "DateTimePicker2", TenYearsFrom, LastDay); }};
    for (int page = 0; page < 7; ++page)
        profit.push_back([page](QWidget* f) {
            if (auto* tabs = Find<QTabWidget>(f, "PageControl1"))
                page == tabs->currentIndex() ? Click(f, "Button1") : tabs->setCurrentIndex(page);
        });
    profit.push_back([](QWidget* f) {
        Dates(f, "DateTimePicker1", "DateTimePicker2", YearFrom, LastDay);
        Find<QTabWidget>(f, "PageControl1")->setCurrentIndex(0);
    });
    profit.push_back([](QWidget* f) { Click(f, "BrowseButton"); });
    s["TCX_XSLRForm"] = {"every page over ten years, 2025 by document and its preview", profit};
    s["TJieQunForm"] = {"closing the default months", {[](QWidget* f) { Click(f, "JQButton"); }}};
    s["TClearDataForm"] = {"clearing the first month listed", {[](QWidget* f) { Click(f, "ClearButton"); }}};
    s["TInitSYSForm"] = {"initialising everything",
                         {[](QWidget* f) { Click(f, "SetAllButton"); }, [](QWidget* f) { Click(f, "ClearButton"); }}};
    s["TDataBAK_Form"] = {"backup of the whole file", {[](QWidget* f) {
                              if (auto* e = Find<QLineEdit>(f, "Edit1"))
                                  e->setText(QDir::temp().filePath(QStringLiteral("bench_event_loop_backup.data")));
                          },
                                                       [](QWidget* f) { Click(f, "Button2"); }}};
    return s;
}

// Opens one command's window through its opener and runs the script inside it; any other modal
// window that comes up (a preview, a print preview) is painted once and closed as soon as it is shown, while a
// progress window is left to its work.
double RunWindow(AppContext& context, const Command& command, const Script* script, Watchdog& watchdog)
{
    QWidget* form = nullptr;
    size_t next = 0;
    // A timer is not run again while its own handler runs, so the window that an action opens is
    // closed by a second one.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (form && modal && modal != form && !qobject_cast<QProgressDialog*>(modal)) {
            fprintf(stderr, "closing %s\n", modal->metaObject()->className());
            modal->grab();  // painted once, as on a screen
            modal->close();
        }
    });
    closer.start(20);
    QTimer driver;
    QObject::connect(&driver, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!form && !qobject_cast<QProgressDialog*>(modal))
            form = modal;
        if (!form || modal != form)
            return;
        // Each action's own longest gap goes to stderr, to tell which one blocks.
        std::fprintf(stderr, "  %s %zu: longest %.0f ms\n", next ? "action" : "opening", next,
                     watchdog.longestMsSinceMark());
        watchdog.mark();
        if (script && next < script->actions.size())
            script->actions[next++](form);
        else
            form->close();
    });
    driver.start(20);
    watchdog.reset();
    command.opener(context, nullptr, command.kind);
    return watchdog.longestMs();
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString shop = argc > 1 ? QString::fromLocal8Bit(argv[1]) : qEnvironmentVariable("QL_BENCH_DB");
    if (shop.isEmpty() || !QFile::exists(shop)) {
        std::fprintf(stderr, "usage: bench_event_loop FILE [WINDOW...] (or set QL_BENCH_DB to the ten-year shop)\n");
        return 2;
    }
    // A copy, since closing, clearing and initialising write to it.
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("bench_event_loop-XXXXXX")));
    QDir(folder.path()).mkpath(QStringLiteral("Data"));
    if (!QFile::copy(shop, folder.filePath(QStringLiteral("Data/db.data")))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(shop));
        return 2;
    }
    AppContext context(folder.path() + u'/');
    RecordingPrompts prompts;
    context.prompts = &prompts;
    context.LoginUser.UserName = QStringLiteral("admin");
    if (QString error; !context.InitSystem(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    RegisterWindows();

    Watchdog watchdog;
    {
        QElapsedTimer idle;
        idle.start();
        watchdog.reset();
        while (idle.elapsed() < 500)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        std::printf("idle event loop: longest gap %.1f ms\n", watchdog.longestMs());
    }

    // The windows that write come last, initialisation at the very end.
    const QStringList writers{QStringLiteral("TJieQunForm"), QStringLiteral("TClearDataForm"),
                              QStringLiteral("TInitSYSForm")};
    QStringList only;
    for (int i = 2; i < argc; ++i)
        only << QString::fromLocal8Bit(argv[i]);
    const auto chosen = [&](const Command& c) { return c.opener && (only.isEmpty() || only.contains(c.window)); };
    std::vector<const Command*> order;
    for (const Command& c : CommandTable())
        if (chosen(c) && !writers.contains(c.window))
            order.push_back(&c);
    for (const QString& w : writers)
        for (const Command& c : CommandTable())
            if (chosen(c) && c.window == w)
                order.push_back(&c);

    const std::map<QString, Script> scripts = Scripts();
    std::printf("| window | kind | actions | longest blocked ms | total s |\n| --- | ---: | --- | ---: | ---: |\n");
    double worst = 0;
    for (const Command* c : order) {
        const auto found = scripts.find(c->window);
        const Script* script = found == scripts.end() ? nullptr : &found->second;
        QElapsedTimer total;
        total.start();
        const double blocked = RunWindow(context, *c, script, watchdog);
        worst = std::max(worst, blocked);
        std::printf("| %s | %d | %s | %.0f | %.1f |\n", qPrintable(c->window), c->kind ? int(*c->kind) : 0, script ? script->what : "opening",
                    blocked, total.elapsed() / 1000.0);
        std::fflush(stdout);
    }
    std::printf("longest blocked of all windows: %.0f ms (goal 200 ms)\n", worst);
    for (const auto& e : prompts.entries)
        if (e.kind == RecordingPrompts::Entry::Error)
            std::printf("error shown: %s\n", qPrintable(e.text));
    QFile::remove(QDir::temp().filePath(QStringLiteral("bench_event_loop_backup.data")));
    return 0;
}
