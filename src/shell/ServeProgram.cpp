// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ServeProgram.h"

#include "network/HostServer.h"
#include "platform/CounterSource.h"
#include "platform/Random.h"
#include "session/QuitSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cstdio>

namespace orvane {

int RunServer(char** argv, std::optional<uint16_t> port)
{
    const int quitSignals = InstallQuitSignals();
    RaiseOpenFileLimit();
    int toolkitArgc = 1;
    QCoreApplication app(toolkitArgc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));

    SteadyCounter counter;
    ClockSeededRandom random;
    random.SeedFromClock();
    HostServer server(random, counter);
    QString problem;
    if (!server.Listen(port.value_or(net::DefaultPort), problem)) {
        std::fprintf(stderr, "orvane: %s\n", problem.toLocal8Bit().constData());
        return 1;
    }
    server.AnnounceOnLocalNetwork();
    std::printf("orvane: hosting network games on port %u\n", static_cast<unsigned>(server.Port()));
    std::fflush(stdout);

    QSocketNotifier quitWatcher(QSocketNotifier::Read);
    if (quitSignals >= 0) {
        quitWatcher.setSocket(quitSignals);
        quitWatcher.setEnabled(true);
    }
    QObject::connect(&quitWatcher, &QSocketNotifier::activated, [&] {
        if (TakeQuitSignals(quitSignals))
            QCoreApplication::quit();
    });
    const int result = QCoreApplication::exec();
    const MoveTimeSummary moves = server.MoveTimes();
    std::printf("orvane: %llu moves; host move time median %.3f ms, 95th percentile %.3f ms, "
                "slowest %.3f ms\n",
        static_cast<unsigned long long>(moves.Count), moves.MedianMs, moves.Percentile95Ms,
        moves.SlowestMs);
    std::fflush(stdout);
    return result;
}

} // namespace orvane
