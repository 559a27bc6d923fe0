#include "ptylink.h"

#include "ioboardsimulator.h"

#include <algorithm>
#include <chrono>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

static bool openRawPty(int *master, int *slave, QString *path)
{
    char name[128] = {0};
    if (::openpty(master, slave, name, nullptr, nullptr) != 0)
        return false;
    termios raw;
    if (::tcgetattr(*slave, &raw) == 0) {
        ::cfmakeraw(&raw);
        ::tcsetattr(*slave, TCSANOW, &raw);
    }
    ::fcntl(*master, F_SETFL, ::fcntl(*master, F_GETFL) | O_NONBLOCK);
    *path = QString::fromLocal8Bit(name);
    IoBoardSimulator::removeLeftLock(*path);
    return true;
}

PtyLink::PtyLink()
{
    m_valid = openRawPty(&m_nearMaster, &m_nearSlave, &m_nearPath)
              && openRawPty(&m_farMaster, &m_farSlave, &m_farPath);
    if (m_valid)
        m_thread = std::thread([this] { relay(); });
}

PtyLink::~PtyLink()
{
    m_stop = true;
    if (m_thread.joinable())
        m_thread.join();
    for (int fd : {m_nearMaster, m_nearSlave, m_farMaster, m_farSlave}) {
        if (fd >= 0)
            ::close(fd);
    }
}

static void writeAll(int fd, const char *data, ssize_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n <= 0)
            return;
        data += n;
        size -= n;
    }
}

void PtyLink::sendFromFar(const QByteArray &bytes)
{
    // What the far device writes comes out of its master side, where the relay reads.
    writeAll(m_farSlave, bytes.constData(), bytes.size());
}

int PtyLink::unreadAtNear() const
{
    int unread = 0; // the near device's input queue, whichever descriptor asks
    return ::ioctl(m_nearSlave, FIONREAD, &unread) == 0 ? unread : -1;
}

std::vector<qint64> PtyLink::silencesBeforeRequests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_silences;
}

void PtyLink::relay()
{
    using Clock = std::chrono::steady_clock;
    pollfd fds[2] = {{m_nearMaster, POLLIN, 0}, {m_farMaster, POLLIN, 0}};
    char buffer[1024];
    std::string paced;  // reply bytes not yet on the near end
    Clock::time_point nextByteAt;
    Clock::time_point lastReplyAt; // taken before the write: the master cannot read them sooner
    bool replySinceRequest = false;
    // This thread stalled (a loaded machine) and the bytes went out late: the line fell
    // silent where it should not have, and the master may rightly have written into it.
    bool lastDeliveryLate = false;
    const auto forwardRequest = [&] {
        const ssize_t n = ::read(m_nearMaster, buffer, sizeof buffer);
        if (n <= 0)
            return;
        if (replySinceRequest && !lastDeliveryLate) {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_silences.push_back(std::chrono::nanoseconds(Clock::now() - lastReplyAt).count());
        }
        replySinceRequest = false;
        writeAll(m_farMaster, buffer, n);
    };
    while (!m_stop) {
        std::chrono::nanoseconds wait = std::chrono::milliseconds(10);
        if (!paced.empty())
            wait = std::max(std::chrono::nanoseconds(0), nextByteAt - Clock::now());
        const timespec timeout{time_t(wait.count() / 1000000000), long(wait.count() % 1000000000)};
        if (::ppoll(fds, 2, &timeout, nullptr) > 0) {
            if (fds[0].revents & POLLIN)
                forwardRequest();
            if (fds[1].revents & POLLIN) {
                const ssize_t n = ::read(m_farMaster, buffer, sizeof buffer);
                if (n > 0 && !m_drop) {
                    if (m_corrupt > 0) {
                        --m_corrupt;
                        buffer[n - 1] = char(~buffer[n - 1]);
                    }
                    if (paced.empty())
                        nextByteAt = Clock::now() + std::chrono::nanoseconds(m_byteNs.load());
                    paced.append(buffer, size_t(n));
                }
            }
        }
        // Every byte that is due (all of them when the line is not paced).
        size_t due = 0;
        const bool late = m_byteNs > 0 && !paced.empty() && Clock::now() - nextByteAt > std::chrono::milliseconds(1);
        while (due < paced.size() && (m_byteNs == 0 || Clock::now() >= nextByteAt)) {
            ++due;
            nextByteAt += std::chrono::nanoseconds(m_byteNs.load());
        }
        if (due > 0) {
            const Clock::time_point writtenAt = Clock::now();
            // A request written while this thread stalled came before these bytes: take it
            // first, or they would seem to end a silence the master never saw.
            forwardRequest();
            writeAll(m_nearMaster, paced.data(), ssize_t(due));
            paced.erase(0, due);
            lastReplyAt = writtenAt;
            replySinceRequest = true;
            lastDeliveryLate = late;
        }
    }
}
