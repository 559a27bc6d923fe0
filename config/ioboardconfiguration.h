#ifndef IOBOARDCONFIGURATION_H
#define IOBOARDCONFIGURATION_H

#include <QObject>
#include <QVariantList>

class ConfigurationManager;
class QModbusMaster;
class QModbusPollInfo;
class QState;

// The configuration of the IO board at every start of the master display, built into the
// settings store's own state machine: read register 0, write the cabinet layout to
// register 1, read the five firmware versions (64-73), then write the supply voltage
// (101) and the power-control values (117-121). Both ends, "configured" and "disabled",
// let the application core announce powerOn. A request that times out or is answered
// with an exception ends in "disabled": the cabinet must not wait for ever.
//
// States: "enabled" (initial) holding "unconfigured" (holding "readConfiguration" and
// "detectConfiguration") and "configured"; "disabled".
class IoBoardConfiguration : public QObject
{
    Q_OBJECT

public:
    // Reply time-out of the four records; tests may shorten it before construction.
    static int replyTimeoutMs;

    IoBoardConfiguration(ConfigurationManager *machine, QModbusMaster *modbus);
    ~IoBoardConfiguration() override;

    // "%1.%2.%3" of bits 16-23, 8-15 and 0-7.
    static QString getVersionString(quint32 version);

    // The rows of the System Information page: {label, value} maps, labels in English
    // (the page translates them).
    static QVariantList systemInformationRows(const ConfigurationManager *config);
    // The IO boards of a cabinet: one, or with four-heater boards one per two zones.
    static int ioBoardCount(int controlBoardType, int numberOfZones);

    QModbusPollInfo *cabinetConfInfo() const { return m_cabinetConfInfo; }
    QModbusPollInfo *firmwareInfo() const { return m_iobfwvInfo; }

public slots:
    void readConfiguration_onEntry();
    void detectConfiguration_onEntry();
    void readIoBoardsFirmwareVersions();
    void configured_onEntry();
    void disabled_onEntry();
    void sendPowerSource();
    void sendPowerControlInfo();

signals:
    void disable();
    // The road ended in "disabled": the IO board did not answer in time (timedOut) or
    // refused a request. The IO-board manager reports it as an error.
    void failed(bool timedOut);

private:
    QState *addState(const QString &name, QState *parent, const char *entrySlot);
    void writeRegisters(quint16 first, QModbusPollInfo *record, const QList<int> &values, int retries,
                        bool overrideFake);

    ConfigurationManager *m_config;
    QModbusMaster *m_modbus;
    QModbusPollInfo *m_cabinetConfInfo;
    QModbusPollInfo *m_iobfwvInfo;
    QModbusPollInfo *m_powerSourceInfo;
    QModbusPollInfo *m_powerControlInfo;
};

#endif // IOBOARDCONFIGURATION_H
