#include "vncport.h"

#include <QStringList>

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace VncPort {

int requested(int argc, char *argv[])
{
    QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (!std::strcmp(argv[i], "-platform") || !std::strcmp(argv[i], "--platform"))
            platform = QString::fromLocal8Bit(argv[i + 1]);
    }
    const QStringList parts = platform.split(QLatin1Char(':'));
    if (parts.constFirst() != QLatin1String("vnc"))
        return -1;
    int port = 5900;
    for (const QString &option : parts) {
        if (option.startsWith(QLatin1String("port="))) {
            bool ok = false;
            port = option.mid(5).toInt(&ok);
            if (!ok || port < 1 || port > 65535)
                return 0;
        }
    }
    return port;
}

QString unavailable(int port)
{
    if (port < 1 || port > 65535)
        return QStringLiteral("not a port");
    // Both families on one socket where IPv6 is available, as QTcpServer listens on "any".
    int fd = ::socket(AF_INET6, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool six = fd >= 0;
    if (!six)
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    const int on = 1;
    const int off = 0;
    ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    int result;
    if (six) {
        ::setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &off, sizeof off);
        sockaddr_in6 address {};
        address.sin6_family = AF_INET6;
        address.sin6_addr = in6addr_any;
        address.sin6_port = htons(quint16(port));
        result = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    } else {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_ANY);
        address.sin_port = htons(quint16(port));
        result = ::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address);
    }
    if (result == 0)
        result = ::listen(fd, 1);
    const int error = errno;
    ::close(fd);
    return result == 0 ? QString() : QString::fromLocal8Bit(std::strerror(error));
}

} // namespace VncPort
