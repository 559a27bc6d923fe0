#include "privatebus.h"

#include <QFile>
#include <QRegularExpression>

#include <pwd.h>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

PrivateBus::PrivateBus(bool withCabinetPolicy)
{
    if (!m_dir.isValid())
        return;
    QByteArray include;
    if (withCabinetPolicy) {
        QFile policy(QStringLiteral(TUL_SOURCE_DIR "/resources/com.brevantor.DBus.conf"));
        if (!policy.open(QIODevice::ReadOnly))
            return;
        QByteArray text = policy.readAll();
        const passwd *user = getpwuid(geteuid());
        if (user)
            text.replace("user=\"root\"", "user=\"" + QByteArray(user->pw_name) + '"');
        const QString copy = m_dir.filePath(QStringLiteral("cabinet-policy.conf"));
        if (!writeFile(copy, text))
            return;
        include = "  <include>" + copy.toUtf8() + "</include>\n";
    }
    const QByteArray config =
        "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
        " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
        "<busconfig>\n"
        "  <type>system</type>\n"
        "  <listen>unix:path=" + m_dir.filePath(QStringLiteral("bus")).toUtf8() + "</listen>\n"
        "  <auth>EXTERNAL</auth>\n"
        "  <policy context=\"default\">\n"
        "    <allow user=\"*\"/>\n"
        "    <deny own=\"*\"/>\n"
        "    <deny send_type=\"method_call\"/>\n"
        "    <allow send_type=\"signal\"/>\n"
        "    <allow send_requested_reply=\"true\" send_type=\"method_return\"/>\n"
        "    <allow send_requested_reply=\"true\" send_type=\"error\"/>\n"
        "    <allow receive_type=\"method_call\"/>\n"
        "    <allow receive_type=\"method_return\"/>\n"
        "    <allow receive_type=\"error\"/>\n"
        "    <allow receive_type=\"signal\"/>\n"
        "    <allow send_destination=\"org.freedesktop.DBus\" send_interface=\"org.freedesktop.DBus\"/>\n"
        "    <allow send_destination=\"org.freedesktop.DBus\" send_interface=\"org.freedesktop.DBus.Introspectable\"/>\n"
        "  </policy>\n"
        + include + "</busconfig>\n";
    const QString configPath = m_dir.filePath(QStringLiteral("bus.conf"));
    if (!writeFile(configPath, config))
        return;
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + configPath, QStringLiteral("--nofork"),
                    QStringLiteral("--print-address")});
    if (!m_daemon.waitForStarted(5000))
        return;
    while (m_daemon.waitForReadyRead(5000)) {
        if (m_daemon.canReadLine()) {
            m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
            break;
        }
    }
}

PrivateBus::~PrivateBus()
{
    for (const QString &name : qAsConst(m_connections))
        QDBusConnection::disconnectFromBus(name);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(3000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(3000);
        }
    }
}

QDBusConnection PrivateBus::connect(const QString &name) const
{
    m_connections << name;
    return QDBusConnection::connectToBus(m_address, name);
}
