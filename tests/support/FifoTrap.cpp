#include "FifoTrap.h"

#include <QFile>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FifoTrap::FifoTrap(const QString& path) : m_path(path) {
    const QByteArray native = QFile::encodeName(path);
    m_valid = ::mkfifo(native.constData(), 0600) == 0;
    if (!m_valid)
        return;
    m_watch = std::thread([this, native] {
        while (!m_stop) {
            const int fd = ::open(native.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_opened = true;
                ::close(fd);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
}

FifoTrap::~FifoTrap() {
    m_stop = true;
    if (m_watch.joinable())
        m_watch.join();
    if (m_valid)
        QFile::remove(m_path);
}
