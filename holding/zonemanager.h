#ifndef ZONEMANAGER_H
#define ZONEMANAGER_H

#include "p4statemachine.h"

#include <QList>
#include <QTimer>
#include <QVector>

class TrayBarSc;

// One heated zone of this display: its trays, the day part they hold, the heater targets
// their products ask for, and how the actual temperatures compare.
//
//   zoneOff     -> zoneHeating  t_zoneOff_heating     a target, a heater more than 10 below it
//   zoneOff     -> zoneReady    t_zoneOff_ready       a target, both heaters within 10
//   zoneHeating -> zoneReady    t_zoneHeating_ready
//   zoneReady   -> zoneHeating  t_zoneReady_heating
//   zoneHeating -> zoneOff      t_zoneHeating_off     no tray wants heat
//   zoneReady   -> zoneOff      t_zoneReady_off
// All of them are tested whenever a target or an actual temperature changes. Trays are
// told they are below target while the zone is heating.
//
// The zone's fan runs at the highest fan speed its trays' products ask for.
//
// Errors, independent of the states: a heater with a target more than 25 below it for
// ZoneErrorHoldOffMs is too low (3, 0, zone, actual), more than 25 above it for
// TooHighHoldOffMs too high (3, 1, zone, actual); each is cleared with its own quadruple
// once no heater is out of the band any more.
class ZoneManager : public P4StateMachine
{
    Q_OBJECT
    Q_PROPERTY(int zoneNumber READ get_zoneNumber CONSTANT)

public:
    static constexpr int ZoneErrorHoldOffMs = 900000;
    static constexpr int TooHighHoldOffMs = 300000;
    static constexpr int HeatingBand = 10;
    static constexpr int ErrorBand = 25;
    static constexpr int MaxBins = 20;

    ZoneManager(int zoneNumber, int firstBin, int binCount, bool createTrays, QObject *parent);

    int get_zoneNumber() const { return m_zoneNumber; }
    Q_INVOKABLE int get_prevDayPart() const { return m_prevDayPart; }
    Q_INVOKABLE int get_currentDayPart() const { return m_currentDayPart; }
    Q_INVOKABLE QList<int> get_targetTempsList() const { return {m_target[0], m_target[1]}; }
    Q_INVOKABLE QList<int> get_actualTempsList() const { return {m_actual[0], m_actual[1]}; }
    // Percent; 0 while no tray of the zone holds a product.
    int get_fanTarget() const { return m_fanTarget; }
    QList<TrayBarSc *> trays() const { return m_trays; }

public slots:
    void set_nextDayPart(int dp);
    void processDaypartUpdate(int dpNumber);
    void set_actualTemps(int lower, int upper);
    void reEmitErrorFlags();
    void reStateHoldTemps();

signals:
    void zoneErrorInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void zoneErrorClearInfo(int mainCode, int subCode1, int subCode2, int subCode3);
    void zoneDaypartChanged(int zone, int newDp, int prevDp);
    void targetTempsChanged(int zone, int lower, int upper);
    void actualTempsChanged(int zone, int lower, int upper);
    void fanTargetChanged(int zone, int percent);

    // Trigger of the state table: a target or an actual temperature changed.
    void tempsChanged();

private slots:
    void zoneHeating_onEntry();
    void zoneHeating_onExit();

    void trayHoldTemps(int bin, int lower, int upper);
    void trayFanSpeed(int bin, int percent);
    bool isOff() const;
    bool isBelow() const;
    bool isReady() const;
    void tooLowDue();
    void tooHighDue();

private:
    struct ZoneError
    {
        int subCode = 0;
        QTimer holdOff;
        bool standing = false;
        int value = 0; // the offending actual the error was raised with
    };

    void reassignTrays(int dp);
    void recomputeTargets();
    void recomputeFanTarget();
    // The actual of the first heater with a target outside the band, or INT_MIN.
    int offendingActual(bool tooLow) const;
    void superviseErrors();
    void supervise(ZoneError &error, bool tooLow);
    void raise(ZoneError &error, bool tooLow);

    const int m_zoneNumber;
    int m_firstBin = 0;
    QList<TrayBarSc *> m_trays;
    QVector<int> m_trayLower; // per tray of this zone, what its product asks for
    QVector<int> m_trayUpper;
    QVector<int> m_trayFan;
    int m_fanTarget = 0;
    bool m_collectingTemps = false; // trays are being asked one after the other
    int m_target[2] = {0, 0};
    int m_actual[2] = {0, 0};
    int m_currentDayPart = -1;
    int m_prevDayPart = -1;
    ZoneError m_tooLow;
    ZoneError m_tooHigh;
};

#endif // ZONEMANAGER_H
