#ifndef TULIOTAGENTADAPTER_H
#define TULIOTAGENTADAPTER_H

#include <QDBusConnection>
#include <QJsonArray>
#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class ConfigurationManager;
class DayPartManager;
class IotAgentCabinet;
class MenuManager;
class NFCmanager;
class NfcTagItem2;
class LaunchedCommand;
class Translator;

// The adapter for the second kind of IoT agent, the IoT proxy: its own JSON event
// catalogue sent as the bus signal "iotproxy", the proxy's messages in, and the backup
// and package progress the screens show. The cabinets built here create and publish it
// but wire nothing to it; every message operation needs the five references set first
// and refuses to run (with a log line) without them. Lives on the GUI thread.
class TulIotAgentAdapter : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool systemBackupActive READ get_systemBackupActive WRITE set_systemBackupActive
                   NOTIFY systemBackupActiveChanged)
    Q_PROPERTY(int systemBackupProgress READ get_systemBackupProgress WRITE set_systemBackupProgress
                   NOTIFY systemBackupProgressChanged)
    Q_PROPERTY(bool forcedPackageActive READ get_forcedPackageActive WRITE set_forcedPackageActive
                   NOTIFY forcedPackageActiveChanged)

public:
    static const QString ProxyPath;
    static const QString ProxyInterface;
    static const QString ProxyMember;
    // The device folder the proxy drops menu archives into.
    static const QString UpdateFolder;
    static const QString FirmwareVersion;
    static constexpr int MaxBins = 20;
    static constexpr int UnzipTimeoutMs = 30000;
    // Larger than the holding lists of a full store.
    static constexpr int MaxInboundBytes = 1024 * 1024;

    // Outbound messages go to `bus` (the system bus on the device).
    explicit TulIotAgentAdapter(const QDBusConnection &bus = QDBusConnection::systemBus(),
                                QObject *parent = nullptr);
    ~TulIotAgentAdapter() override;

    void set_cabinetManager(IotAgentCabinet *cabinet) { m_cabinet = cabinet; }
    void set_menuManager(MenuManager *menu) { m_menu = menu; }
    void set_configManager(ConfigurationManager *config) { m_config = config; }
    void set_dayPartManager(DayPartManager *dayParts) { m_dayParts = dayParts; }
    void set_translator(Translator *translator) { m_translator = translator; }

    bool get_systemBackupActive() const { return m_systemBackupActive; }
    int get_systemBackupProgress() const { return m_systemBackupProgress; }
    bool get_forcedPackageActive() const { return m_forcedPackageActive; }

    // Sends one signal with `text` as its one string argument; false when the bus did
    // not take it.
    virtual bool writeDbusMessage(const QString &path, const QString &interface, const QString &member,
                                  QString &text);

    // The menu snapshot of the power-on and menu-updated events.
    QJsonArray dayPartsInfoToJsonArray() const;
    QJsonArray productsInfoToJsonArray() const;
    QJsonArray productGroupsInfoToJsonArray() const;

    // The text logged for a received message: pass phrases and passcodes masked.
    static QString loggableText(const QJsonObject &message);

public slots:
    void set_systemBackupActive(bool active);
    void set_systemBackupProgress(int percent);
    void set_forcedPackageActive(bool active);

    // Inbound.
    void handleReceivedIoTInfo(const QString &text);
    void handleUnkownIoTCommand(const QJsonObject &message);
    void handleResetHoldCycleCommand(const QJsonObject &message);
    void handleNetworkSettingsCommand(const QJsonObject &message);
    void handleMenuUpdateCommand(const QJsonObject &message);
    void handleHoldingListCommand(const QJsonObject &message);
    void handleSdkErrorReceivedCommand(const QJsonObject &message);
    void sendCommandError(const QString &command, qint64 commandTs, const QString &batchId,
                          const QString &description);

    // Package and backup progress.
    void packageCheckResult(bool packageName, const QString &packageState);
    void forcedPackageChecked(const QString &packageName, bool packageState);
    void newPackageAvailable(const QString &packageName, const QString &packageState);
    void packageUpdateState(const QString &packageName, const QString &packageState);

    // Outbound events.
    void sendNetworkSettings();
    void sendPreheatStarted(const QString &ts);
    void sendPreheatCompleted(const QString &ts, int bin, int heatTime);
    void sendDaypartChanged(const QString &timeStamp, int zoneIndex, int newDaypart, int prevDaypart);
    void sendLanguageChanged(int languageId);
    void sendPasscodeChanged(const QString &newPasscode);
    void sendPasscodeEntered(const QString &screen, int userLevel, bool authenticated);
    void sendRestaurantNumberUpdated(const QString &restaurantNumber, const QString &oldValue);
    void sendSystemUpdated(const QString &timeStamp, bool result);
    void sendFirmwareUpdated(const QString &timeStamp, const QString &newVersion, const QString &prevVersion,
                             int method, bool result);
    void sendPerformanceDataInterval(int value);
    void sendError(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                   const QString &value);
    void sendErrorClear(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                        const QString &value);
    void sendPowerOn();
    void sendMenuUpdated(const QString &timeStamp, int method, bool result);
    void sendPerformanceData();
    void sendBinMismatchAlert(const QString &timeStamp, const QString &productType, const QString &panID,
                              int binIndex, const QString &binProductType);
    void sendBinMismatchClear(const QString &timeStamp, const QString &productType, const QString &panID,
                              int binIndex, const QString &binProductType);
    void sendHoldStart(const QString &timeStamp, const QString &productType, const QString &panID, int zone,
                       const QString &method);
    void sendHoldStop(const QString &timeStamp, const QString &productType, const QString &panID, int zone,
                      const QString &method, int timeRemaining);
    void sendHoldExpired(const QString &timeStamp, const QString &productType, const QString &panID, int bin);
    void sendPanRemoved(qint64 timeStamp, int whichBin, quint64 panID);
    void sendPanReturned(qint64 timeStamp, int whichBin, quint64 panID);
    void sendTransfer(qint64 timeStamp, int whichBin, quint64 panID);
    void sendHoldingList(const QString &timeStamp);

signals:
    void systemBackupActiveChanged(bool value);
    void systemBackupProgressChanged(int value);
    void forcedPackageActiveChanged(bool value);
    // Declared for the agent's view; nothing sends it.
    void sendIoTAgentInfo(QString info);
    // An SDK error of the agent, as an error quadruple for the error service.
    void iotSdkErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);

private:
    enum class HoldKind { Start, Stop, Expired, PanRemoved, PanReturned, Transfer };

    struct HoldParts
    {
        HoldKind kind = HoldKind::Start;
        QString event;
        QString timeStamp;
        QString panId;
        int productId = 0;
        QString productName;
        int bin = 0;      // 0-based, as reported
        bool pairRule = false;
        const NfcTagItem2 *tag = nullptr;
        bool active = false;
    };

    // False (with a log line naming `operation`) until every reference is set.
    bool ready(const char *operation) const;
    NFCmanager *nfc() const;
    NfcTagItem2 *tagOf(quint64 uid) const;
    static bool validBin(int bin) { return bin >= 0 && bin < MaxBins; }
    int reportedBin(int bin, bool pairRule) const;
    QJsonObject header(const QString &event, const QString &timeStamp) const;
    QJsonObject nameObject(int productId) const;
    QJsonObject dayPartNameObject(int dayPart) const;
    QString importedMenuName() const;
    void send(const QJsonObject &message);
    void sendHoldEvent(const HoldParts &parts);
    void sendMismatchEvent(const QString &event, const QString &timeStamp, int binIndex,
                           const QString &binProductType);
    void restartHold(NfcTagItem2 *tag);
    void sendErrorEvent(const QString &timeStamp, const QString &errorCode, const QString &errorDesc,
                        const QString &value, int status);
    // `why` is empty when the archive was unpacked.
    void finishUnzip(const QString &archive, qint64 commandTs, const QString &why);

    QDBusConnection m_bus;
    IotAgentCabinet *m_cabinet = nullptr;
    MenuManager *m_menu = nullptr;
    ConfigurationManager *m_config = nullptr;
    DayPartManager *m_dayParts = nullptr;
    Translator *m_translator = nullptr;
    bool m_systemBackupActive = false;
    int m_systemBackupProgress = 0;
    bool m_forcedPackageActive = false;
    QPointer<LaunchedCommand> m_unzip;
    bool m_unzipTimedOut = false;
};

#endif // TULIOTAGENTADAPTER_H
