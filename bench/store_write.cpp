// What keeping notes on disk costs: the logoff's one store write against one append per note,
// and one running-copy write, at the sizes users meet. Prints figures only (milliseconds, the
// median of several rounds).
#include "store/NoteDocument.h"
#include "store/RunningCopy.h"
#include "store/modNote.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

QList<NoteRecord> notes(int count) {
    QList<NoteRecord> list;
    for (int i = 0; i < count; ++i)
        list.append({"yellow",
                     {},
                     QString("Note %1\r\nwith a second line of some length").arg(i),
                     2865,
                     3345,
                     1500 + i,
                     1500 + i,
                     "12/6/2026 9:15:58 AM"});
    return list;
}

double medianMs(int rounds, const std::function<void()>& setUp, const std::function<void()>& run) {
    std::vector<double> times;
    for (int r = 0; r < rounds; ++r) {
        setUp();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    QCoreApplication app(argc, argv);
    const auto noStore = [] { QFile::remove(modNote::StorePath()); };

    for (const int count : {100, 1000}) {
        const QList<NoteRecord> list = notes(count);
        const double once = medianMs(5, noStore, [&] { modNote::AppendNotesToStore(list); });
        const double each = medianMs(count > 100 ? 1 : 3, noStore, [&] {
            for (const NoteRecord& n : list)
                modNote::AppendNoteToStore(n);
        });
        std::printf("logoff of %4d notes: one write %8.1f ms, one append per note %8.1f ms\n",
                    count, once, each);
    }

    RunningCopy copy(modNote::StoreFolder());
    copy.start();
    const QList<NoteRecord> hundred = notes(100);
    copy.setSource([&hundred] { return hundred; });
    const double build = medianMs(
        21, [] {}, [&] { (void)NoteDocument::storeForm(hundred); });
    const double write = medianMs(
        21, [] {}, [&] { copy.writeNow(); });
    std::printf("running copy of 100 notes: building the document %.2f ms, "
                "the whole write (flushed and synced) %.2f ms\n",
                build, write);
    copy.discard();
    return 0;
}
