// Model and serial numbers set by the cloud: parked in a file, applied at the next start.
#include "tullumo.h"

#include "cabinetidentity.h"
#include "configurationmanager.h"
#include "iotkeyvaluefile.h"
#include "iotlog.h"
#include "tulpaths.h"

#include <QFile>

QString TulLumo::pendingModelPath() { return TulPaths::rootPath(QStringLiteral("newModelInfo.txt")); }
QString TulLumo::pendingSerialPath() { return TulPaths::rootPath(QStringLiteral("newSerialInfo.txt")); }

const QStringList &TulLumo::acceptedModelNumbers()
{
    static const QStringList models{QStringLiteral("QXV31PRM2K"), QStringLiteral("QXV31PRT2K"),
                                    QStringLiteral("QXV33PRT3K"), QStringLiteral("QXV61PRT2K"),
                                    QStringLiteral("QXV63PRT2K")};
    return models;
}

bool TulLumo::writeTempModelNumber(QString modelNumberValue)
{
    return IotKeyValueFile::write(pendingModelPath(), {{QStringLiteral("modelNumber"), modelNumberValue}});
}

bool TulLumo::writeTempSerialNumber(QString serialNumberValue)
{
    // A value the file cannot carry would come back as another number or none.
    if (!CabinetIdentity::acceptableIdentityValue(serialNumberValue)) {
        qCWarning(lcIot) << "Pending serial number refused: it holds \"=\", a line break or NUL";
        return false;
    }
    return IotKeyValueFile::write(pendingSerialPath(), {{QStringLiteral("serialNumber"), serialNumberValue}});
}

bool TulLumo::applyPendingIdentity(const QString &path, const QString &key, bool *applied)
{
    if (!QFile::exists(path))
        return true;
    QHash<QString, QString> values;
    if (IotKeyValueFile::read(path, {key}, &values) != IotKeyValueFile::Read::Ok) {
        qCWarning(lcIot).noquote() << "Unable to Open File !!!" << path;
        return false;
    }
    ConfigurationManager *settings = config();
    const QString value = values.value(key);
    // An empty value would erase the cabinet's number: the stored one stays.
    if (value.isEmpty() || !CabinetIdentity::acceptableIdentityValue(value)) {
        qCWarning(lcIot).noquote() << "Pending" << key << "in" << path << "holds no usable value; the stored one stays";
    } else if (settings) {
        settings->setProperty(key.toLatin1().constData(), value);
        // The pending file goes only once the new number is stored.
        if (!settings->saveCabinetSerialModelNumbers()) {
            qCWarning(lcIot).noquote() << "Pending" << key << "kept for the next start: identity file not saved";
            return true;
        }
        qCInfo(lcIot).noquote() << "New" << key << "applied:" << value;
        *applied = true;
    }
    IotKeyValueFile::remove(path);
    return true;
}

void TulLumo::checkModelSerialUpdates()
{
    bool applied = false;
    if (!applyPendingIdentity(pendingModelPath(), QStringLiteral("modelNumber"), &applied))
        return;
    if (!applyPendingIdentity(pendingSerialPath(), QStringLiteral("serialNumber"), &applied))
        return;
    // The agent's credentials belong to the old identity.
    if (applied && QFile::exists(CabinetIdentity::credentialsPath())
        && !QFile::remove(CabinetIdentity::credentialsPath()))
        qCWarning(lcIot).noquote() << "Unable to remove" << CabinetIdentity::credentialsPath();
}
