#ifndef AGENTCALLER_H
#define AGENTCALLER_H

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QHash>
#include <QString>

// Who may command the cabinet over the bus: root or the user this program runs as (the
// cloud agent), as the bus daemon names the sender's user. The cabinet's bus policy says
// the same; this holds where that policy is missing. Refusals are logged at most once a
// minute, with a count of those not logged, since anyone on the bus can send a flood.
class AgentCaller
{
public:
    // True when `sender` (a unique bus name) belongs to root or our own user. `member`
    // names what was refused in the log.
    bool accepts(const QDBusConnection &bus, const QString &sender, const QString &member);

private:
    QHash<QString, uint> m_senderUids; // unique bus names are never reused
    QElapsedTimer m_refusalLogged;
    int m_refusalsUnlogged = 0;
};

#endif // AGENTCALLER_H
