// A bus client of its own process, run by the tests under another user id: connects to
// the bus at argv[1], sends the signal argv[2] of the cabinet's interface argv[3] times
// (with the text argv[4] as its argument when given), prints "sent" once the bus has
// taken them, and stays connected until its input closes, so that the bus can still
// tell who it is. With argv[2] "call" it calls the method argv[4] of the cabinet's object
// at the bus name argv[3] instead, with the texts after it as arguments (the last one as
// a variant for setObjectPropertyValue), and prints "sent" and then the error's name, or
// "ok", once answered.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
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
    if (args.at(2) == QLatin1String("call")) {
        if (args.size() < 5)
            return 2;
        QDBusMessage call = QDBusMessage::createMethodCall(args.at(3), QStringLiteral("/TulApplication"),
                                                           QStringLiteral("com.brevantor.DBus.TulApplication"), args.at(4));
        QVariantList callArgs;
        for (int i = 5; i < args.size(); ++i)
            callArgs << args.at(i);
        if (args.at(4) == QLatin1String("setObjectPropertyValue") && !callArgs.isEmpty())
            callArgs.last() = QVariant::fromValue(QDBusVariant(callArgs.last()));
        call.setArguments(callArgs);
        const QDBusMessage reply = bus.call(call, QDBus::Block, 20000);
        std::printf("sent\n%s\n", reply.type() == QDBusMessage::ErrorMessage ? qPrintable(reply.errorName()) : "ok");
        std::fflush(stdout);
        QFile input;
        input.open(stdin, QIODevice::ReadOnly);
        input.readAll();
        return 0;
    }
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
