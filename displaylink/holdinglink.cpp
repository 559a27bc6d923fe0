#include "holdinglink.h"
#include "displaylinklog.h"

#include "canbusmanager.h"
#include "canmessagecodes.h"
#include "cansendrequest.h"
#include "mastersync.h" // the folder's logging category

#include <QDataStream>
#include <QDebug>

namespace {

constexpr int MaxBins = 20;

// Big-endian readers over a checked buffer.
quint64 readBig(const QByteArray &data, int offset, int bytes)
{
    quint64 value = 0;
    for (int i = 0; i < bytes; ++i)
        value = (value << 8) | quint8(data.at(offset + i));
    return value;
}

void appendBig(QByteArray &data, quint64 value, int bytes)
{
    for (int i = bytes - 1; i >= 0; --i)
        data.append(char((value >> (8 * i)) & 0xFF));
}

bool validBin(int bin, const char *what)
{
    if (bin >= 0 && bin < MaxBins)
        return true;
    qCWarning(lcDisplayLink) << what << "for bin" << bin << "out of range; ignored";
    return false;
}

} // namespace

HoldingLink::HoldingLink(CanbusManager *canbus, int frameId, QObject *parent)
    : QObject(parent)
    , m_canbus(canbus)
    , m_frameId(frameId)
{
    setObjectName(QStringLiteral("holdingLink"));
}

void HoldingLink::enqueue(bool multi, int multiId, const QByteArray &data)
{
    if (!m_canbus)
        return;
    auto *request = new CanSendRequest;
    request->set_frameId(m_frameId);
    request->set_multi(multi);
    if (multi)
        request->set_multiId(multiId);
    request->set_data(data);
    m_canbus->enqueueSendRequest(request);
}

QByteArray HoldingLink::packTemperatures(const QVector<int> &values)
{
    QByteArray data;
    for (int value : values)
        appendBig(data, quint16(qint16(qBound(-32768, value, 32767))), 2);
    return data;
}

QVector<int> HoldingLink::unpackTemperatures(const QByteArray &data, int offset, int count)
{
    QVector<int> values;
    values.reserve(count);
    for (int i = 0; i < count; ++i)
        values << int(qint16(quint16(readBig(data, offset + 2 * i, 2))));
    return values;
}

// ---- senders ----------------------------------------------------------------------------

void HoldingLink::sendBinStart(int bin, int seconds, quint64 uid)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_BIN_START_REQUEST));
    data.append(char(bin));
    appendBig(data, quint32(qint32(seconds)), 4);
    appendBig(data, uid, 8);
    enqueue(false, 0, data);
}

void HoldingLink::sendBinResume(int bin, int productId, int dayPart, int secondsLeft, quint64 uid,
                                bool expiryReported)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_BIN_RESUME_REQUEST));
    data.append(char(bin));
    appendBig(data, quint32(qint32(productId)), 4);
    data.append(char(dayPart));
    appendBig(data, quint32(qint32(secondsLeft)), 4);
    appendBig(data, uid, 8);
    data.append(char(expiryReported ? 1 : 0));
    enqueue(false, 0, data);
}

void HoldingLink::sendBinStop(int bin)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_BIN_STOP_REQUEST));
    data.append(char(bin));
    enqueue(false, 0, data);
}

void HoldingLink::sendTrayInfo(const trayInfo &info)
{
    enqueue(true, CanMsg::TUL_MULTI_TRAY_INFO, info.pack());
}

void HoldingLink::sendPreheatReport(int bin, bool entered, int heatTime)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_PREHEAT_REPORT));
    data.append(char(bin)).append(char(entered ? 1 : 0));
    appendBig(data, quint16(qBound(0, heatTime, 0xFFFF)), 2);
    enqueue(false, 0, data);
}

void HoldingLink::sendMismatch(int bin, bool on, bool universal, quint64 uid)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_BIN_MISMATCH));
    data.append(char(bin)).append(char(on ? 1 : 0)).append(char(universal ? 1 : 0));
    appendBig(data, uid, 8);
    enqueue(false, 0, data);
}

void HoldingLink::sendHeaterTargets(const QVector<int> &targets)
{
    if (targets.size() != HeaterChannels)
        return;
    enqueue(true, CanMsg::TUL_MULTI_BIN_TARGETS, packTemperatures(targets));
}

void HoldingLink::sendActuals(const QVector<int> &actuals, int ambient)
{
    if (actuals.size() != HeaterChannels)
        return;
    enqueue(true, CanMsg::TUL_MULTI_BIN_ACTUALS, packTemperatures(QVector<int>(actuals) << ambient));
}

void HoldingLink::sendTemperatureAlarm(int kind)
{
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_TEMPERATURE_ALARM));
    data.append(char(kind));
    enqueue(false, 0, data);
}

void HoldingLink::sendRestateHoldTemps()
{
    enqueue(false, 0, QByteArray(1, char(CanMsg::TULMSGSINGLE_RESTATE_HOLD_TEMPS)));
}

void HoldingLink::sendFaultState(bool modbusLinkBroken, const QVector<quint8> &channelFaults)
{
    if (channelFaults.size() != HeaterChannels)
        return;
    QByteArray data(1, char(CanMsg::TULMSGSINGLE_FAULT_STATE));
    data.append(char(modbusLinkBroken ? 1 : 0));
    for (quint8 faults : channelFaults)
        data.append(char(faults & ChannelFaultBits));
    enqueue(false, 0, data);
}

// ---- receivers --------------------------------------------------------------------------

bool HoldingLink::processSingle(const QByteArray &data)
{
    if (data.isEmpty())
        return false;
    const auto code = quint8(data.at(0));
    int size = 0;
    switch (code) {
    case CanMsg::TULMSGSINGLE_RESTATE_HOLD_TEMPS: size = 1; break;
    case CanMsg::TULMSGSINGLE_BIN_START_REQUEST: size = 14; break;
    case CanMsg::TULMSGSINGLE_BIN_STOP_REQUEST: size = 2; break;
    case CanMsg::TULMSGSINGLE_BIN_RESUME_REQUEST: size = 20; break;
    case CanMsg::TULMSGSINGLE_PREHEAT_REPORT: size = 5; break;
    case CanMsg::TULMSGSINGLE_TEMPERATURE_ALARM: size = 2; break;
    case CanMsg::TULMSGSINGLE_BIN_MISMATCH: size = 12; break;
    case CanMsg::TULMSGSINGLE_FAULT_STATE: size = 2 + HeaterChannels; break;
    default: return false;
    }
    if (data.size() < size) {
        qCWarning(lcDisplayLink) << "Holding message" << code << "too short:" << data.toHex();
        return true;
    }
    const int bin = size > 1 ? quint8(data.at(1)) : 0;
    switch (code) {
    case CanMsg::TULMSGSINGLE_RESTATE_HOLD_TEMPS:
        emit restateHoldTempsReceived();
        break;
    case CanMsg::TULMSGSINGLE_BIN_START_REQUEST:
        if (validBin(bin, "Start request"))
            emit binStartRequested(bin, int(qint32(quint32(readBig(data, 2, 4)))), readBig(data, 6, 8));
        break;
    case CanMsg::TULMSGSINGLE_BIN_STOP_REQUEST:
        if (validBin(bin, "Stop request"))
            emit binStopRequested(bin);
        break;
    case CanMsg::TULMSGSINGLE_BIN_RESUME_REQUEST:
        if (quint8(data.at(6)) >= 10)
            qCWarning(lcDisplayLink) << "Resume request with day part" << quint8(data.at(6)) << "ignored";
        else if (validBin(bin, "Resume request"))
            emit binResumeRequested(bin, int(qint32(quint32(readBig(data, 2, 4)))), quint8(data.at(6)),
                                    int(qint32(quint32(readBig(data, 7, 4)))), readBig(data, 11, 8),
                                    data.at(19) != 0);
        break;
    case CanMsg::TULMSGSINGLE_PREHEAT_REPORT:
        if (validBin(bin, "Preheat report"))
            emit preheatReported(bin, data.at(2) != 0, int(readBig(data, 3, 2)));
        break;
    case CanMsg::TULMSGSINGLE_TEMPERATURE_ALARM:
        if (data.at(1) >= 0 && data.at(1) <= 2)
            emit temperatureAlarmReceived(data.at(1));
        else
            qCWarning(lcDisplayLink) << "Temperature alarm of unknown kind" << int(data.at(1)) << "ignored";
        break;
    case CanMsg::TULMSGSINGLE_BIN_MISMATCH:
        if (validBin(bin, "Mismatch"))
            emit mismatchReceived(bin, data.at(2) != 0, data.at(3) != 0, readBig(data, 4, 8));
        break;
    case CanMsg::TULMSGSINGLE_FAULT_STATE: {
        // Bits a later version may add mean nothing here.
        QVector<quint8> faults(HeaterChannels);
        for (int channel = 0; channel < HeaterChannels; ++channel)
            faults[channel] = quint8(data.at(2 + channel)) & ChannelFaultBits;
        emit faultStateReceived(data.at(1) != 0, faults);
        break;
    }
    }
    return true;
}

bool HoldingLink::processMulti(int multiId, const QByteArray &data)
{
    switch (multiId) {
    case CanMsg::TUL_MULTI_TRAY_INFO: {
        trayInfo info;
        if (trayInfo::unpack(data, &info))
            emit trayInfoReceived(info);
        else
            qCWarning(lcDisplayLink) << "Holding record from the other display malformed; ignored";
        return true;
    }
    case CanMsg::TUL_MULTI_BIN_TARGETS:
        if (data.size() == 2 * HeaterChannels)
            emit heaterTargetsReceived(unpackTemperatures(data, 0, HeaterChannels));
        else
            qCWarning(lcDisplayLink) << "Heater targets of" << data.size() << "bytes ignored";
        return true;
    case CanMsg::TUL_MULTI_BIN_ACTUALS:
        if (data.size() == 2 * (HeaterChannels + 1)) {
            const QVector<int> values = unpackTemperatures(data, 0, HeaterChannels + 1);
            emit actualsReceived(values.mid(0, HeaterChannels), values.last());
        } else {
            qCWarning(lcDisplayLink) << "Actual temperatures of" << data.size() << "bytes ignored";
        }
        return true;
    default:
        return false;
    }
}
