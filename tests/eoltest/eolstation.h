#ifndef EOLSTATION_H
#define EOLSTATION_H

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>

// A test station on a real socket: sends requests, collects the cabinet's replies (each
// an indented object ending in "}" and a line feed) with the time each came in.
class EolStation
{
public:
    QTcpSocket socket;
    QByteArray stream;           // everything received
    QList<QByteArray> replies;   // cut from the stream
    QList<qint64> arrivals;      // ms since connecting
    QElapsedTimer clock;

    bool connectTo(quint16 port)
    {
        clock.start();
        socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        if (!socket.waitForConnected(3000))
            return false;
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    void send(const QByteArray &bytes)
    {
        socket.write(bytes);
        socket.flush();
    }
    // Takes in what arrived; returns the number of replies so far.
    int poll()
    {
        const QByteArray chunk = socket.readAll();
        stream += chunk;
        m_pending += chunk;
        for (int end; (end = m_pending.indexOf("\n}\n")) >= 0;) {
            replies << m_pending.left(end + 3);
            arrivals << clock.elapsed();
            m_pending.remove(0, end + 3);
        }
        return replies.size();
    }
    QJsonObject reply(int i) const { return QJsonDocument::fromJson(replies.value(i)).object(); }
    // Replies whose event is not one of the periodic reports.
    QList<QJsonObject> answers() const
    {
        QList<QJsonObject> list;
        for (int i = 0; i < replies.size(); ++i) {
            const QString event = reply(i).value(QLatin1String("event")).toString();
            if (event != QLatin1String("StatusResponse") && event != QLatin1String("TagReadTestResponse"))
                list << reply(i);
        }
        return list;
    }
    int count(const QString &event) const
    {
        int n = 0;
        for (int i = 0; i < replies.size(); ++i)
            n += reply(i).value(QLatin1String("event")).toString() == event;
        return n;
    }

private:
    QByteArray m_pending;
};

// Runs the event loop until `done` holds, returning as soon as it does (QTRY_* waits in
// 50 ms steps, too slow for thousands of round trips).
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs = 5000)
{
    QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    return true;
}

#endif // EOLSTATION_H
