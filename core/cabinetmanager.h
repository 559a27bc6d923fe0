#ifndef CABINETMANAGER_H
#define CABINETMANAGER_H

#include "cabinetcore.h"
#include "cabinetlayout.h"
#include "trayinfo.h"
#include "tuloptions.h"

#include <QPointer>
#include <QQueue>
#include <QScopedPointer>
#include <QVector>
#include <QTimer>

class CanbusManager;
class FileID;
class HoldingCoordinator;
class EolTesting;
class HoldingLink;
class IotLink;
class TulIotAgentAdapter;
class ZoneManager;
class LanguageModel;
class SoundManager;
class TulErrorControllerT;
class HaccpController;
class IoBoardSimulator;
class MasterSync;
class OrvantaProxy;
class ReceivedFiles;
class PlatformInfo;
class QModbusMaster;
class QQmlApplicationEngine;
class QQmlComponent;
class QWidget;
class TULnetwork;
class WifiMonitor;
class VirtualKeyInput;
struct NfcPollingInfo;

// The composition root: reads the cabinet personality, creates every manager with
// itself as parent, wires them, publishes them to the user interface and starts them.
// Managers reach it through CabinetCore.
class CabinetManager : public CabinetCore
{
    Q_OBJECT
    Q_PROPERTY(bool isConfigured READ get_isConfigured CONSTANT)
    Q_PROPERTY(int orientationId READ get_orientationId CONSTANT)
    Q_PROPERTY(int uiRole READ get_uiRole CONSTANT)
    Q_PROPERTY(int customerId READ get_customerId CONSTANT)
    Q_PROPERTY(int numberOfZones READ get_numberOfZones CONSTANT)
    Q_PROPERTY(int numberOfRows READ get_numberOfRows CONSTANT)
    Q_PROPERTY(int zonesPerRow READ get_zonesPerRow CONSTANT)
    Q_PROPERTY(int traysPerZone READ get_traysPerZone CONSTANT)
    Q_PROPERTY(int traysPerCabinet READ get_traysPerCabinet CONSTANT)
    Q_PROPERTY(int zones2handle READ get_zones2handle CONSTANT)
    Q_PROPERTY(int zones2handleStart READ get_zones2handleStart CONSTANT)
    Q_PROPERTY(bool orientationPortrait READ get_orientationPortrait CONSTANT)
    Q_PROPERTY(bool verticalFlip READ get_verticalFlip CONSTANT)
    Q_PROPERTY(bool nfcEnabled READ get_nfcEnabled CONSTANT)
    Q_PROPERTY(bool haccpEnabled READ get_haccpEnabled CONSTANT)
    Q_PROPERTY(int startingShelfNumber READ get_startingShelfNumber CONSTANT)
    Q_PROPERTY(int shelfNumberingOrder READ get_shelfNumberingOrder CONSTANT)
    Q_PROPERTY(bool hasMirrorDisplay READ get_hasMirrorDisplay CONSTANT)
    Q_PROPERTY(bool hasSecondaryDisplay READ get_hasSecondaryDisplay CONSTANT)
    Q_PROPERTY(bool iAmMaster READ get_iAmMaster NOTIFY iAmMasterChanged)
    Q_PROPERTY(int pluggedInMinutes READ get_pluggedInMinutes NOTIFY pluggedInMinutesChanged)
    Q_PROPERTY(double scaleX READ get_scaleX CONSTANT)
    Q_PROPERTY(double scaleY READ get_scaleY CONSTANT)
    Q_PROPERTY(bool uiDebug READ get_uiDebug CONSTANT)

public:
    static constexpr int IdleTimeoutMs = 300000;
    static constexpr int PluggedInTickMs = 60000;
    static constexpr int PluggedInSaveEveryMinutes = 10;

    // connectorId: the built-in layout to use without a personality file; simulationFlags
    // 7 runs the simulated IO board and virtual CAN bus.
    CabinetManager(int connectorId, int simulationFlags, QWidget *parent = nullptr);
    ~CabinetManager() override;

    // Restarts the idle timer on every touch, click and key press.
    bool eventFilter(QObject *watched, QEvent *event) override;

    // Layout.
    bool get_isConfigured() const override { return m_isConfigured; }
    int get_orientationId() const override { return m_orientationId; }
    int get_uiRole() const override { return m_layout.uiRole; }
    int get_customerId() const override { return m_layout.customerId; }
    int get_numberOfZones() const override { return m_layout.numberOfZones; }
    QList<int> get_ui2mioZoneMap() const override;
    int get_traysPerZone() const override { return m_layout.traysPerZone; }
    int get_traysPerCabinet() const override { return m_layout.traysPerCabinet; }
    int get_zonesPerRow() const override { return m_layout.zonesPerRow; }
    int get_numberOfRows() const override { return m_layout.numberOfRows; }
    int get_singleBinZone() const override { return m_layout.singleBinZone; }
    bool get_singleColumnUnit() const override { return m_layout.singleColumnUnit; }
    int get_tempHandling() const override { return m_layout.tempHandling; }
    int get_cabinetConfiguration() const override { return m_layout.cabinetConfiguration; }
    int get_numIOBoards() const override { return m_layout.numIOBoards; }
    int get_controlBoardType() const override { return m_layout.controlBoardType; }
    bool get_hasFan() const override { return m_layout.hasFan; }
    bool get_iAmMaster() const override { return m_layout.iAmMaster; }
    bool get_nfcEnabled() const override { return m_layout.nfcEnabled; }
    bool get_haccpEnabled() const override { return m_layout.haccpEnabled; }
    int get_startingShelfNumber() const { return m_layout.startingShelfNumber; }
    int get_shelfNumberingOrder() const { return m_layout.shelfNumberingOrder; }
    bool get_productIdDisplayEnable() const override { return m_layout.productIdDisplayEnable; }
    bool get_timerColorEnable() const override { return m_layout.timerColorEnable; }
    bool get_hasMirrorDisplay() const override { return m_layout.hasMirrorDisplay; }
    bool get_hasSecondaryDisplay() const override { return m_layout.hasSecondaryDisplay; }
    bool get_isIndividualDpSelectable() const override { return m_layout.isIndividualDpSelectable; }
    bool get_timerDecrementEnable() const override { return m_layout.timerDecrementEnable; }
    bool get_verticalFlip() const override { return m_layout.verticalFlip; }
    bool get_powerSourceChoice() const override { return m_layout.powerSourceChoice; }
    int get_powerSource() const override { return m_layout.powerSource; }
    int get_maxCurrent() const override { return m_layout.maxCurrent; }
    int get_bottomHeaterResistance() const override { return m_layout.bottomHeaterResistance; }
    int get_topHeaterResistance() const override { return m_layout.topHeaterResistance; }
    int get_bottomTempOffset() const override { return m_layout.bottomTempOffset; }
    int get_topTempOffset() const override { return m_layout.topTempOffset; }
    int get_zones2handle() const { return m_layout.zones2handle; }
    int get_zones2handleStart() const { return m_layout.zones2handleStart; }
    bool get_orientationPortrait() const { return m_layout.orientationPortrait; }
    const QList<int> *get_productLocationMap() const { return &m_layout.productLocationMap; }
    NfcPollingInfo *get_nfcPollingInfo() const { return m_nfcPollingInfo; }
    double get_scaleX() const { return m_options.scaleX; }
    double get_scaleY() const { return m_options.scaleY; }
    bool get_uiDebug() const { return m_options.uiDebug; }
    // True when this display talks to another display of its cabinet.
    bool talksToOtherDisplay() const;

    // Run-time state.
    bool get_activelyHolding() const override;
    int get_pluggedInMinutes() const override { return m_pluggedInMinutes; }
    bool get_flashDriveMounted() const override { return m_flashDriveMounted; }

    ConfigurationManager *configManager() const override { return m_config; }
    Translator *translator() const override { return m_translator; }
    MenuManager *menuManager() const override { return m_menu; }
    DayPartManager *daypartManager() const override { return m_dayParts; }

    QDateTime adjustToLocalDateTime(QDateTime &dateTime) override;
    QString readFlashDrivePath() override;
    bool isFlashDriveMounted() override;
    // Asks the mount table and publishes the answer as flashDriveMounted.
    Q_INVOKABLE void refreshFlashDriveMounted();

    // The managers, for the display link and tests.
    CanbusManager *canbusManager() const { return m_canbus; }
    QModbusMaster *modbusMaster() const { return m_modbus; }
    IoBoardSimulator *ioSimulator() const { return m_ioSimulator; }
    MasterSync *masterSync() const { return m_masterSync; }
    SoundManager *soundManager() const { return m_sound; }
    TulErrorControllerT *errorService() const { return m_errors; }
    HaccpController *haccpController() const { return m_haccp; }
    FileID *fileId() const { return m_fileId; }
    HoldingCoordinator *holding() const { return m_holding; }
    QQmlApplicationEngine *qmlEngine() const { return m_engine; }
    IotLink *iot() const { return m_iot; }
    EolTesting *eolTest() const { return m_eolTest; }
    TulIotAgentAdapter *tulIot() const { return m_tulIot.data(); }

public slots:
    void set_flashDriveMounted(bool mounted) override;
    void set_iAmMaster(bool master);
    // Cloud link: the settings' performance-data interval in seconds.
    void setPerformanceDataInterval(int value);

    // Display link: senders.
    void sendFileViaCanbus(int fileId) override;
    void sendFileViaCanbus(const QString &filePath, int transferId) override;
    void sendOvUpdateProducts() override;
    void sendOvUpdateDayparts() override;
    void sendConfigSettingsData() override;
    void sendConfigSettingsChangeRequest(const QVariantMap &values) override;
    void sendLanguageSettingsData() override;
    void sendRequestRollCallMsg() override;
    void sendResyncRequest();
    void processDayPartChange(int dayPart);
    // A display that is not the master asks the master for a day part.
    Q_INVOKABLE void requestDayPart(int dayPart);
    void sendErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3) override;
    void sendErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3) override;
    void sendClearAllErrorInfo() override;
    void sendScreenTestStart();
    void sendScreenTestStop();
    // Service: a PNG of the active window in "screenshots/" under the data root.
    void screenShot();
    void sendRfIdTestStart();
    void sendSystemInfoTestStart();

    // Sounds and errors other subsystems report through the core.
    void soundNfcChime(bool isUniversalTag);
    void stopAmbientTempAlarmSlot();
    void recordErrorModbusBrokenLink(bool broken);
    // A probe supervisor's fault as an error; left unconnected, since the error service
    // reports probe faults itself from the board's error registers.
    void recordErrorTpOpen();
    void recordErrorTpShorted();

    // Holding: the coordination in holding/ does the work.
    int get_trayState(int bin) const;
    trayInfo getTrayInfo(int bin) const;
    int getProductHoldTime(int prodId) const;
    quint64 get_misMatchedPanId(int bin) const;
    QString get_misMatchId(int bin) const;
    quint64 getTagUidAtBin(unsigned char bin) const;
    bool getSystemBackupInProgress() const { return false; }
    int getProductIDfromBinNumber(unsigned char bin) const;
    int getProductPanSizeFromBinNumber(unsigned char bin) const;
    ZoneManager *getZonePtr(unsigned char zone) const;
    void reStateTraysHoldTemps();
    void sendHoldStartedEventToDbus(unsigned char bin, quint64 uid, QString method);
    void startBinTimer(unsigned char bin, int seconds, quint64 uid);
    void stopBinTimer(quint8 bin);
    void logHaccpTimerStartInfo(QString timeStamp, QString productType, QString panID, int binNumber,
                                QString method);
    void logHaccpTimerStopInfo(QString timeStamp, QString productType, QString panID, int binNumber,
                               QString method, int timeRemaining);
    void removeHaccpLogTimerStartInfo(int binNumber, int productId, qint64 expectedTime);

    // Display link: receivers.
    void processSinglePacket(QByteArray *data);
    // False when a received file is refused (ours stays; the sender learns it failed):
    // one from a node this display takes no such file from, one that is not whole, or one
    // that would empty our menu or day parts without coming from the master.
    bool processMultiPacket(quint32 senderId, int multiId, const QByteArray &data);

signals:
    void invokeSimpleDialog(QString text, bool showClose);
    void firmwareUpdateStarted();
    void displayTestStart();
    void displayTestStop();
    void nfcTestStart();
    void systemInfoTestStart();
    void stopAmbientTempAlarm();
    void iAmMasterChanged(bool master);
    void pluggedInMinutesChanged(int minutes);
    // Messages of the other display for managers that are wired to them.
    void alarmRequestReceived(int alarmId, bool play);
    void errorInfoReceived(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorClearInfoReceived(int mainCode, int subCode1, int subCode2, int subCode3);
    void clearAllErrorsReceived();
    void dayPartReceived(int dayPart);
    void fileReceived(int transferId, QString path);
    // Holding events, raised by the holding coordination.
    void event_holdStarted(QString timeStamp, QString productType, QString panID, int zone, QString method);
    void event_holdStopped(QString timeStamp, QString productType, QString panID, int zone, QString method,
                           int timeRemaining);
    void event_holdExpired(QString timeStamp, QString productType, QString panID, int bin);
    void notifyBinMismatchAlert(QString timeStamp, QString productType, QString panID, int binIndex,
                                QString binProductType);
    void notifyBinMismatchClear(QString timeStamp, QString productType, QString panID, int binIndex,
                                QString binProductType);
    void holdingListChanged(QString timeStamp);
    void zonePreheatEntered(QString timeStamp, int binIndex);
    void zonePreheatExited(QString timeStamp, int binIndex, int heatTime);
    void zoneDaypartChanged(QString timeStamp, int zoneIndex, int newDaypart, int prevDaypart);

private slots:
    void onSinglePacket(quint32 senderId, const QByteArray &data);
    void idleTimeout();
    void pluggedInTick();
    void answerResyncRequest();
    void applyRemoteDayPart(int dayPart);
    // Master: what only it learns from the IO board (its link, the heaters' faults) and
    // the wrong pans of its bins, to the other displays.
    void sendFaultState();
    void sendOwnMismatches();

private:
    void sendDayPart(int dayPart);
    // Construction steps, in the order they run.
    void readPersonality();
    void applyNfcStep();
    void createLanguageServices();
    void createCanTransport();
    void createModbus();
    void createSoundManager();
    void createErrorService();
    void createSettings();
    void createMenus();
    void connectManagers();
    void createDisplayLink();
    void createHolding();
    void connectHolding();
    void connectLanguageFollowers();
    void createIot();
    void createEolTest();
    void connectIot();
    void publishToQml();
    void startMachines();
    void preloadScene();
    void loadScene();
    void startAfterFirstFrame();
    void startLinks();
    void openIoBoardLine();
    // One line per subsystem at info level, once the start-up synchronisation has finished.
    void logStartSummary();

    void useLayoutFromFile();
    void useBuiltInLayout(int connectorId);
    void retireOtherPersonalities(const QString &keep);
    void applySettingsRecord(const QByteArray &json);
    void applySettingsChangeRequest(const QByteArray &json);
    void applyLanguageSettings(const QByteArray &data);
    void enqueueSingle(const QByteArray &data);
    void enqueueMulti(int multiId, const QByteArray &data);
    int ownFrameId() const;
    void loadPluggedInMinutes();
    void savePluggedInMinutes();

    const int m_connectorId;
    const int m_simulationFlags;
    TulOptions m_options;
    CabinetLayout m_layout;
    int m_orientationId = 0;
    bool m_isConfigured = false;
    bool m_flashDriveMounted = false;
    int m_pluggedInMinutes = 0;
    QVector<int> m_productLocations; // contiguous copy for the day-part manager
    // Where a change of the day part came from: one that is not the master sends on only
    // its own changes, not the master's nor its start-up default.
    enum class DayPartOrigin { Here, OtherDisplay, StartUpDefault };
    DayPartOrigin m_dayPartOrigin = DayPartOrigin::Here; // of the change being made
    QQueue<DayPartOrigin> m_dayPartOrigins;               // of the changes not yet sent on
    bool m_dayPartFromMaster = false; // the master's day part arrived: no start-up default over it

    FileID *m_fileId = nullptr;
    NfcPollingInfo *m_nfcPollingInfo = nullptr;
    QQmlApplicationEngine *m_engine = nullptr;
    QQmlComponent *m_scenePreload = nullptr;
    bool m_linksStarted = false;
    Translator *m_translator = nullptr;
    LanguageModel *m_languageModel = nullptr;
    VirtualKeyInput *m_vki = nullptr;
    ConfigurationManager *m_config = nullptr;
    SoundManager *m_sound = nullptr;
    TulErrorControllerT *m_errors = nullptr;
    HaccpController *m_haccp = nullptr;
    MenuManager *m_menu = nullptr;
    DayPartManager *m_dayParts = nullptr;
    OrvantaProxy *m_ovp = nullptr;
    CanbusManager *m_canbus = nullptr;
    IoBoardSimulator *m_ioSimulator = nullptr;
    QModbusMaster *m_modbus = nullptr;
    MasterSync *m_masterSync = nullptr;
    TULnetwork *m_network = nullptr;
    WifiMonitor *m_wifiMonitor = nullptr;
    HoldingCoordinator *m_holding = nullptr;
    HoldingLink *m_holdingLink = nullptr;
    // Which files of the display link this display takes; holds one awaiting its announcement.
    QScopedPointer<ReceivedFiles> m_receivedFiles;
    EolTesting *m_eolTest = nullptr;
    IotLink *m_iot = nullptr;
    QString m_canInterface;
    QString m_ioBoardPort;
    bool m_startSummaryLogged = false;
    // Without a parent, like the cabinet it serves; outlives the scene.
    QScopedPointer<TulIotAgentAdapter> m_tulIot;
    PlatformInfo *m_platformInfo = nullptr;
    QTimer m_idleTimer;
    QTimer m_pluggedInTimer;
};

#endif // CABINETMANAGER_H
