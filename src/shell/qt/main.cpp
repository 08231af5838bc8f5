#include "platform/FileFolders.h"
#include "shell/QuitSignals.h"
#include "shell/qt/ProgramIcon.h"
#include "shell/qt/SurfaceFormat.h"
#include "shell/qt/TMainForm.h"

#include <QApplication>
#include <QSocketNotifier>

int main(int argc, char** argv)
{
    // First of all, so that a signal during start-up is kept until the window can close.
    const int quitSignals = orvane::InstallQuitSignals();
    orvane::SetDefaultSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orvane"));
    QApplication::setWindowIcon(orvane::MakeProgramIcon());

    orvane::TMainForm mainForm(
        orvane::ChooseFileFolders(QCoreApplication::applicationDirPath().toStdString(),
            orvane::UserFoldersFromEnvironment()));
    if (!mainForm.Started())
        return 1;
    mainForm.CreateDialogs();
    QSocketNotifier quitWatcher(QSocketNotifier::Read);
    if (quitSignals >= 0) {
        quitWatcher.setSocket(quitSignals);
        quitWatcher.setEnabled(true);
    }
    QObject::connect(&quitWatcher, &QSocketNotifier::activated, [&] {
        if (orvane::TakeQuitSignals(quitSignals))
            mainForm.CloseOnSignal();
    });
    mainForm.RunMainLoop();
    return 0;
}
