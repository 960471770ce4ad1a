#pragma once
#include "store/NoteRecord.h"

#include <QList>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// While Pinleaf runs, a copy of its open notes lives in a file of its own beside the store
// ("running-<id>.dat", the store's format), guarded by a lock file that shows the process is
// alive. A crash, a kill or a lost display therefore loses at most the last second of typing:
// the next start finds the copy whose owner is gone and opens its notes again.
class RunningCopy : public QObject {
    Q_OBJECT
public:
    using Source = std::function<QList<NoteRecord>()>;

    // Changes are written once they have stopped for this long.
    static constexpr int CoalesceMs = 1000;

    explicit RunningCopy(const QString& folder, QObject* parent = nullptr);
    ~RunningCopy() override;

    // Takes this run's lock. False (and `error` says why) when the folder cannot hold it.
    bool start(QString* error = nullptr);
    // The file of this run's copy.
    QString path() const { return m_path; }

    // Where the notes to be written come from, asked on this thread at each write.
    void setSource(Source source) { m_source = std::move(source); }

    // Something in a note changed: the copy is rewritten, away from the user interface thread,
    // once no further change has come for CoalesceMs.
    void schedule();
    bool isScheduled() const { return m_timer.isActive(); }

    // Writes the notes now and waits for it; a scheduled write is no longer needed.
    bool writeNow(QString* error = nullptr);

    // No more writes: the notes are leaving their windows, and the copy keeps what it holds.
    void freeze();

    // A clean end: the copy and its lock go.
    void discard();

    // The notes of runs that did not end cleanly, their locks now held by this run. Copies
    // whose owner still runs are left alone.
    QList<NoteRecord> adoptOrphans();
    // Once this run's copy holds the adopted notes: their files and locks go.
    void releaseOrphans();
    bool hasOrphans() const { return !m_orphans.empty(); }

    // Completed background writes, for tests and benchmarks.
    int writesDone() const;

signals:
    // A background write failed (the last good copy stays); `reason` is a sentence for the user.
    // Sent on the thread the copy lives in, once until a write succeeds again.
    void writeFailed(const QString& reason);

private:
    void removeDeadLockBreakers(const QStringList& names) const;

    struct Orphan {
        QString copy;
        std::unique_ptr<QLockFile> lock;
        bool readable = true;
    };
    void writeInBackground();
    void workerLoop();
    bool writeRecords(const QList<NoteRecord>& records, const QStringList& absorbed,
                      quint64 generation, QString* error);

    QString m_folder;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
    Source m_source;
    QTimer m_timer;
    std::vector<Orphan> m_orphans;
    // File names of the copies whose notes this run took over, named in every copy it writes.
    QStringList m_absorbed;

    // The background writer: the latest notes wait in m_next (the document is built on the
    // writer's thread); generations keep an older write from landing after a newer one.
    mutable std::mutex m_mutex;
    std::mutex m_writeMutex;
    std::condition_variable m_wake;
    QList<NoteRecord> m_next;
    QStringList m_nextAbsorbed;
    quint64 m_nextGeneration = 0;
    quint64 m_generation = 0;
    quint64 m_written = 0;
    int m_writesDone = 0;
    bool m_quit = false;
    bool m_frozen = false;
    bool m_failing = false; // worker thread only
    std::thread m_worker;
};
