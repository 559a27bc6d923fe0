#ifndef PRIVATEBUS_H
#define PRIVATEBUS_H

#include <QDBusConnection>
#include <QHash>
#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of its own for one test, configured like a system bus (no one owns a
// name or calls a method unless a policy allows it), with the cabinet's policy file
// included unless told otherwise. The policy's user "root" is read as the user running
// the test. With `callsOpen` anyone may call any method, as on a bus set up without care.
class PrivateBus
{
public:
    explicit PrivateBus(bool withCabinetPolicy = true, bool callsOpen = false);
    ~PrivateBus();

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // A new client connection to this bus under that connection name.
    QDBusConnection connect(const QString &name) const;
    // Lets clients of any user id reach the bus's socket (its folder is private).
    bool openToAllUsers();

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    mutable QStringList m_connections;
};

// The IoT agent's side of the cabinet's object: every JSON event it signals, counted by
// name and kept unless told otherwise; messages go the other way as signals.
class BusAgent : public QObject
{
    Q_OBJECT
public:
    BusAgent(const QDBusConnection &bus, const QString &path, const QString &interface);
    bool listening() const { return m_listening; }
    QList<QJsonObject> events;
    QHash<QString, int> counts;
    bool keep = true; // off: counted only
    int count(const QString &name) const { return counts.value(name); }
    void clear() { events.clear(), counts.clear(); }
    // The last event of that name once `count` have come; empty after 10 s.
    QJsonObject waitFor(const QString &name, int count = 1);
    bool send(const QString &member, const QByteArray &json);
    QDBusConnection bus;

public slots:
    void record(const QString &text);

private:
    QString m_path, m_interface;
    bool m_listening = false;
};

#endif // PRIVATEBUS_H
