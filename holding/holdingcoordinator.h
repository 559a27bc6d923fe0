#ifndef HOLDINGCOORDINATOR_H
#define HOLDINGCOORDINATOR_H

#include "binproductsource.h"
#include "haccpdata.h"
#include "holdingstatefile.h"
#include "trayinfo.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QVariantList>
#include <QVector>

class BinView;
class SecondTicker;
class CabinetCore;
class MasterIoManager;
class NFCmanager;
class QModbusMaster;
class TagAnalysis;
class TempProbeStateManager;
class TrayBarSc;
class ZoneManager;
struct NfcPollingInfo;

// The holding coordination of the cabinet: creates the zones with their slots, the probe
// supervisors, the NFC manager with its tag analysis and, on the master display, the
// IO-board manager; keeps one record per bin for the screen and the cloud events, routes
// bin starts and stops to the slot that holds the bin (here or, over the display link, on
// the other display) and turns what the slots and the tag analysis report into the
// cabinet's hold, mismatch and preheat events and its HACCP records. The application
// core forwards its holding operations here.
class HoldingCoordinator : public QObject, public BinProductSource
{
    Q_OBJECT
    Q_PROPERTY(QList<QObject *> bins READ get_bins CONSTANT)
    Q_PROPERTY(QVariantList zoneTemps READ get_zoneTemps NOTIFY zoneTempsChanged)
    Q_PROPERTY(bool ambientAlarmActive READ get_ambientAlarmActive NOTIFY ambientAlarmActiveChanged)
    Q_PROPERTY(bool activelyHolding READ get_activelyHolding NOTIFY activelyHoldingChanged)
    // Per zone of the cabinet, the heater fault the cook must call service for: "open" or
    // "shorted" (a probe), "hot" (a heater over temperature), empty for none.
    Q_PROPERTY(QStringList zoneFaults READ get_zoneFaults NOTIFY zoneFaultsChanged)

public:
    static constexpr int MaxBins = 20;
    static constexpr int HeaterChannels = 20;
    // The holding state file is written this long after a change, and this often anyway.
    static constexpr int StateSaveDelayMs = 500;
    static constexpr int StateRefreshMs = 300000;

    struct Setup
    {
        int firstZone = 0;        // zones this display handles
        int zoneCount = 0;
        bool createTrays = true;  // false on a mirror display
        QModbusMaster *modbus = nullptr;               // master display only
        const NfcPollingInfo *nfcPolling = nullptr;
        QList<int> ui2mioZoneMap;
        int zoneNumberingOrder = 0; // how the factory test station counts zones
    };

    explicit HoldingCoordinator(QObject *parent);
    ~HoldingCoordinator() override;

    // Builds the managers; the core (found through the parent) must hold its layout,
    // settings, menu and day parts already.
    void create(const Setup &setup);
    // Zones always, slots unless on a mirror display, probes; the IO-board manager on the
    // master display.
    void start();
    // What start() queued, run now and in the same order: whoever reads the bins next
    // (the scene being built) sees their first states rather than a change of them.
    void enterFirstStates();

    QList<ZoneManager *> zones() const { return m_zones; }
    QList<TrayBarSc *> trays() const { return m_trays; }
    QList<TempProbeStateManager *> probes() const { return m_probes; }
    NFCmanager *nfcManager() const { return m_nfc; }
    TagAnalysis *tagAnalysis() const { return m_analysis; }
    MasterIoManager *ioManager() const { return m_io; }
    TrayBarSc *trayOfBin(int bin) const;
    BinView *binView(int bin) const;
    SecondTicker *secondTicker() const { return m_secondTicker; }
    void setHaccpLog(HaccpLogSink *log) { m_haccp = log; }

    QList<QObject *> get_bins() const;
    QVariantList get_zoneTemps() const;
    bool get_ambientAlarmActive() const { return m_ambientAlarmActive; }
    bool get_activelyHolding() const { return m_activelyHolding; }
    QStringList get_zoneFaults() const;
    // This display's heater faults per channel, as the IO board reports them (master).
    QVector<quint8> channelFaults() const { return m_channelFaults; }

    // BinProductSource.
    int binCount() const override;
    int productIdOfBin(int bin) const override;
    int panSizeOfProduct(int productId) const override;
    int holdTimeOfProduct(int productId) const override;
    bool binIsHolding(int bin) const override;

    // What the core forwards.
    int get_trayState(int bin) const;
    trayInfo getTrayInfo(int bin) const;
    int getProductHoldTime(int prodId) const;
    quint64 get_misMatchedPanId(int bin) const;
    QString get_misMatchId(int bin) const;
    quint64 getTagUidAtBin(unsigned char bin) const;
    int getProductIDfromBinNumber(unsigned char bin) const;
    int getProductPanSizeFromBinNumber(unsigned char bin) const;
    ZoneManager *getZonePtr(unsigned char zone) const;

public slots:
    // A tap on a bin: starts an assigned bin, stops a holding one.
    Q_INVOKABLE void toggleBin(int bin);
    void startBinTimer(unsigned char bin, int seconds, quint64 uid);
    void stopBinTimer(quint8 bin);
    void sendHoldStartedEventToDbus(unsigned char bin, quint64 uid, const QString &method);
    void reStateTraysHoldTemps();
    void logHaccpTimerStartInfo(const QString &timeStamp, const QString &productType, const QString &panID,
                                int binNumber, const QString &method);
    void logHaccpTimerStopInfo(const QString &timeStamp, const QString &productType, const QString &panID,
                               int binNumber, const QString &method, int timeRemaining);
    void removeHaccpLogTimerStartInfo(int binNumber, int productId, qint64 expectedTime);
    // Master: the tag store and last tags come back, then the holds and the day part in
    // force of the holding state file, then the readers are scanned.
    void restoreHolding();
    // Master, once the holding state was restored: "trayBarInfo.json" written now.
    bool saveHoldingState();
    bool holdingRestored() const { return m_stateRestored; }
    void resetAmbientTempAlarm();
    // Acknowledged by staff here: reset, and acknowledged on the other display too.
    void acknowledgeAmbientAlarm();
    // The targets of the zones whose trays are here, to the other display (once the
    // displays have found each other: targets set before that never reached it).
    void sendOwnTargets();

    // What the other display reports.
    void applyRemoteStart(int bin, int seconds, quint64 uid);
    void applyRemoteStop(int bin);
    void applyRemoteResume(int bin, int productId, int dayPart, int secondsLeft, quint64 uid, bool expiryReported);
    void applyRemoteTrayInfo(const trayInfo &info);
    void applyRemotePreheat(int bin, bool entered, int heatTime);
    void applyRemoteMismatch(int bin, bool on, bool universal, quint64 uid);
    void applyRemoteTargets(const QVector<int> &targets);
    void applyRemoteActuals(const QVector<int> &actuals, int ambient);
    void applyRemoteTemperatureAlarm(int kind);
    void applyRemoteRestate();
    // The master's heater faults per channel: shown here besides this display's own.
    void applyRemoteChannelFaults(const QVector<quint8> &faults);

signals:
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
    void nfcChime(bool isUniversalTag);
    void ambientTemperatureAlarm();
    void heaterHighTempAlarm();
    void activelyHoldingChanged(bool holding);
    void zoneTempsChanged();
    void ambientAlarmActiveChanged(bool active);
    // The other display's staff acknowledged the over-temperature alarm.
    void ambientAlarmAcknowledged();
    void zoneFaultsChanged();

    // To the other display.
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

private slots:
    void renameBins();
    void onTrayInfo(const trayInfo &info);
    void onTrayProductChanged();
    void onHoldStarted(int bin, quint64 uid);
    void onHoldExpired(int bin, quint64 uid);
    void onHoldStopped(int bin, quint64 uid, int secondsLeft);
    void onPreheatEntered(int bin);
    void onPreheatExited(int bin, int heatTime);
    void onZoneDaypartChanged(int zone, int newDp, int prevDp);
    void onZoneTargets(int zone, int lower, int upper);
    void onZoneActuals(int uiZone, int lower, int upper);
    void onMismatchRaised(int bin, quint64 uid, bool universal);
    void onMismatchCleared(int bin, quint64 uid, bool universal);
    void onHoldStartedByTag(int bin, quint64 uid);
    void onTagsChanged();
    void onAmbientAlarm();
    void onHeaterAlarm();

private:
    CabinetCore *core() const;
    bool isLocal(int bin) const { return trayOfBin(bin) != nullptr; }
    bool holdsZone(int zone) const;
    bool validBin(int bin) const { return bin >= 0 && bin < binCount(); }
    int fullSizeBin(int bin) const;
    // Stops the bin's slot, here or on the other display; `origin` decides what the
    // end of the hold reports.
    void stopBin(int bin, quint8 origin);
    int productRow(int productId) const;
    QString productName(int productId) const;
    QString shownProductName(int productId) const;
    QString timerColorOfProduct(int productId) const;
    int fanSpeedOfProduct(int productId) const;
    void onZoneFanTarget(int zone, int percent);
    void updateRemoteZoneFan(int bin);
    int panProduct(quint64 uid) const;
    void updateActivelyHolding();
    // Heater channel `channel` (the IO board's numbering) has fault `bit` on or off.
    void setChannelFault(int channel, quint8 bit, bool on);
    int uiZoneOfChannel(int channel) const;
    void updateBinProduct(int bin);
    void raiseRemoteEvents(const trayInfo &before, const trayInfo &after);
    HaccpData haccpRecord(const QString &productType, int binNumber, qint64 elapsedSeconds) const;
    // The holding state file.
    void scheduleStateSave();
    HoldingStateFile::Content holdingState() const;
    void restoreHoldingState();
    // Why the entry's hold cannot go on, empty when it was resumed (here or on the other
    // display).
    QString resumeBin(const HoldingStateFile::Bin &entry, qint64 now);
    void resendRemoteResume(int bin);
    // The product a bin holds for that id (a group's member), 0 when it is not in the menu.
    int memberInMenu(int productId, int groupIndex) const;
    HaccpData startRecord(int bin, int member, qint64 startMs) const;
    // The start records of the bins that hold now, and of those given to the other display.
    QList<HaccpData> startRecordsOfHolds() const;
    static QString nowSeconds();
    static QString panText(quint64 uid);

    Setup m_setup;
    QList<ZoneManager *> m_zones;
    QList<TrayBarSc *> m_trays;
    QList<TempProbeStateManager *> m_probes;
    SecondTicker *m_secondTicker = nullptr;
    QList<BinView *> m_binViews;
    NFCmanager *m_nfc = nullptr;
    TagAnalysis *m_analysis = nullptr;
    MasterIoManager *m_io = nullptr;
    HaccpLogSink *m_haccp = nullptr;
    quint64 m_misMatchedPanId[MaxBins] = {};
    QString m_misMatchId[MaxBins];
    bool m_remoteStartRequested[MaxBins] = {};
    quint8 m_stopOrigin[MaxBins] = {};
    QHash<int, int> m_remoteZoneFan; // zone -> fan target, zones of the other display
    QVector<int> m_targets = QVector<int>(HeaterChannels, 0);
    QVector<int> m_actuals = QVector<int>(HeaterChannels, 0);
    bool m_actualsChanged = false; // a reading of the sweep under way differs
    bool m_ambientAlarmActive = false;
    QVector<quint8> m_channelFaults = QVector<quint8>(HeaterChannels, 0);
    QVector<quint8> m_remoteChannelFaults = QVector<quint8>(HeaterChannels, 0);
    bool m_activelyHolding = false;

    QTimer m_stateSaveTimer;
    QTimer m_stateRefreshTimer;
    bool m_stateRestored = false;
    QString m_unreadableState; // why the file found at start could not be read
    // Holds given to the other display to resume, until it reports them; tries left.
    HoldingStateFile::Bin m_remoteResume[MaxBins];
    int m_remoteResumeTries[MaxBins] = {};
};

#endif // HOLDINGCOORDINATOR_H
