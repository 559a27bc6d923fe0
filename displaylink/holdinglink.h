#ifndef HOLDINGLINK_H
#define HOLDINGLINK_H

#include "trayinfo.h"

#include <QObject>
#include <QVector>

class CanbusManager;

// The holding messages between the displays of one cabinet: bin start, stop and resume
// requests, the slots' holding records, preheat reports, product mismatches, heater
// targets and actual temperatures, temperature alarms, the re-statement of holding
// temperatures and the master's fault state (its Modbus link and the heaters' faults). Encodes what the holding coordination sends and checks and decodes what
// arrives before handing it on.
class HoldingLink : public QObject
{
    Q_OBJECT

public:
    static constexpr int HeaterChannels = 20;
    // The fault bits of a heater channel that travel: open, shorted, over temperature.
    static constexpr quint8 ChannelFaultBits = 0x07;

    HoldingLink(CanbusManager *canbus, int frameId, QObject *parent = nullptr);
    void setFrameId(int frameId) { m_frameId = frameId; }

    // True when the message was one of the holding messages (handled or refused).
    bool processSingle(const QByteArray &data);
    bool processMulti(int multiId, const QByteArray &data);

public slots:
    void sendBinStart(int bin, int seconds, quint64 uid);
    void sendBinStop(int bin);
    void sendBinResume(int bin, int productId, int dayPart, int secondsLeft, quint64 uid, bool expiryReported);
    void sendTrayInfo(const trayInfo &info);
    void sendPreheatReport(int bin, bool entered, int heatTime);
    void sendMismatch(int bin, bool on, bool universal, quint64 uid);
    void sendHeaterTargets(const QVector<int> &targets);
    void sendActuals(const QVector<int> &actuals, int ambient);
    void sendTemperatureAlarm(int kind);
    void sendRestateHoldTemps();
    void sendFaultState(bool modbusLinkBroken, const QVector<quint8> &channelFaults);

signals:
    void binStartRequested(int bin, int seconds, quint64 uid);
    void binStopRequested(int bin);
    void binResumeRequested(int bin, int productId, int dayPart, int secondsLeft, quint64 uid, bool expiryReported);
    void trayInfoReceived(const trayInfo &info);
    void preheatReported(int bin, bool entered, int heatTime);
    void mismatchReceived(int bin, bool on, bool universal, quint64 uid);
    void heaterTargetsReceived(const QVector<int> &targets);
    void actualsReceived(const QVector<int> &actuals, int ambient);
    void temperatureAlarmReceived(int kind);
    void restateHoldTempsReceived();
    void faultStateReceived(bool modbusLinkBroken, const QVector<quint8> &channelFaults);

private:
    void enqueue(bool multi, int multiId, const QByteArray &data);
    static QByteArray packTemperatures(const QVector<int> &values);
    static QVector<int> unpackTemperatures(const QByteArray &data, int offset, int count);

    CanbusManager *m_canbus;
    int m_frameId;
};

#endif // HOLDINGLINK_H
