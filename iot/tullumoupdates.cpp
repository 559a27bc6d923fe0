// Update offers from the cloud and the reports of their outcome.
#include "tullumo.h"

#include "commandlauncher.h"
#include "configurationmanager.h"
#include "iotjson.h"
#include "iotkeyvaluefile.h"
#include "iotlog.h"
#include "settingstransaction.h"
#include "tulpaths.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

namespace {

const QString FileName = QStringLiteral("fileName");
const QString FileVersion = QStringLiteral("fileVersion");
const QString AttemptedAt = QStringLiteral("attemptedAt");
const QString ChecksumExpected = QStringLiteral("checksumExpected");
const QStringList OfferKeys{FileName, FileVersion, AttemptedAt, ChecksumExpected};
const QString Firmware = QStringLiteral("firmware");
const QString Menu = QStringLiteral("menu");

QString unableToOpen(const QString &path)
{
    return QStringLiteral("Unable to Open File !!! ") + path;
}

// An offer waiting for its result is reported without it once. The offer files keep
// their own lines, so that mark lives apart: per kind, the digest of the offer's text.
// A mark that names no offer on file (another offer, a damaged file) counts as none.
QString offerDigest(const QByteArray &offerText)
{
    return QString::fromLatin1(QCryptographicHash::hash(offerText, QCryptographicHash::Sha256).toHex());
}

bool missingResultReported(const QString &kind, const QByteArray &offerText)
{
    QHash<QString, QString> marks;
    IotKeyValueFile::read(TulLumo::missingResultMarkPath(), {Firmware, Menu}, &marks);
    return marks.value(kind) == offerDigest(offerText);
}

// Marks the offer with this text, or with none clears the kind's mark (the caller's
// "/bin/sync" follows).
void markMissingResult(const QString &kind, const QByteArray *offerText)
{
    const QString path = TulLumo::missingResultMarkPath();
    QHash<QString, QString> marks;
    IotKeyValueFile::read(path, {Firmware, Menu}, &marks);
    if (offerText)
        marks.insert(kind, offerDigest(*offerText));
    else if (!marks.remove(kind))
        return;
    QList<QPair<QString, QString>> lines;
    for (const QString &k : {Firmware, Menu})
        if (marks.contains(k))
            lines.append({k, marks.value(k)});
    if (lines.isEmpty())
        IotKeyValueFile::remove(path);
    else
        IotKeyValueFile::write(path, lines);
}

} // namespace

QString TulLumo::firmwareUpdateDir() { return TulPaths::rootPath(QStringLiteral("updates/firmware/")); }
QString TulLumo::menuUpdateDir() { return TulPaths::rootPath(QStringLiteral("updates/menu/")); }
QString TulLumo::firmwareOfferPath() { return TulPaths::rootPath(QStringLiteral("updates/firmwareUpdateInfo.txt")); }
QString TulLumo::menuOfferPath() { return TulPaths::rootPath(QStringLiteral("updates/menuUpdateInfo.txt")); }
QString TulLumo::menuStatusPath() { return TulPaths::rootPath(QStringLiteral("updates/menuUpdateStatus.txt")); }
QString TulLumo::firmwareResultPath() { return TulPaths::rootPath(QStringLiteral("updates/firmwareUpdateResult.txt")); }
QString TulLumo::missingResultMarkPath() { return TulPaths::rootPath(QStringLiteral("updates/missingResultReported.txt")); }

void TulLumo::handle_event_firmwareUpdateInfo(QJsonObject lumoObject)
{
    recordOffer(lumoObject, firmwareUpdateDir(), firmwareOfferPath(), Firmware);
}

void TulLumo::handle_event_menuUpdateInfo(QJsonObject lumoObject)
{
    recordOffer(lumoObject, menuUpdateDir(), menuOfferPath(), Menu);
}

void TulLumo::recordOffer(const QJsonObject &offer, const QString &dir, const QString &path, const QString &kind)
{
    const QList<QPair<QString, QString>> lines{
        {FileName, offer.value(QStringLiteral("fileName")).toString()},
        {FileVersion, offer.value(QStringLiteral("version")).toString()},
        {AttemptedAt, offer.value(QStringLiteral("noEarlierThan")).toString()},
        {ChecksumExpected, offer.value(QStringLiteral("checksum")).toString()},
    };
    for (const auto &line : lines) {
        if (!IotKeyValueFile::singleLine(line.second)) {
            qCWarning(lcIot).noquote() << "Update offer refused:" << line.first << "holds a line break";
            return;
        }
    }
    if (!QDir(dir).exists()) {
        qCWarning(lcIot).noquote() << QStringLiteral("updates/%1 directory is missing!").arg(kind);
        return;
    }
    // An offer made again is reported again without its result.
    markMissingResult(kind, nullptr);
    IotKeyValueFile::write(path, lines);
}

void TulLumo::handle_event_menuUpdated(QString timeStamp, int method, bool result)
{
    if (customerSchema()) {
        if (!QDir(menuUpdateDir()).exists())
            return;
        IotKeyValueFile::write(menuStatusPath(),
                               {{QStringLiteral("status"), result ? QStringLiteral("updated") : QStringLiteral("update failed")},
                                {QStringLiteral("statusDetail"),
                                 result ? QStringLiteral("updated") : QStringLiteral("Invalid menu file")}});
        return;
    }
    QJsonObject message = envelope(QStringLiteral("menuUpdated"), timeStamp);
    message.insert(QStringLiteral("success"), result);
    message.insert(QStringLiteral("method"), method);
    message.insert(QStringLiteral("menu"), QJsonObject{{QStringLiteral("new"), QString()}, {QStringLiteral("prev"), QString()}});
    message.insert(QStringLiteral("menuVersion"), QStringLiteral("0"));
    message.insert(QStringLiteral("layout"), getHoldingLayout());
    message.insert(QStringLiteral("products"), getProducts());
    message.insert(QStringLiteral("groups"), getGroups());
    send(message);
}

QJsonObject TulLumo::updateStatus(const QString &updateType, const QHash<QString, QString> &offer,
                                  const QString &status, const QString &detail) const
{
    const ConfigurationManager *settings = config();
    QJsonObject message = envelope(QStringLiteral("updateStatus"), now());
    message.insert(QStringLiteral("fileName"), offer.value(FileName));
    message.insert(QStringLiteral("version"), offer.value(FileVersion));
    message.insert(QStringLiteral("checksumExpected"), offer.value(ChecksumExpected));
    // The cabinet computes no checksum of its own; it repeats the cloud's, so that a cloud
    // comparing the two sees no mismatch.
    message.insert(QStringLiteral("checksumCalculated"), offer.value(ChecksumExpected));
    message.insert(QStringLiteral("updateType"), updateType);
    message.insert(QStringLiteral("updateEventId"), offer.value(FileName) + offer.value(FileVersion)
                                                        + (settings ? settings->get_serialNumber() : QString())
                                                        + offer.value(AttemptedAt));
    message.insert(QStringLiteral("status"), status);
    message.insert(QStringLiteral("statusDetail"), detail);
    return message;
}

void TulLumo::handle_event_firmwareUpdated(QString timeStamp, QString newVersion, QString prevVersion, int method,
                                           bool result)
{
    if (!customerSchema()) {
        QJsonObject message = envelope(QStringLiteral("firmwareUpdated"), timeStamp);
        message.insert(QStringLiteral("success"), result);
        message.insert(QStringLiteral("method"), method);
        message.insert(QStringLiteral("firmware"),
                       QJsonObject{{QStringLiteral("new"), newVersion}, {QStringLiteral("prev"), prevVersion}});
        send(message);
        return;
    }

    // No offer on file: nothing was offered, so there is no update to report. The other
    // cloud's start-up check can end here after a switch to this one.
    if (!QFile::exists(firmwareOfferPath())) {
        qCInfo(lcIot) << "Firmware update check: no update was offered";
        return;
    }
    QByteArray offerText;
    const bool offerRead = IotKeyValueFile::readText(firmwareOfferPath(), &offerText) == IotKeyValueFile::Read::Ok;
    if (!offerRead)
        qCWarning(lcIot).noquote() << unableToOpen(firmwareOfferPath());
    const QHash<QString, QString> offer = IotKeyValueFile::parse(offerText, OfferKeys);
    QByteArray resultText;
    if (IotKeyValueFile::readText(firmwareResultPath(), &resultText) != IotKeyValueFile::Read::Ok) {
        qCWarning(lcIot).noquote() << unableToOpen(firmwareResultPath());
        // The offer waits for its result, which may still come; the cloud hears once.
        if (offerRead && missingResultReported(Firmware, offerText))
            return;
        if (offerRead)
            markMissingResult(Firmware, &offerText);
        send(updateStatus(Firmware, offer, QStringLiteral("update failed"),
                          QStringLiteral("Firmware update did not start")));
        return;
    }
    // One "successful" line is enough, whatever follows it.
    const bool success = IotKeyValueFile::hasLine(resultText, QStringLiteral("updateResult"), QStringLiteral("successful"));
    const QString detail = IotKeyValueFile::parse(resultText, {QStringLiteral("resultDetail")})
                               .value(QStringLiteral("resultDetail"), QStringLiteral("Firmware update did not start"));
    IotKeyValueFile::remove(firmwareOfferPath());
    IotKeyValueFile::remove(firmwareResultPath());
    markMissingResult(Firmware, nullptr);
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    send(updateStatus(Firmware, offer,
                      success ? QStringLiteral("updated") : QStringLiteral("update failed"), detail));
}

void TulLumo::checkMenuUpdateDone()
{
    QByteArray offerText;
    if (IotKeyValueFile::readText(menuOfferPath(), &offerText) != IotKeyValueFile::Read::Ok) {
        qCWarning(lcIot).noquote() << unableToOpen(menuOfferPath());
        return;
    }
    const QHash<QString, QString> offer = IotKeyValueFile::parse(offerText, OfferKeys);
    QHash<QString, QString> outcome;
    const QStringList statusKeys{QStringLiteral("status"), QStringLiteral("statusDetail")};
    QJsonObject message;
    if (IotKeyValueFile::read(menuStatusPath(), statusKeys, &outcome) != IotKeyValueFile::Read::Ok) {
        // The offer waits for the import's status; the cloud hears of its absence once.
        if (missingResultReported(Menu, offerText))
            return;
        markMissingResult(Menu, &offerText);
        message = updateStatus(Menu, offer, QStringLiteral("update failed"), QStringLiteral("Menu update did not start"));
    } else {
        IotKeyValueFile::remove(menuOfferPath());
        IotKeyValueFile::remove(menuStatusPath());
        markMissingResult(Menu, nullptr);
        CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
        const QString status = outcome.value(QStringLiteral("status"));
        // Only a menu that was imported gives the cabinet's menu its name.
        const QString version = offer.value(FileVersion);
        ConfigurationManager *settings = config();
        if (status == QLatin1String("updated") && !version.isEmpty() && settings) {
            SettingsTransaction change(settings);
            settings->set_importedMenu(version);
            saveSettings(change, "the menu update");
        }
        message = updateStatus(Menu, offer, status, outcome.value(QStringLiteral("statusDetail")));
    }
    send(message);
    qCInfo(lcIot).noquote() << "LUMO Event Received:\n" + QString::fromUtf8(IotJson::write(message));
}
