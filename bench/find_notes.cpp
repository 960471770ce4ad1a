// What the note finder costs with thousands of notes: taking them in (folding every text once),
// and each key stroke of queries typed one character at a time, the list view laid out again
// each time, as it is on screen. Prints figures only (milliseconds).
#include "note/FindNoteList.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const Words[] = {
    "crème",  "brûlée",  "meeting",  "Tuesday", "shopping", "list",    "milk",
    "bread",  "call",    "Zoë",      "invoice", "Straße",   "garden",  "naïve",
    "idea",   "project", "deadline", "café",    "birthday", "present", "résumé",
    "budget", "travel",  "ticket",   "über",    "doctor",   "review",
};

// About `bytes` of text in lines of words, the same for every run.
QString noteText(QRandomGenerator& random, int bytes) {
    QString text;
    while (text.size() < bytes) {
        text += QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]);
        text += random.bounded(9) == 0 ? QStringLiteral("\r\n") : QStringLiteral(" ");
    }
    return text;
}

struct Figures {
    double median = 0;
    double max = 0;
};

Figures figures(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.back()};
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? QByteArray(argv[1]).toInt() : 5000;
    const int bytes = argc > 2 ? QByteArray(argv[2]).toInt() : 1024;

    QRandomGenerator random(42);
    QList<NoteRecord> records;
    for (int i = 0; i < count; ++i)
        records.append({"yellow", {}, noteText(random, bytes), 2865, 3345, 0, 0, "1/2/2026"});

    QElapsedTimer timer;
    timer.start();
    std::vector<FoundNote> notes;
    notes.reserve(size_t(count));
    for (const NoteRecord& r : records)
        notes.push_back(FoundNote::fromRecord(r, false));
    FindNoteList list;
    list.setNotes(std::move(notes));
    const double takeIn = double(timer.nsecsElapsed()) / 1e6;

    QListView view;
    view.setUniformItemSizes(true);
    view.setModel(&list);
    view.resize(420, 520);
    view.show();
    QCoreApplication::processEvents();

    // Typed a character at a time; the backspaces of the last query widen the search again.
    const QStringList queries = {"creme brulee", "strasse tuesday", "zz", "invoice cafe"};
    std::vector<double> strokes;
    for (const QString& query : queries) {
        QString typed;
        QStringList steps;
        for (const QChar c : query)
            steps << (typed += c);
        for (int i = int(query.size()) - 1; i >= 0; --i)
            steps << query.left(i);
        for (const QString& step : steps) {
            timer.restart();
            list.setQuery(step);
            view.doItemsLayout();
            view.viewport()->repaint();
            strokes.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
    }
    const Figures f = figures(strokes);
    std::printf("note finder, %d notes of %d characters:\n", count, bytes);
    std::printf("  taking the notes in: %.1f ms\n", takeIn);
    std::printf("  a key stroke (%zu typed, filter and list laid out and drawn): median %.2f ms, "
                "slowest %.2f ms\n",
                strokes.size(), f.median, f.max);
    return 0;
}
