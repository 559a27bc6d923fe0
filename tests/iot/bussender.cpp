// A bus client of its own process, run by the tests under another user id: connects to
// the bus at argv[1], sends the signal argv[2] of the cabinet's interface argv[3] times
// (with the text argv[4] as its argument when given), prints "sent" once the bus has
// taken them, and stays connected until its input closes, so that the bus can still
// tell who it is.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4)
        return 2;
    QDBusConnection bus = QDBusConnection::connectToBus(args.at(1), QStringLiteral("sender"));
    if (!bus.isConnected())
        return 3;
    for (int i = 0; i < args.at(3).toInt(); ++i) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/TulApplication"),
                                                         QStringLiteral("com.brevantor.DBus.TulApplication"), args.at(2));
        if (args.size() > 4)
            signal << args.at(4);
        if (!bus.send(signal))
            return 4;
    }
    // Answered only after the bus has routed everything sent before it.
    if (!bus.interface()->isServiceRegistered(bus.baseService()).value())
        return 5;
    std::puts("sent");
    std::fflush(stdout);
    QFile input;
    input.open(stdin, QIODevice::ReadOnly);
    input.readAll();
    return 0;
}
