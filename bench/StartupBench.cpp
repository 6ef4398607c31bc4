// Start-up cost of the launcher window against a bare window carrying the
// same form, measured side by side in one run, rounds interleaved so that
// both see the same machine state. Usage: bench_startup [rounds]
#include "MainWindow.h"
#include "MainWindowForm.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QNetworkInterface>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

double elapsedMs(const std::function<void()>& step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Shows a window and waits until the platform has put it on screen.
void showAndWait(QWidget* window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        std::fprintf(stderr, "window never exposed\n");
}

// Deletes a window outside the timed part, deferred deletions included.
void dispose(QWidget* window)
{
    delete window;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 30;
    constexpr int warmUp = 3;

    // A launcher folder with a settings file naming an existing game, as a user has it.
    QTemporaryDir dir;
    const QString game = dir.filePath(QStringLiteral("starcraft.exe"));
    QFile(game).open(QIODevice::WriteOnly);
    QFile config(dir.filePath(QStringLiteral("config.txt")));
    config.open(QIODevice::WriteOnly);
    config.write("PATH=" + QFile::encodeName(game)
                 + "\nFIREWALL_EXCEPTION=1\nCOMPABILITY=1\nPALETTE=1\nADMINISTRATOR=1\n");
    config.close();
    const QString programPath = dir.filePath(QStringLiteral("velkaro"));

    std::map<std::string, std::vector<double>> times;
    auto record = [&](int round, const char* name, double ms) {
        if (round >= warmUp)
            times[name].push_back(ms);
    };

    // Start-up steps on their own, each on a standing window so that only the step counts.
    MainWindow probe(programPath);

    for (int round = 0; round < rounds + warmUp; ++round) {
        // Alternate which goes first so that neither always meets a warmer cache.
        for (int turn = 0; turn < 2; ++turn) {
            if ((round + turn) % 2 == 0) {
                MainWindow* w = nullptr;
                const double build = elapsedMs([&] { w = new MainWindow(programPath); });
                const double show = elapsedMs([&] { showAndWait(w); });
                record(round, "a launcher: construct", build);
                record(round, "a launcher: show", show);
                record(round, "a launcher: total", build + show);
                dispose(w);
            } else {
                QMainWindow* w = nullptr;
                MainWindowForm form;
                const double build = elapsedMs([&] {
                    w = new QMainWindow;
                    form.setupForm(w);
                });
                const double show = elapsedMs([&] { showAndWait(w); });
                record(round, "b bare form: construct", build);
                record(round, "b bare form: show", show);
                record(round, "b bare form: total", build + show);
                dispose(w);
            }
        }
        record(round, "step detectOsVersion", elapsedMs([&] { probe.detectOsVersion(); }));
        record(round, "step isForceBindIPInstalled", elapsedMs([&] { probe.isForceBindIPInstalled(); }));
        record(round, "step lookupInstallPath", elapsedMs([&] { probe.lookupInstallPath(); }));
        record(round, "step loadConfig", elapsedMs([&] { probe.loadConfig(); }));
        record(round, "step QNetworkInterface::allInterfaces", elapsedMs([] { QNetworkInterface::allInterfaces(); }));
        record(round, "step collectNetworks", elapsedMs([&] { probe.collectNetworks(); }));
        record(round, "step findHamachiIP", elapsedMs([&] { probe.findHamachiIP(); }));
    }

    std::printf("platform %s, %d rounds (+%d warm-up), medians in ms\n",
                qPrintable(QGuiApplication::platformName()), rounds, warmUp);
    for (const auto& [name, values] : times)
        std::printf("  %-40s %8.3f\n", name.c_str(), median(values));
    const double a = median(times["a launcher: total"]);
    const double b = median(times["b bare form: total"]);
    std::printf("ratio a/b %.3f (launcher adds %.3f ms, %+.1f%%; target at most +10%%)\n", a / b, a - b,
                (a / b - 1) * 100);
    // Rounds differ in order of running, so the per-round ratio tells how steady the ratio is.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < times["a launcher: total"].size(); ++i)
        ratios.push_back(times["a launcher: total"][i] / times["b bare form: total"][i]);
    std::printf("per-round ratio: median %.3f, min %.3f, max %.3f\n", median(ratios),
                *std::min_element(ratios.begin(), ratios.end()), *std::max_element(ratios.begin(), ratios.end()));
    return 0;
}
