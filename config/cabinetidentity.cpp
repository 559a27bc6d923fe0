#include "cabinetidentity.h"
#include "configlog.h"

#include "commandlauncher.h"
#include "configurationmanager.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QUuid>

#include <cstdio>

const char *const CabinetIdentity::IdentityKeys[4] = {"serialNumber", "modelNumber", "uuidNumber",
                                                      "customerIdStr"};

namespace {

const QString kLumo = QStringLiteral("QRB_LUMO");

// The lines of a "key=value" file split at their first "=", without line ends; lines
// without "=" are left out.
QList<QPair<QString, QString>> keyValueLines(const QByteArray &text)
{
    QList<QPair<QString, QString>> lines;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const int eq = line.indexOf('=');
        if (eq < 0)
            continue;
        lines.append({QString::fromUtf8(line.left(eq)), QString::fromUtf8(line.mid(eq + 1))});
    }
    return lines;
}

// A plain file's text, up to `maxBytes`: a larger one gives its head. Whether the file
// was there and could be read is the result.
SafeFileReader::Result readHead(const QString &path, qint64 maxBytes, QByteArray *text, const char *what)
{
    const SafeFileReader::Result read = SafeFileReader::read(path, maxBytes, text, what);
    if (read == SafeFileReader::TooLarge) {
        // A plain file (the reader said so): its head still holds the lines.
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            *text = file.read(maxBytes);
    }
    return read;
}

QString unquoted(const QString &value)
{
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return value.mid(1, value.size() - 2);
    return value;
}

} // namespace

QString CabinetIdentity::identityFilePath()
{
    return TulPaths::rootPath(QStringLiteral("serialModelNums.txt"));
}

QString CabinetIdentity::iotVersionFilePath(const QString &iotType)
{
    return TulPaths::rootPath(iotType == kLumo ? QStringLiteral("iotConfig_lumo")
                                               : QStringLiteral("iotConfig"));
}

QString CabinetIdentity::firmwareUpdateMarkerPath()
{
    return TulPaths::rootPath(QStringLiteral("updates/firmwareUpdateInfo.txt"));
}

QString CabinetIdentity::conversionMarkerPath()
{
    return TulPaths::rootPath(QStringLiteral("convert_to_lumo.txt"));
}

QString CabinetIdentity::conversionSeedPath()
{
    return TulPaths::rootPath(QStringLiteral("updates/wpa_supplicant.conf"));
}

QString CabinetIdentity::defaultNetworkSeedPath()
{
    return TulPaths::rootPath(QStringLiteral("updates/defaultNetwork.txt"));
}

QString CabinetIdentity::credentialsPath()
{
    return TulPaths::resolve(QStringLiteral("/creds.cfg"));
}

bool CabinetIdentity::isIdentityKey(const char *name)
{
    for (const char *key : IdentityKeys) {
        if (qstrcmp(key, name) == 0)
            return true;
    }
    return false;
}

bool CabinetIdentity::acceptableIdentityValue(const QString &value)
{
    for (const QChar c : value) {
        if (c == QLatin1Char('=') || c == QLatin1Char('\n') || c == QLatin1Char('\r') || c.unicode() == 0
            || c == QChar::ReplacementCharacter)
            return false;
    }
    return value.toUtf8().size() <= MaxIdentityValueBytes;
}

CabinetIdentity::WifiSeed CabinetIdentity::parseWifiSeed(const QByteArray &text)
{
    WifiSeed seed;
    for (const auto &line : keyValueLines(text)) {
        const QString key = line.first.trimmed();
        if (key == QLatin1String("ssid")) {
            seed.hasSsid = true;
            seed.ssid = unquoted(line.second);
        } else if (key == QLatin1String("psk")) {
            seed.hasPsk = true;
            seed.psk = unquoted(line.second);
        }
    }
    return seed;
}

bool CabinetIdentity::saveCabinetSerialModelNumbers()
{
    const QString path = identityFilePath();
    if (m_fileUnreadable && m_config->get_uuidNumber().isEmpty()) {
        // A file without the UUID in place of the unreadable one would give the cabinet
        // a new UUID at the next start.
        qCWarning(lcConfig) << "Unable to Open File for writing:" << path << "could not be read and may hold the UUID";
        restoreStoredNumbers();
        return false;
    }
    QByteArray text;
    for (const char *key : IdentityKeys)
        text += QByteArray(key) + '=' + m_config->property(key).toString().toUtf8() + '\n';
    QString error;
    if (!SafeFileWriter::writeFile(path, text, &error, SafeFileWriter::OwnerOnly)) {
        qCWarning(lcConfig) << "Unable to Open File for writing:" << path << error;
        restoreStoredNumbers();
        return false;
    }
    m_storedSerial = m_config->get_serialNumber();
    m_storedModel = m_config->get_modelNumber();
    qCDebug(lcConfig) << "Saving Serial and Model numbers file.";
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    return true;
}

void CabinetIdentity::restoreStoredNumbers()
{
    if (m_config->get_serialNumber() == m_storedSerial && m_config->get_modelNumber() == m_storedModel)
        return;
    qCWarning(lcConfig).noquote() << "Serial and model numbers not saved: back to" << m_storedSerial << m_storedModel;
    m_config->set_serialNumber(m_storedSerial);
    m_config->set_modelNumber(m_storedModel);
}

void CabinetIdentity::loadCabinetSerialModelNumbers()
{
    // The UUID is the cabinet's name in the cloud: it is made only when a file that could
    // be read held none. A damaged file is set aside once what still reads of it is in a
    // sound one; a file that cannot be read at all stays where it is.
    const QString path = identityFilePath();
    QByteArray text;
    SafeFileReader::Result read = SafeFileReader::read(path, MaxIdentityFileBytes, &text, "identity file");
    bool wholeFile = read == SafeFileReader::Ok;
    if (read == SafeFileReader::TooLarge)
        wholeFile = SafeFileReader::read(path, MaxIdentityRecoveryBytes, &text, "identity file") == SafeFileReader::Ok;
    m_fileUnreadable = read != SafeFileReader::Missing && !wholeFile;
    int taken = 0;
    for (const auto &line : keyValueLines(text)) {
        const QByteArray key = line.first.toLatin1();
        if (isIdentityKey(key.constData()) && acceptableIdentityValue(line.second)
            && m_config->setProperty(key.constData(), line.second))
            ++taken;
        else
            qCDebug(lcConfig) << "Unable to set TUL config property: " << line.first.left(64);
    }
    QString why;
    if (read == SafeFileReader::Missing)
        qCDebug(lcConfig) << "Unable to Open File: " << path;
    else if (m_fileUnreadable)
        qCWarning(lcConfig).noquote() << "The identity file" << path << "could not be read: left as it is, no UUID made";
    else if (read == SafeFileReader::TooLarge)
        why = QStringLiteral("larger than %1 bytes").arg(MaxIdentityFileBytes);
    else if ((why = SafeFileReader::textProblem(text)).isEmpty() && taken == 0)
        why = text.trimmed().isEmpty() ? QStringLiteral("empty") : QStringLiteral("no valid line");
    const QString aside = why.isEmpty() ? QString()
                                        : SafeFileReader::setAside(path, QStringLiteral("identity file: ") + why);
    m_storedSerial = m_config->get_serialNumber();
    m_storedModel = m_config->get_modelNumber();

    if (m_config->get_serialNumber().isEmpty() || m_config->get_modelNumber().isEmpty())
        emit m_config->showSerialModelNumbersDialog();
    if (m_config->get_uuidNumber().isEmpty()) {
        if (m_fileUnreadable)
            return;
        m_config->set_uuidNumber(QUuid::createUuid().toString().remove(QLatin1Char('{')).remove(QLatin1Char('}')));
        saveCabinetSerialModelNumbers();
    } else if (!aside.isEmpty() && !saveCabinetSerialModelNumbers()) {
        // What was kept of the old file is not in a sound one: the old one stays in use.
        if (::rename(QFile::encodeName(aside).constData(), QFile::encodeName(path).constData()) != 0)
            qCWarning(lcConfig).noquote() << "The identity file" << aside << "could not be put back as" << path;
    }
}

bool CabinetIdentity::readIotConfigFile()
{
    // The file belongs to the cloud agent: read as it is, never moved or rewritten.
    const QString path = iotVersionFilePath(m_config->get_iotType());
    QByteArray text;
    const SafeFileReader::Result read = readHead(path, MaxIotVersionFileBytes, &text, "cloud agent version file");
    if (read == SafeFileReader::Missing || read == SafeFileReader::Unreadable) {
        qCDebug(lcConfig) << "Unable to Open File !!!" << path;
        return false;
    }
    for (const auto &line : keyValueLines(text)) {
        if (line.first == QLatin1String("iotSoftwareVersion"))
            m_config->set_iotSoftwareVersion(line.second);
        else if (line.first == QLatin1String("lumoSdkVersion"))
            m_config->set_iotSdkVersion(line.second);
    }
    return true;
}

void CabinetIdentity::checkFirmwareUpdateDone()
{
    const QString current = QString::fromLatin1(ApplicationVersion);
    const QString previous = m_config->get_firmwareVersion();
    const bool updated = m_config->get_iotType() == kLumo ? QFile::exists(firmwareUpdateMarkerPath())
                                                          : previous != current;
    if (updated)
        emit m_config->notifyFirmwareUpdateDone(QString::number(QDateTime::currentSecsSinceEpoch()), current,
                                                previous, 0, true);
    m_config->set_firmwareVersion(current);
    m_config->saveConfigFile();
}

void CabinetIdentity::applyConversionMarker()
{
    if (QFile::exists(conversionMarkerPath())) {
        m_config->set_iotType(kLumo);
        m_config->set_wifiSSIDRestore(m_config->get_wifiSSID());
        m_config->set_wifiPasswordRestore(m_config->get_wifiPassword());
        qCInfo(lcConfig) << "Convert to LuMo detected !!!!";
        initializeLumoWifiConnection();
        if (!QFile::remove(conversionMarkerPath()))
            qCWarning(lcConfig) << "Conversion marker" << conversionMarkerPath() << "could not be removed";
        CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    }
    emit m_config->notifyIotTypeChanged(m_config->get_iotType());
}

bool CabinetIdentity::applySeedFile(const QString &path)
{
    QByteArray text;
    if (SafeFileReader::read(path, MaxSeedFileBytes, &text, "Wi-Fi seed file") != SafeFileReader::Ok)
        return false;
    const WifiSeed seed = parseWifiSeed(text);
    if (seed.hasSsid)
        m_config->set_wifiSSID(seed.ssid);
    if (seed.hasPsk)
        m_config->set_wifiPassword(seed.psk);
    m_config->set_wifiStaticIp(false);
    m_config->set_wifiEnabled(true);
    m_config->set_ethEnabled(false);
    emit m_config->networkInfoRefreshed();
    return true;
}

bool CabinetIdentity::initializeLumoWifiConnection()
{
    if (QFile::exists(credentialsPath()) && !QFile::remove(credentialsPath()))
        qCWarning(lcConfig) << "Credentials file" << credentialsPath() << "could not be removed";
    applySeedFile(conversionSeedPath());
    m_config->saveConfigFile();
    return m_config->reconfigureNetworkDevices();
}

bool CabinetIdentity::resetToDefaultNetwork()
{
    m_config->deleteNetworkCertificate();
    applySeedFile(defaultNetworkSeedPath());
    m_config->saveConfigFile();
    return m_config->reconfigureNetworkDevices();
}
