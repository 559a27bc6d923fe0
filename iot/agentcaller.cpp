#include "agentcaller.h"

#include "iotlog.h"

#include <QDBusConnectionInterface>
#include <QDBusReply>

#include <unistd.h>

bool AgentCaller::accepts(const QDBusConnection &bus, const QString &sender, const QString &member)
{
    constexpr int RefusalLogMs = 60 * 1000;
    constexpr int MaxSenders = 64;
    bool known = false;
    uint uid = 0;
    const auto cached = m_senderUids.constFind(sender);
    if (cached != m_senderUids.constEnd()) {
        known = true;
        uid = *cached;
    } else if (QDBusConnectionInterface *daemon = bus.interface()) {
        // A sender that has left already cannot be told from another user.
        const QDBusReply<uint> reply = daemon->serviceUid(sender);
        if (reply.isValid()) {
            known = true;
            uid = reply.value();
            if (m_senderUids.size() >= MaxSenders)
                m_senderUids.clear();
            m_senderUids.insert(sender, uid);
        }
    }
    if (known && (uid == 0 || uid == uint(geteuid())))
        return true;
    if (m_refusalLogged.isValid() && !m_refusalLogged.hasExpired(RefusalLogMs)) {
        ++m_refusalsUnlogged;
        return false;
    }
    const QString more = m_refusalsUnlogged > 0
                             ? QStringLiteral(" (%1 more refused since the last report)").arg(m_refusalsUnlogged)
                             : QString();
    qCWarning(lcIot).noquote()
        << QStringLiteral("%1 from %2 (user id %3) refused: only the cloud agent may command the cabinet%4")
               .arg(member, sender, known ? QString::number(uid) : QStringLiteral("unknown"), more);
    m_refusalLogged.start();
    m_refusalsUnlogged = 0;
    return false;
}
