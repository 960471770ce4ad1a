#pragma once
#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

// A FIFO that notices when anything opens it to read. Such an open blocks until a writer comes,
// so a program that follows a hostile reference to a FIFO hangs. The trap's thread keeps trying
// to open the FIFO for writing without blocking, which succeeds only while a reader waits; it
// then closes it at once, so the reader sees end-of-file and goes on instead of hanging the test.
class FifoTrap {
public:
    explicit FifoTrap(const QString& path)
        : m_path(path), m_valid(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0) {
        if (m_valid)
            m_watch = std::thread([this, native = QFile::encodeName(path)] {
                for (; !m_stop; std::this_thread::sleep_for(std::chrono::milliseconds(2))) {
                    if (const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                        m_opened = true;
                        ::close(fd);
                    }
                }
            });
    }
    ~FifoTrap() {
        m_stop = true;
        if (m_watch.joinable())
            m_watch.join();
        if (m_valid)
            QFile::remove(m_path);
    }
    FifoTrap(const FifoTrap&) = delete;
    FifoTrap& operator=(const FifoTrap&) = delete;

    bool isValid() const { return m_valid; }
    QString path() const { return m_path; }
    // Whether anything has opened the FIFO to read so far.
    bool wasOpened() const { return m_opened; }

private:
    QString m_path;
    bool m_valid = false;
    std::atomic<bool> m_opened{false};
    std::atomic<bool> m_stop{false};
    std::thread m_watch;
};
