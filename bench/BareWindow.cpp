// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the idle benchmark: a plain window of the given client size that handles
// its events and sleeps out a 1/30 s frame, drawing nothing.
#include <QApplication>
#include <QThread>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setFixedSize(std::atoi(argv[1]), std::atoi(argv[2]));
    window.show();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(33);
    }
}
