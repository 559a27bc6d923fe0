#ifndef TULLUMO_H
#define TULLUMO_H

#include <QJsonObject>
#include <QObject>
#include <QString>

class ConfigurationManager;
class IotHoldingView;
class NfcTagItem2;

// The cloud link's messages: builds each outbound event as one JSON text and hands it
// to the bus through sendLumoInfo; takes the agent's messages in through
// handleReceivedLumoInfo. The message set (customer cloud or maker cloud) is chosen
// per message from the settings' IoT type. Lives on the GUI thread.
class TulLumo : public QObject
{
    Q_OBJECT

public:
    static constexpr int MaxBins = 20;
    // Larger than any holding list of a full store; anything bigger is not the agent's.
    static constexpr int MaxInboundBytes = 1024 * 1024;

    // `holding` must outlive this object; the settings are the core's (found through
    // the parent).
    TulLumo(IotHoldingView *holding, QObject *parent);
    ~TulLumo() override;

    // True for the customer-cloud message set.
    bool customerSchema() const;
    // "event", "timestamp", the identity header and, for the maker cloud, "cabinetUuid".
    QJsonObject envelope(const QString &event, const QString &timeStamp) const;
    // Writes the message and emits sendLumoInfo with its text.
    void send(const QJsonObject &message);

    // An inbound message as one JSON object; false (with a log line) for anything else.
    static bool parseInbound(const QString &text, QJsonObject *message);

public slots:
    void handleReceivedLumoInfo(const QString &text);

    void handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                               int timeRemaining);
    void handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int bin);
    void handle_event_panRemoved(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void handle_event_panReturned(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void handle_event_transfer(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);

signals:
    void sendLumoInfo(QString lumoJson);
    // A well-formed message of the agent, for the command dispatcher.
    void lumoMessageReceived(QJsonObject message);

private:
    enum class PanEvent { Removed, Returned, Transfer };

    // The parts of one hold or pan event; build() lays them out in the current set.
    struct EventParts
    {
        QString event;
        QString timeStamp;
        QString panId;
        int productId = 0;
        QString productName;
        int bin = 0;                               // 0-based, after the full-size rule
        const NfcTagItem2 *entry = nullptr;        // customer cloud
        const NfcTagItem2 *makerEntry = nullptr;   // maker cloud
        QJsonValue state = QJsonValue::Undefined;  // customer cloud; undefined: no key
        bool batchActive = false;                  // customer cloud
        int holdSecondsRemaining = 0;
        bool binAsText = false;                    // maker cloud
        QJsonValue expirationWithoutEntry;         // maker cloud
        bool makerActive = false;
    };

    ConfigurationManager *config() const;
    NfcTagItem2 *entryOf(quint64 uid) const;
    static bool validBin(int bin) { return bin >= 0 && bin < MaxBins; }
    // A full-size pan is reported at the even bin of its pair.
    int fullSizeBin(int bin) const;
    QJsonObject build(const EventParts &parts) const;
    void sendPanEvent(PanEvent kind, qint64 timeStamp, int whichBin, quint64 uid, int timeRemaining);
    void restartHold(quint64 uid, NfcTagItem2 *entry);
    static QString trayStateText(int state);

    IotHoldingView *m_holding;
};

#endif // TULLUMO_H
