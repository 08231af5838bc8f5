#include "shell/qt/Program.h"

#include "platform/FileFolders.h"
#include "shell/QuitSignals.h"
#include "shell/qt/ProgramIcon.h"
#include "shell/qt/SurfaceFormat.h"
#include "shell/qt/TMainForm.h"

#include <QApplication>
#include <QSocketNotifier>

namespace orvane {

int RunProgram(int argc, char** argv, RandomSource* random)
{
    // First of all, so that a signal during start-up is kept until the window can close.
    const int quitSignals = InstallQuitSignals();
    SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setWindowIcon(MakeProgramIcon());

    TMainForm mainForm(ChooseFileFolders(QCoreApplication::applicationDirPath().toStdString(),
                           UserFoldersFromEnvironment()),
        random);
    if (!mainForm.Started())
        return 1;
    mainForm.CreateDialogs();
    QSocketNotifier quitWatcher(QSocketNotifier::Read);
    if (quitSignals >= 0) {
        quitWatcher.setSocket(quitSignals);
        quitWatcher.setEnabled(true);
    }
    QObject::connect(&quitWatcher, &QSocketNotifier::activated, [&] {
        if (TakeQuitSignals(quitSignals))
            mainForm.CloseOnSignal();
    });
    mainForm.RunMainLoop();
    return mainForm.ExitStatus;
}

} // namespace orvane
