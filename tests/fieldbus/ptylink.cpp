#include "ptylink.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
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

void PtyLink::relay()
{
    pollfd fds[2] = {{m_nearMaster, POLLIN, 0}, {m_farMaster, POLLIN, 0}};
    char buffer[1024];
    while (!m_stop) {
        if (::poll(fds, 2, 10) <= 0)
            continue;
        if (fds[0].revents & POLLIN) {
            const ssize_t n = ::read(m_nearMaster, buffer, sizeof buffer);
            if (n > 0)
                writeAll(m_farMaster, buffer, n);
        }
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(m_farMaster, buffer, sizeof buffer);
            if (n <= 0 || m_drop)
                continue;
            if (m_corrupt > 0) {
                --m_corrupt;
                buffer[n - 1] = char(~buffer[n - 1]);
            }
            writeAll(m_nearMaster, buffer, n);
        }
    }
}
