#ifndef CONFIGSYNC_H
#define CONFIGSYNC_H

#include <QByteArray>
#include <QMetaObject>
#include <QObject>

class CabinetCore;
class CanbusManager;
class ConfigurationManager;

// Keeps the identity values and versions of the displays of one cabinet in step: the
// master sends the serial, model and store numbers and the firmware list, a display that
// is not the master sends its application version once per start. Each message is one
// text in a multi-packet CAN transfer; the receiving display applies it with apply().
class ConfigSync : public QObject
{
    Q_OBJECT

public:
    enum MultiId {
        FirmwareList = 7,
        SerialModelNumbers = 25,
        ApplicationVersionOfOther = 26,
        StoreNumber = 27
    };

    // Makes the connections for this display's role; `canbus` may be null (nothing goes
    // out, the messages are still announced by `sending`).
    ConfigSync(ConfigurationManager *config, CanbusManager *canbus, bool iAmMaster);

    static QByteArray firmwareListText(const ConfigurationManager *config);
    static QByteArray serialModelText(const ConfigurationManager *config);
    static QByteArray storeNumberText(const ConfigurationManager *config);

    // Applies a message of the other display; false (logged) for another id or a text
    // that does not hold what the id carries.
    static bool apply(ConfigurationManager *config, int multiId, const QByteArray &data);

public slots:
    void sendFwInfoViaCanbus();
    void sendFwInfoToSlaves(const QString &) { sendFwInfoViaCanbus(); }
    void sendSerialModelNumbersViaCanbus(const QString & = QString());
    void sendStoreNumberViaCanbus(const QString & = QString(), const QString & = QString());
    void sendSerialModelNumbersToSlave();
    void sendFirmwareVersionViaCanbus();

signals:
    // Every message as it is handed to the CAN transport.
    void sending(int multiId, QByteArray text);

private:
    void send(int multiId, const QByteArray &text);
    void masterFound();

    ConfigurationManager *m_config;
    CanbusManager *m_canbus;
    bool m_iAmMaster;
    bool m_versionSent = false;
};

#endif // CONFIGSYNC_H
