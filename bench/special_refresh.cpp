// Cost of one refresh of each special note, with this machine's real memory figures and
// volumes: the text alone, and the text written into a note's text box.
#include "platform/RichTextBox.h"
#include "special/modSpecialNote.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {
void measure(const char* what, int runs, const std::function<void()>& refresh) {
    refresh();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i)
        refresh();
    std::printf("%-28s %8.1f us (%d runs)\n", what, double(timer.nsecsElapsed()) / runs / 1000.0,
                runs);
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Warnings of the off-screen platform are not what is measured.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    RichTextBox box;
    const int drives = int(SystemInfo::current().drives().size());
    std::printf("volumes listed as drives: %d\n", drives);
    measure("drive list text", 200, [] { modSpecialNote::GetDriveListText(); });
    measure("drives note refresh", 200, [&box] { modSpecialNote::ShowDrivesNote(box); });
    measure("memory note refresh", 200, [&box] { modSpecialNote::ShowMemoryNote(box); });
    measure("time note refresh", 2000, [&box] { modSpecialNote::ShowTimeNote(box); });
    return 0;
}
