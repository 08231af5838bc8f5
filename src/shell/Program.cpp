// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/Program.h"

#include "platform/FileFolders.h"
#include "session/QuitSignals.h"
#include "shell/DisplayCheck.h"
#include "shell/MainWindow.h"
#include "shell/ProgramIcon.h"
#include "shell/SurfaceFormat.h"
#include "shell/Translations.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>

namespace orvane {

int RunProgram(char** argv, const std::string& replayFile, RandomSource* random)
{
    // First of all, so that a signal during start-up is kept until the window can close.
    const int quitSignals = InstallQuitSignals();
    SetDefaultSurfaceFormat();
    // The toolkit would read options of its own from the command line; the program takes none.
    int toolkitArgc = 1;
    DisplayCheck displayCheck;
    QApplication app(toolkitArgc, argv);
    displayCheck.Done();
    // The window's class is the application's name, which the desktop entry names as its
    // StartupWMClass; the entry's own name is the desktop file name.
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_DESKTOP_ID));
    QApplication::setWindowIcon(MakeProgramIcon());
    // The desktop's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), else English.
    const Translations translations;

    // Watched before the window is made: a start-up message box runs a loop of its own,
    // and a quit then closes it as its OK would and lets no other box open.
    bool quitSignalled = false;
    MainWindow* started = nullptr;
    QSocketNotifier quitWatcher(QSocketNotifier::Read);
    if (quitSignals >= 0) {
        quitWatcher.setSocket(quitSignals);
        quitWatcher.setEnabled(true);
    }
    QObject::connect(&quitWatcher, &QSocketNotifier::activated, [&] {
        if (!TakeQuitSignals(quitSignals))
            return;
        quitSignalled = true;
        if (started)
            started->CloseOnSignal();
        else if (QWidget* box = QApplication::activeModalWidget())
            box->close();
    });

    MainWindow window(ChooseFileFolders(QCoreApplication::applicationDirPath().toStdString(),
                          UserFoldersFromEnvironment()),
        random, nullptr, &quitSignalled);
    // Everything saved so far was written at once: nothing is left to save.
    if (quitSignalled)
        return 0;
    if (!window.Started())
        return 1;
    started = &window;
    window.CreateDialogs();
    // Shown once the loop runs, so that a box about the file has the window behind it.
    if (!replayFile.empty())
        QTimer::singleShot(
            0, &window, [&window, &replayFile] { window.windows().OpenReplayFile(replayFile); });
    // A network game's seat left less than a minute ago, when the program was ended, is
    // taken up again.
    else
        QTimer::singleShot(0, &window, [&window] { window.network().RejoinKeptSeat(); });
    window.RunMainLoop();
    return window.ExitStatus;
}

} // namespace orvane
