#include "platform/FileFolders.h"
#include "shell/qt/ProgramIcon.h"
#include "shell/qt/SurfaceFormat.h"
#include "shell/qt/TMainForm.h"

#include <QApplication>

int main(int argc, char** argv)
{
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
    mainForm.RunMainLoop();
    return 0;
}
