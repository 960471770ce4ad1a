#include "store/RunningCopy.h"

#include "platform/AtomicFile.h"
#include "store/NoteDocument.h"
#include "store/modNote.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSet>

namespace {

const QString Prefix = QStringLiteral("running-");
const QString CopySuffix = QStringLiteral(".dat");
const QString LockSuffix = QStringLiteral(".lock");
// QLockFile's own name for the lock it holds while it breaks a stale lock.
const QString BreakerSuffix = QStringLiteral(".rmlock");

// The part of a running copy's or lock's file name that names its run.
QString runOf(const QString& fileName) {
    for (const QString& suffix : {CopySuffix, LockSuffix}) {
        if (fileName.startsWith(Prefix) && fileName.endsWith(suffix))
            return fileName.mid(Prefix.size(), fileName.size() - Prefix.size() - suffix.size());
    }
    return QString();
}

// The files in the folder whose names start with the running copies' prefix, in name order. The
// folder is listed whole and the names are picked here: a name filter would cost a regular
// expression compiled for every start.
QStringList prefixedFiles(const QString& folder) {
    QStringList names =
        QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    names.removeIf([](const QString& name) { return !name.startsWith(Prefix); });
    return names;
}

} // namespace

RunningCopy::RunningCopy(const QString& folder, QObject* parent)
    : QObject(parent), m_folder(folder) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(CoalesceMs);
    connect(&m_timer, &QTimer::timeout, this, &RunningCopy::writeInBackground);
}

RunningCopy::~RunningCopy() {
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

bool RunningCopy::start(QString* error) {
    if (!AtomicFile::makePrivateFolder(m_folder, error))
        return false;
    // The process id keeps names apart between living runs; the random part keeps a new run from
    // taking the name of a dead one whose id came round again.
    const QString run = QString::number(QCoreApplication::applicationPid()) + u'-' +
                        QString::number(QRandomGenerator::global()->generate(), 16);
    auto lock = std::make_unique<QLockFile>(m_folder + u'/' + Prefix + run + LockSuffix);
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (error)
            *error = tr("The running copy's lock cannot be taken.");
        return false;
    }
    m_lock = std::move(lock);
    m_path = m_folder + u'/' + Prefix + run + CopySuffix;
    m_worker = std::thread([this] { workerLoop(); });
    return true;
}

void RunningCopy::schedule() {
    if (m_lock && !m_frozen)
        m_timer.start();
}

void RunningCopy::freeze() {
    m_frozen = true;
    m_timer.stop();
}

void RunningCopy::writeInBackground() {
    if (!m_lock || !m_source || m_frozen)
        return;
    QList<NoteRecord> records = m_source();
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_next = std::move(records);
        m_nextAbsorbed = m_absorbed;
        m_nextGeneration = ++m_generation;
    }
    m_wake.notify_one();
}

bool RunningCopy::writeNow(QString* error) {
    m_timer.stop();
    if (!m_lock || !m_source || m_frozen)
        return false;
    const QList<NoteRecord> records = m_source();
    quint64 generation = 0;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        // Whatever waits for the worker is older than this.
        m_next.clear();
        m_nextGeneration = 0;
        generation = ++m_generation;
    }
    return writeRecords(records, m_absorbed, generation, error);
}

bool RunningCopy::writeRecords(const QList<NoteRecord>& records, const QStringList& absorbed,
                               quint64 generation, QString* error) {
    const QByteArray bytes = NoteDocument::storeForm(records, absorbed);
    std::lock_guard<std::mutex> guard(m_writeMutex);
    if (generation <= m_written)
        return true;
    if (!AtomicFile::write(m_path, bytes, AtomicFile::Access::Private, error))
        return false;
    m_written = generation;
    return true;
}

void RunningCopy::workerLoop() {
    for (;;) {
        QList<NoteRecord> records;
        QStringList absorbed;
        quint64 generation = 0;
        {
            std::unique_lock<std::mutex> guard(m_mutex);
            m_wake.wait(guard, [this] { return m_quit || m_nextGeneration != 0; });
            if (m_quit)
                return;
            records = std::move(m_next);
            absorbed = std::move(m_nextAbsorbed);
            generation = m_nextGeneration;
            m_next.clear();
            m_nextGeneration = 0;
        }
        // A failed write leaves the last good copy; the next change tries again.
        QString error;
        const bool written = writeRecords(records, absorbed, generation, &error);
        if (!written && !m_failing)
            QMetaObject::invokeMethod(
                this, [this, error] { emit writeFailed(error); }, Qt::QueuedConnection);
        m_failing = !written;
        std::lock_guard<std::mutex> guard(m_mutex);
        ++m_writesDone;
    }
}

int RunningCopy::writesDone() const {
    std::lock_guard<std::mutex> guard(m_mutex);
    return m_writesDone;
}

void RunningCopy::discard() {
    m_timer.stop();
    if (!m_lock)
        return;
    {
        std::lock_guard<std::mutex> guard(m_mutex);
        m_quit = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    QFile::remove(m_path);
    m_lock->unlock();
    m_lock.reset();
}

// A start that breaks a dead run's lock holds "<lock>.rmlock" while it does; killed right then, it
// leaves that file behind, and as every run's lock has its own name nothing would ever need or
// remove it again. One whose holder is gone is taken (which removes it) and let go.
void RunningCopy::removeDeadLockBreakers(const QStringList& names) const {
    for (const QString& name : names) {
        if (!name.endsWith(LockSuffix + BreakerSuffix))
            continue;
        QLockFile breaker(m_folder + u'/' + name);
        breaker.setStaleLockTime(0);
        if (breaker.tryLock(0))
            breaker.unlock();
    }
}

QList<NoteRecord> RunningCopy::adoptOrphans() {
    const QStringList names = prefixedFiles(m_folder);
    removeDeadLockBreakers(names);
    const QString ownName = QFileInfo(m_path).fileName();
    QStringList runs;
    for (const QString& name : names) {
        const QString run = runOf(name);
        if (!run.isEmpty() && !runs.contains(run) && Prefix + run + CopySuffix != ownName)
            runs << run;
    }
    // Every copy, a living run's too, names the copies whose notes it took over: a crash between
    // writing the new copy and deleting the old ones must not open those notes twice.
    QHash<QString, NoteDocument::Parsed> copies;
    QSet<QString> superseded;
    for (const QString& run : runs) {
        const QString copy = m_folder + u'/' + Prefix + run + CopySuffix;
        if (!QFile::exists(copy))
            continue;
        const NoteDocument::Parsed parsed = modNote::ReadDocument(copy);
        for (const QString& name : parsed.absorbed)
            superseded.insert(name);
        copies.insert(run, parsed);
    }
    QList<NoteRecord> notes;
    for (const QString& run : runs) {
        auto lock = std::make_unique<QLockFile>(m_folder + u'/' + Prefix + run + LockSuffix);
        lock->setStaleLockTime(0);
        // Held: its run is alive (or another start is adopting it right now).
        if (!lock->tryLock(0))
            continue;
        const QString name = Prefix + run + CopySuffix;
        const auto found = copies.constFind(run);
        Orphan orphan{m_folder + u'/' + name, std::move(lock), true};
        if (found != copies.constEnd()) {
            if (!superseded.contains(name))
                notes += found->notes;
            for (const QString& taken : QStringList{name} + found->absorbed) {
                if (!m_absorbed.contains(taken))
                    m_absorbed << taken;
            }
            // A copy that does not read whole is kept aside for the user, never deleted.
            orphan.readable = found->complete;
        }
        m_orphans.push_back(std::move(orphan));
    }
    return notes;
}

void RunningCopy::releaseOrphans() {
    for (Orphan& orphan : m_orphans) {
        if (orphan.readable)
            QFile::remove(orphan.copy);
        else
            QFile::rename(orphan.copy, orphan.copy + QStringLiteral(".unreadable"));
        // A run killed in the middle of a write leaves its temporary file beside the copy.
        const QFileInfo copy(orphan.copy);
        for (const QString& name : copy.dir().entryList({copy.fileName() + QStringLiteral(".*")},
                                                        QDir::Files | QDir::Hidden)) {
            if (!name.endsWith(QLatin1String(".unreadable")))
                QFile::remove(copy.dir().filePath(name));
        }
        orphan.lock->unlock();
    }
    m_orphans.clear();
}
