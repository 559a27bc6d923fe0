#ifndef TULLUMO_H
#define TULLUMO_H

#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class CabinetCore;
class ConfigurationManager;
class SettingsTransaction;
class BurstTrim;
class IotCabinetView;
class IotHoldingView;
class NfcTagItem2;

// The cloud link's messages: builds each outbound event as one JSON text and hands it
// to the bus through sendLumoInfo; takes the agent's messages in through
// handleReceivedLumoInfo. The message set (customer cloud or maker cloud) is chosen
// per message from the settings' IoT type. Lives on the GUI thread.
class TulLumo : public QObject
{
    Q_OBJECT
    // The last status lines, for a network page opened after they arrived; empty until
    // the agent reports.
    Q_PROPERTY(QString provisioningLine READ get_provisioningLine NOTIFY iotProvisioningState)
    Q_PROPERTY(QString certificateLine READ get_certificateLine NOTIFY iotCertificateState)

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

    // What the alarm, performance and power-on reports read beyond the holding; must
    // outlive this object. Without it those reports carry zeros.
    void setCabinetView(IotCabinetView *view) { m_cabinet = view; }
    bool powerOnReported() const { return m_powerOnReported; }

    // The text of the power-on report as it would be sent now; handle_event_powerOn sends
    // it once per run.
    QByteArray powerOnReport() const;

    // The menu name the power-on report carries for an imported-menu text.
    static QString menuName(const QString &importedMenu);

    // Whether the Wi-Fi access point is associated; without it, never.
    void setWifiApSource(std::function<bool()> source) { m_wifiApConnected = std::move(source); }
    bool certificateTimeoutSeen() const { return m_certificateTimeoutSeen; }
    QString get_provisioningLine() const { return m_provisioningLine; }
    QString get_certificateLine() const { return m_certificateLine; }

    // The error quadruple an SDK error code stands for (main code 8).
    static QVector<int> sdkErrorQuadruple(int code);
    // The update folders that must exist for an offer to be recorded, and the files.
    static QString firmwareUpdateDir();
    static QString menuUpdateDir();
    static QString firmwareOfferPath();
    static QString menuOfferPath();
    static QString menuStatusPath();
    static QString firmwareResultPath();
    // Which waiting offers were reported without their result.
    static QString missingResultMarkPath();
    static QString pendingModelPath();
    static QString pendingSerialPath();
    // The model numbers the cloud may give the cabinet.
    static const QStringList &acceptedModelNumbers();

public slots:
    // The only door for the agent's messages: commands are acknowledged, events acted on.
    void handleReceivedLumoInfo(const QString &text);
    void dispatch(const QJsonObject &message);

    // Small outbound messages of the command path.
    void handle_event_commandError(QString command, qint64 cmdTimeStamp, QString batchId, QString description);
    void handle_event_iotSettings(QString iotType);
    void handle_event_wifiSettingsReceived(QJsonObject message);
    void handle_event_pingResponse(QJsonObject message);

    // Hold-cycle resets and the holding lists of other cabinets.
    bool handle_event_resetQrbHoldCycle(QString eventUuid, bool startNewCycle);
    void handle_event_resetHoldCycle(QJsonObject message);
    void handle_event_holdingListReceived(QJsonObject message);

    // The agent's own SDK errors.
    void handle_event_sdkErrorReceived(QJsonObject message);

    // Pending model and serial numbers, applied at the next start.
    bool writeTempModelNumber(QString modelNumberValue);
    bool writeTempSerialNumber(QString serialNumberValue);
    void checkModelSerialUpdates();

    // Update offers and their results.
    void handle_event_firmwareUpdateInfo(QJsonObject lumoObject);
    void handle_event_menuUpdateInfo(QJsonObject lumoObject);
    void handle_event_menuUpdated(QString timeStamp, int method, bool result);
    void handle_event_firmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method,
                                      bool result);
    void checkMenuUpdateDone();

    void handle_event_holdStart(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void handle_event_holdStop(QString timeStamp, QString productType, QString panID, int zone, QString method,
                               int timeRemaining);
    void handle_event_holdExpired(QString timeStamp, QString productType, QString panID, int bin);
    void handle_event_panRemoved(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void handle_event_panReturned(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void handle_event_transfer(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);

    // Mismatches and errors.
    void handle_event_binMisMatchAlert(QString timeStamp, QString productType, QString panID, int binIndex,
                                       QString binProductType);
    void handle_event_binMisMatchClear(QString timeStamp, QString productType, QString panID, int binIndex,
                                       QString binProductType);
    void handle_event_error(QString timeStamp, QString errorCode, QString errorDesc, QString value);

    // The whole picture: the pans known, and the periodic report of every bin.
    void handle_event_holdingListChange(QString timeStamp);
    void handle_event_performanceData();

    // Settings and state of the cabinet.
    void handle_event_ecoModeSettings();
    void handle_event_preheatStart(QString timeStamp);
    void handle_event_zonePreheatStart(QString timeStamp, int binIndex);
    void handle_event_preheatComplete(QString timeStamp, int binIndex, int heatTime);
    void handle_event_daypartChange(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void handle_event_languageChange(int languageId);
    void handle_event_passcodeChange(QString newPasscode);
    void handle_event_passcodeEntered(QString screen, int userLevel, bool authenticated);
    void handle_event_programModeExit(QString screen, int userLevel);
    void handle_event_restaurantNumberUpdated(QString restaurantNumber, QString oldValue);
    void handle_event_performanceDataInterval(int value);

    // Once per run: identity, versions, hours and the menu.
    void handle_event_powerOn();
    QJsonArray getHoldingLayout() const;
    QJsonArray getProducts() const;
    QJsonArray getGroups() const;

signals:
    void sendLumoInfo(QString lumoJson);
    // The power-on report's follow-up, queued so that it leaves after the report.
    void sendEcoModeSettings();
    // A well-formed message of the agent, before it is dispatched.
    void lumoMessageReceived(QJsonObject message);
    // Status lines of the network settings screen.
    void iotProvisioningState(QString value);
    void iotCertificateState(QString value);
    // An SDK error of the agent as an error quadruple for the error service.
    void lumoSdkErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);

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

    enum class Mismatch { Alert, Clear };
    // A bin's record of the IO board; not found (all 0) for a bin outside the records.
    struct BinReading
    {
        bool found = false;
        int binNumber = 0;
        int target = 0;
        int actual = 0;
    };

    CabinetCore *core() const;
    ConfigurationManager *config() const;
    // The link's own clock: whole seconds, rounded.
    static QString now();
    // The name of a day part in the current language, cut; empty for an unknown part.
    QString dayPartName(int dayPart) const;
    QString currentDayPartName() const;
    BinReading binReading(int bin) const;
    void sendMismatch(Mismatch kind, const QString &timeStamp, int binIndex);
    NfcTagItem2 *entryOf(quint64 uid) const;
    static bool validBin(int bin) { return bin >= 0 && bin < MaxBins; }
    // A bin of this cabinet's layout.
    bool cabinetBin(int bin) const;
    // A full-size pan is reported at the even bin of its pair.
    int fullSizeBin(int bin) const;
    QJsonObject build(const EventParts &parts) const;
    void sendPanEvent(PanEvent kind, qint64 timeStamp, int whichBin, quint64 uid, int timeRemaining);
    void restartHold(quint64 uid, NfcTagItem2 *entry);
    static QString trayStateText(int state);
    static QString timerModeText(int state);

    // Commands.
    QString runCommand(const QString &command, const QJsonValue &value, bool *success);
    QString updatePerformanceInterval(const QJsonValue &value, bool *success);
    void applyPerformanceIntervalEvent(const QJsonValue &value);
    // The store number of a "locationUpdate"; the answer's detail text.
    QString updateLocation(const QJsonValue &value, bool *success);
    // One "commandStatus" answer; a null `command` leaves out the command and its value.
    void acknowledge(const QString &command, const QJsonValue &value, bool success, const QString &detail);
    bool saveSettings(SettingsTransaction &change, const char *after);
    void provisioningState(const QString &state);
    void certificateState(const QString &state);
    void showProvisioningLine(const QString &line);
    void showCertificateLine(const QString &line);
    // Ends the hold of a pan this cabinet holds; a restart asks for a new cycle.
    void endPanHold(NfcTagItem2 *entry, bool restart);
    // Update bookkeeping.
    void recordOffer(const QJsonObject &offer, const QString &dir, const QString &path, const QString &kind);
    QJsonObject updateStatus(const QString &updateType, const QHash<QString, QString> &offer,
                             const QString &status, const QString &detail) const;
    // Applies one pending identity file; false when the start-up step must end here.
    bool applyPendingIdentity(const QString &path, const QString &key, bool *applied);

    IotHoldingView *m_holding;
    IotCabinetView *m_cabinet = nullptr;
    bool m_powerOnReported = false;
    bool m_certificateTimeoutSeen = false;
    QString m_provisioningLine;
    QString m_certificateLine;
    BurstTrim *m_burstTrim = nullptr;
    std::function<bool()> m_wifiApConnected;
};

#endif // TULLUMO_H
