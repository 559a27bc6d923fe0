#ifndef MASTERIOMANAGER_H
#define MASTERIOMANAGER_H

#include "ioregistermap.h"
#include "p4statemachine.h"

#include <QList>
#include <QString>
#include <QVector>

class BinInfo;
class CabinetCore;
class ConfigurationManager;
class QModbusMaster;
class QModbusPollInfo;
class QTimer;
struct NfcPollingInfo;

// The master display's side of the IO board and the NFC readers: polls the heater
// temperatures, fans and ambient temperature, board states and tag readers through the
// Modbus master, writes the heater set points, and turns what it reads into zone
// temperatures, error quadruples and tag reads. One poll record and one timer per poll,
// so a silent board never piles up requests.
//
// States: "mphuInit" (board states polled, reader firmware read) -> "mphuModeNormal" on
// the first good board-state reply; mphuModeNormal_onEntry starts the other polls and the
// single shot that reports systemEnteredPreheat 3000 ms later.
class MasterIoManager : public P4StateMachine
{
    Q_OBJECT

public:
    static constexpr int AmbientAlarmLimit = 150;
    static constexpr int HeaterHighTempLimit = 350;
    static constexpr int OpenProbeReading = 3275;  // an open thermocouple reads this or more
    static constexpr int EolTestTemp = 300;
    static constexpr int PreheatDelayMs = 3000;
    static constexpr int SetPointIntervalMs = 500;
    static constexpr int TemperatureRestartMs = 800;
    static constexpr int FanAmbientIntervalMs = 1000;
    static constexpr int StatusIntervalMs = 1500;
    static constexpr int StatusFailedIntervalMs = 6000;
    static constexpr int NfcOneReaderIntervalMs = 500;
    static constexpr int NfcTwoReadersIntervalMs = 250;
    static constexpr int IoRetries = 2;
    static constexpr int NfcRetries = 1;
    static constexpr int ZoneCount = IoRegisterMap::HeaterCount / 2;
    static constexpr int MaxSetPoint = 32767;  // the board takes signed 16-bit degrees

    MasterIoManager(QModbusMaster *modbus, QObject *parent);
    ~MasterIoManager() override;

    // Set before start(). A null table polls no reader; slots whose channel is outside
    // 0..11, whose bin is not a bin of this cabinet or whose reader is not node 2 or 3
    // are left out with a log line.
    void setNfcPollingInfo(const NfcPollingInfo *info);
    // ui zone -> IO-board zone; a list shorter than the cabinet's zones, or whose entries
    // for those zones are outside 0..zones-1 or repeat, is refused with a log line and the
    // identity map is used. An empty list is the identity map.
    void setUi2MioZoneMap(const QList<int> &map);
    // Where the reader firmware versions go ("major.minor.patch"); a failed configuration
    // of the IO board there is reported as (1, 1, 0, 0) time-out or (1, 2, 0, 0) error.
    void setConfigurationManager(ConfigurationManager *config);
    // The fan target of a zone (percent), kept until sendAllFanTargetsRequest writes it.
    void setZoneFanTarget(int uiZone, int percent);
    // Zones counted by the factory test station: 1 numbers them from the last zone, any
    // other value in the cabinet's own order.
    void setZoneNumberingOrder(int order);
    // Reply time-out of every poll (3..1000 ms; 1000 unless set).
    void setPollReplyTimeout(int milliseconds);

    QList<BinInfo *> get_binInfoList() const { return m_bins; }
    // Targets of the 20 heater channels as they are written to the board.
    QVector<int> heaterTargets() const;
    // The same targets in the screen's zone order: element 2 x zone + heater.
    QVector<int> screenHeaterTargets() const;

    void eolTempTestAllHeaters(bool on);
    bool eolTempTestSingleHeater(int zone, int heater);
    int eolGetActualTemp(int zone, int heater) const;
    QString eolGetTempErrorDescription(int zone, int heater) const;

    bool getIoCommErrorDetected() const;
    bool getNfcErrorDetected() const;
    // Reader boards polled (0 without a polling table, else 1 or 2).
    int get_numOfNfcBoards() const;

public slots:
    void setZoneTargets(int uiZone, int lower, int upper);
    // 20 values, one per heater channel; a negative value keeps that channel's target.
    void setHeaterTargets(const QVector<int> &targets);
    // Copies every zone's fan target into the bin records of its two heater channels and
    // writes one target per IO-board zone.
    void sendAllFanTargetsRequest();
    void resetAmbientTempAlarm();
    void startNfcScanning();

signals:
    void ttSendRequestSignal();
    void systemEnteredPreheat(QString epochSeconds);
    void zoneActualTemps(int uiZone, int lower, int upper);
    // The heater targets for the other display, in the screen's zone order (element
    // 2 x zone + heater, as the receiver reads them); only on a cabinet that has one.
    void heaterTargetsChanged(QVector<int> targets);
    void ambientTemperatureAlarm();
    void heaterHighTempAlarm();
    void errorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void errorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void modbusLinkBroken(bool broken);
    void binTagRead(int bin, quint64 uid);

private slots:
    void reportConfigurationFailure(bool timedOut);
    void mphuInit_onEntry();
    void mphuModeNormal_onEntry();
    void reportPreheat();

    void pollTemperatures();
    void temperaturesGood();
    void pollFansAndAmbient();
    void fansAndAmbientGood();
    void pollStatus();
    void statusGood();
    void statusFailed();
    void writeSetPoints();
    void pollNextReader();

private:
    struct ReaderSlot {
        int channel = 0;
        int bin = 0;
    };
    struct Reader {
        quint8 node = 0;
        QList<ReaderSlot> entries;
        QModbusPollInfo *poll = nullptr;
        QModbusPollInfo *versionPoll = nullptr;
        bool inError = false;
    };

    CabinetCore *core() const;
    int zoneCount() const;
    int ioZone(int uiZone) const;
    int stationZone(int zone) const; // the station's zone (from 0) as a zone of the cabinet
    int channelOf(int zone, int heater) const;  // -1 out of range
    QModbusPollInfo *newPoll(int registers, const QString &name);
    bool queueRead(quint16 start, QModbusPollInfo *poll, quint8 node = IoRegisterMap::IoBoardNode,
                   int retries = IoRetries);
    bool queueWrite(quint16 start, QModbusPollInfo *poll);
    void connectIoBoardReplies(QModbusPollInfo *poll);
    void ioBoardAnswered();
    void ioBoardTimedOut();
    void readerAnswered(Reader &reader);
    void setReaderError(Reader &reader, bool inError);
    void clearReaders();
    void relayAndWrite();

    QModbusMaster *m_modbus;
    QList<BinInfo *> m_bins;
    QList<int> m_ui2mio;
    int m_zoneFan[ZoneCount] = {};
    int m_zoneNumberingOrder = 0;
    QList<Reader> m_readers;
    ConfigurationManager *m_config = nullptr;

    QModbusPollInfo *m_temperaturePoll;
    QModbusPollInfo *m_fanAmbientPoll;
    QModbusPollInfo *m_statusPoll;
    QModbusPollInfo *m_setPointPoll;
    QModbusPollInfo *m_fanTargetPoll;

    QTimer *m_temperatureTimer;
    QTimer *m_fanAmbientTimer;
    QTimer *m_statusTimer;
    QTimer *m_setPointTimer;
    QTimer *m_nfcTimer;
    QTimer *m_preheatTimer;

    int m_nextReader = 0;
    bool m_linkBroken = false;
    bool m_ambientAlarm = false;
    bool m_heaterHot[IoRegisterMap::HeaterCount] = {};
    quint16 m_boardState[IoRegisterMap::BoardStateCount] = {};
};

#endif // MASTERIOMANAGER_H
