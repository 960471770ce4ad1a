// Cost of one drag update: a note window is dragged back and forth by its handler, off screen,
// and the time per update is printed.
#include "note/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The off-screen platform warns that it cannot raise windows; that is not what is measured.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    frmMain note;
    note.show();
    clsDockingHandler* handler = note.dockingHandler();
    const int updates = 20000;
    handler->StartDockDrag(1000, 1000);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < updates; ++i) {
        // Every update moves the window by 15 twips, away from every edge.
        const float x = 1000 + ((i % 2) ? 15.0f : -15.0f);
        handler->UpdateDockDrag(x, 1000);
    }
    const double ns = double(timer.nsecsElapsed()) / updates;
    std::printf("one drag update: %.1f us (%d updates)\n", ns / 1000.0, updates);
    return 0;
}
