#include "privatebus.h"

#include <QDBusMessage>
#include <QFile>
#include <QJsonDocument>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

PrivateBus::PrivateBus(bool withCabinetPolicy, bool callsOpen)
{
    QByteArray config = readFile(QStringLiteral(TUL_SOURCE_DIR "/tests/data/iot/privatebus.conf"));
    if (!m_dir.isValid() || config.isEmpty())
        return;
    QByteArray include;
    if (withCabinetPolicy) {
        QByteArray text = readFile(QStringLiteral(TUL_SOURCE_DIR "/resources/com.brevantor.DBus.conf"));
        if (const passwd *user = getpwuid(geteuid()))
            text.replace("user=\"root\"", "user=\"" + QByteArray(user->pw_name) + '"');
        const QString copy = m_dir.filePath(QStringLiteral("cabinet-policy.conf"));
        if (text.isEmpty() || !writeFile(copy, text))
            return;
        include = "  <include>" + copy.toUtf8() + "</include>\n";
    }
    if (callsOpen)
        include += "  <policy context=\"default\">\n    <allow send_type=\"method_call\"/>\n  </policy>\n";
    config.replace("@LISTEN@", m_dir.filePath(QStringLiteral("bus")).toUtf8()).replace("@INCLUDE@", include);
    const QString configPath = m_dir.filePath(QStringLiteral("bus.conf"));
    if (!writeFile(configPath, config))
        return;
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + configPath,
                                                   QStringLiteral("--nofork"), QStringLiteral("--print-address")});
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

bool PrivateBus::openToAllUsers()
{
    using P = QFileDevice;
    const P::Permissions owner = P::ReadOwner | P::WriteOwner | P::ExeOwner;
    return QFile::setPermissions(m_dir.path(), owner | P::ReadGroup | P::ExeGroup | P::ReadOther | P::ExeOther)
           && QFile::setPermissions(m_dir.filePath(QStringLiteral("bus")),
                                    owner | P::ReadGroup | P::WriteGroup | P::ReadOther | P::WriteOther);
}

BusAgent::BusAgent(const QDBusConnection &bus, const QString &path, const QString &interface)
    : bus(bus), m_path(path), m_interface(interface)
{
    m_listening = this->bus.connect(QString(), path, interface, QStringLiteral("lumoEvent"), this, SLOT(record(QString)));
}

void BusAgent::record(const QString &text)
{
    const QJsonObject e = QJsonDocument::fromJson(text.toUtf8()).object();
    ++counts[e.value(QStringLiteral("event")).toString()];
    if (keep)
        events << e;
}

QJsonObject BusAgent::waitFor(const QString &name, int count)
{
    if (!QTest::qWaitFor([&] { return this->count(name) >= count; }, 10000))
        return {};
    if (!keep)
        return {{QStringLiteral("event"), name}};
    for (int i = events.size() - 1; i >= 0; --i)
        if (events.at(i).value(QStringLiteral("event")).toString() == name)
            return events.at(i);
    return {};
}

bool BusAgent::send(const QString &member, const QByteArray &json)
{
    return bus.send(QDBusMessage::createSignal(m_path, m_interface, member) << QString::fromUtf8(json));
}
