#include "configsync.h"
#include "configlog.h"

#include "cabinetcore.h"
#include "cabinetidentity.h"
#include "canbusmanager.h"
#include "cansendrequest.h"
#include "configurationmanager.h"

#include <QDebug>

ConfigSync::ConfigSync(ConfigurationManager *config, CanbusManager *canbus, bool iAmMaster)
    : QObject(config), m_config(config), m_canbus(canbus), m_iAmMaster(iAmMaster)
{
    setObjectName(QStringLiteral("configSync"));
    CabinetCore *core = CabinetCore::of(config);
    const bool others = core && (core->get_hasMirrorDisplay() || core->get_hasSecondaryDisplay());
    if (iAmMaster && others) {
        // Only the readers' and the cloud agent's versions: the IO board's come with
        // the configuration's own list.
        connect(config, &ConfigurationManager::readerFirmwareVersion1Changed, this,
                &ConfigSync::sendFwInfoToSlaves, Qt::QueuedConnection);
        connect(config, &ConfigurationManager::readerFirmwareVersion2Changed, this,
                &ConfigSync::sendFwInfoToSlaves, Qt::QueuedConnection);
        connect(config, &ConfigurationManager::iotSoftwareVersionChanged, this,
                &ConfigSync::sendFwInfoToSlaves, Qt::QueuedConnection);
        connect(config, &ConfigurationManager::serialNumberChanged, this,
                &ConfigSync::sendSerialModelNumbersViaCanbus, Qt::QueuedConnection);
        connect(config, &ConfigurationManager::modelNumberChanged, this,
                &ConfigSync::sendSerialModelNumbersViaCanbus, Qt::QueuedConnection);
        connect(config, &ConfigurationManager::storeNumberChanged, this,
                &ConfigSync::sendStoreNumberViaCanbus, Qt::QueuedConnection);
        connect(core, &CabinetCore::slaveUiFoundChanged, this, &ConfigSync::sendSerialModelNumbersToSlave,
                Qt::QueuedConnection);
    } else if (!iAmMaster && core) {
        connect(core, &CabinetCore::masterUiWasFound, this, &ConfigSync::masterFound,
                Qt::QueuedConnection);
    }
}

QByteArray ConfigSync::firmwareListText(const ConfigurationManager *c)
{
    const QStringList lines = {c->get_ioBoardFirmwareVersion0(), c->get_ioBoardFirmwareVersion1(),
                               c->get_ioBoardFirmwareVersion2(), c->get_ioBoardFirmwareVersion3(),
                               c->get_ioBoardFirmwareVersion4(), c->get_readerFirmwareVersion1(),
                               c->get_readerFirmwareVersion2(), c->get_iotSoftwareVersion()};
    QByteArray text;
    for (const QString &line : lines)
        text += line.toLocal8Bit() + '\n';
    return text;
}

QByteArray ConfigSync::serialModelText(const ConfigurationManager *c)
{
    return c->get_serialNumber().toLocal8Bit() + '\n' + c->get_modelNumber().toLocal8Bit() + '\n';
}

QByteArray ConfigSync::storeNumberText(const ConfigurationManager *c)
{
    return c->get_storeNumber().toLocal8Bit();
}

bool ConfigSync::apply(ConfigurationManager *c, int multiId, const QByteArray &data)
{
    const QStringList lines = QString::fromLocal8Bit(data).split(QLatin1Char('\n'));
    switch (multiId) {
    case FirmwareList:
        if (lines.size() < 8)
            break;
        qCDebug(lcConfig) << "Firmware versions from the other display:" << lines.mid(0, 8).join(QLatin1Char(' '));
        c->set_ioBoardFirmwareVersion0(lines.at(0));
        c->set_ioBoardFirmwareVersion1(lines.at(1));
        c->set_ioBoardFirmwareVersion2(lines.at(2));
        c->set_ioBoardFirmwareVersion3(lines.at(3));
        c->set_ioBoardFirmwareVersion4(lines.at(4));
        c->set_readerFirmwareVersion1(lines.at(5));
        c->set_readerFirmwareVersion2(lines.at(6));
        c->set_iotSoftwareVersion(lines.at(7));
        return true;
    case SerialModelNumbers:
        if (lines.size() < 2)
            break;
        qCDebug(lcConfig) << "Serial and model numbers from the other display:" << lines.at(0) << lines.at(1);
        c->set_serialNumber(lines.at(0));
        c->set_modelNumber(lines.at(1));
        return true;
    case ApplicationVersionOfOther:
        qCDebug(lcConfig) << "Application version of the other display:" << lines.first();
        c->set_theOtherUiFwVersion(lines.first());
        return true;
    case StoreNumber:
        qCDebug(lcConfig) << "Store number from the other display:" << lines.first();
        c->set_storeNumber(lines.first());
        return true;
    default:
        return false;
    }
    qCWarning(lcConfig) << "Configuration message" << multiId << "from the other display is short; ignored:" << data;
    return false;
}

void ConfigSync::send(int multiId, const QByteArray &text)
{
    emit sending(multiId, text);
    if (!m_canbus)
        return;
    const CabinetCore *core = CabinetCore::of(m_config);
    auto *request = new CanSendRequest;
    request->set_frameId((core ? core->get_iAmMaster() : m_iAmMaster) ? 1 : 2);
    request->set_multi(true);
    request->set_multiId(multiId);
    request->set_data(text);
    m_canbus->enqueueSendRequest(request);
}

void ConfigSync::sendFwInfoViaCanbus()
{
    send(FirmwareList, firmwareListText(m_config));
}

void ConfigSync::sendSerialModelNumbersViaCanbus(const QString &)
{
    send(SerialModelNumbers, serialModelText(m_config));
}

void ConfigSync::sendStoreNumberViaCanbus(const QString &, const QString &)
{
    send(StoreNumber, storeNumberText(m_config));
}

void ConfigSync::sendSerialModelNumbersToSlave()
{
    sendSerialModelNumbersViaCanbus();
    sendStoreNumberViaCanbus();
}

// Once per start, however often the master is found again. A flag rather than a
// disconnect: finds queued before the first is handled would still arrive.
void ConfigSync::masterFound()
{
    if (!m_versionSent)
        sendFirmwareVersionViaCanbus();
}

void ConfigSync::sendFirmwareVersionViaCanbus()
{
    m_versionSent = true;
    send(ApplicationVersionOfOther, QByteArray(CabinetIdentity::ApplicationVersion));
}
