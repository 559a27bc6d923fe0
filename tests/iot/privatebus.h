#ifndef PRIVATEBUS_H
#define PRIVATEBUS_H

#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A dbus-daemon of its own for one test, configured like a system bus (no one owns a
// name or calls a method unless a policy allows it), with the cabinet's policy file
// included unless told otherwise. The policy's user "root" is read as the user running
// the test.
class PrivateBus
{
public:
    explicit PrivateBus(bool withCabinetPolicy = true);
    ~PrivateBus();

    bool isRunning() const { return !m_address.isEmpty(); }
    QString address() const { return m_address; }
    // A new client connection to this bus under that connection name.
    QDBusConnection connect(const QString &name) const;

private:
    QTemporaryDir m_dir;
    QProcess m_daemon;
    QString m_address;
    mutable QStringList m_connections;
};

#endif // PRIVATEBUS_H
