#include "canfiletransfer.h"
#include "displaylinklog.h"

#include "canmessagecodes.h"
#include "configurationmanager.h"
#include "daypartmanager.h"
#include "fileid.h"
#include "mastersync.h"
#include "menumanager.h"
#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

QString CanFileTransfer::fileNameFor(int transferId)
{
    switch (transferId) {
    case CanMsg::TUL_MULT_FILE_TRANSFER_MENU:
        return QStringLiteral("menu.json");
    case CanMsg::TUL_MULT_FILE_TRASFER_CONFIG:
        return QStringLiteral("config.txt");
    case CanMsg::TUL_MULT_FILE_TRANSFER_DAYPARTS:
        return QStringLiteral("dayParts.json");
    case CanMsg::TUL_MULT_FILE_TRANSFER_UI_ID:
        return QStringLiteral("ui_id.hcc");
    default:
        return QString();
    }
}

QString CanFileTransfer::devicePathOf(const QString &localPath)
{
    const QString root = TulPaths::rootDir();
    const QString flash = TulPaths::flashDir();
    if (localPath.startsWith(root))
        return QStringLiteral("/root/") + localPath.mid(root.size());
    if (localPath.startsWith(flash))
        return QStringLiteral("/media/sda1/") + localPath.mid(flash.size());
    return localPath;
}

QByteArray CanFileTransfer::buildPayload(const QString &localPath)
{
    const QString devicePath = devicePathOf(localPath);
    // No file the displays pass may be larger than the menu file.
    QByteArray content;
    if (SafeFileReader::read(localPath, MenuManager::maxMenuFileSize, &content, "file to send") != SafeFileReader::Ok) {
        qCWarning(lcDisplayLink) << "CAN file transfer: cannot read" << localPath;
        return QByteArray();
    }
    QByteArray field = devicePath.toUtf8();
    if (field.size() >= CanMsg::FilePathFieldSize) {
        qCWarning(lcDisplayLink) << "CAN file transfer: path too long for the path field:" << devicePath;
        return QByteArray();
    }
    field.append(QByteArray(CanMsg::FilePathFieldSize - field.size(), '\0'));
    return field + content;
}

QString CanFileTransfer::pathField(const QByteArray &payload)
{
    const QByteArray field = payload.left(CanMsg::FilePathFieldSize);
    const int end = field.indexOf('\0');
    return QString::fromUtf8(end < 0 ? field : field.left(end));
}

QString CanFileTransfer::storeReceived(int transferId, const QByteArray &payload)
{
    QByteArray content;
    if (!checkReceived(transferId, payload, &content))
        return QString();
    return storeContent(transferId, content);
}

bool CanFileTransfer::checkReceived(int transferId, const QByteArray &payload, QByteArray *content)
{
    const QString name = fileNameFor(transferId);
    if (name.isEmpty()) {
        qCWarning(lcDisplayLink) << "CAN file transfer: unknown transfer id" << transferId << "ignored";
        return false;
    }
    if (payload.size() < CanMsg::FilePathFieldSize) {
        qCWarning(lcDisplayLink) << "CAN file transfer" << transferId << ": payload of" << payload.size()
                   << "bytes is shorter than the path field; ignored";
        return false;
    }
    // The path field only names the sender's file: it must be a plain path without
    // parent steps, and (but for a personality) name the file this id carries.
    const QString sentPath = pathField(payload);
    const bool climbs = sentPath.split(QLatin1Char('/')).contains(QStringLiteral(".."));
    const QString sentName = QFileInfo(sentPath).fileName();
    const bool nameFits = transferId == CanMsg::TUL_MULT_FILE_TRANSFER_UI_ID
                              ? sentName.endsWith(QLatin1String(".hcc"))
                              : sentName == name;
    if (sentPath.isEmpty() || climbs || !nameFits) {
        qCWarning(lcDisplayLink) << "CAN file transfer" << transferId << ": path field" << sentPath
                   << "does not name" << name << "; ignored";
        return false;
    }
    // A file the next start could not read would leave the cabinet without it (no menu,
    // no day parts): ours stays, and the sender hears that the transfer was refused.
    const QByteArray body = payload.mid(CanMsg::FilePathFieldSize);
    if (!readsWhole(transferId, body)) {
        qCWarning(lcDisplayLink) << "CAN file transfer" << transferId << ": received" << name
                   << "does not read whole; ours kept, transfer refused";
        return false;
    }
    if (content)
        *content = body;
    return true;
}

QString CanFileTransfer::storeContent(int transferId, const QByteArray &content)
{
    const QString name = fileNameFor(transferId);
    if (name.isEmpty())
        return QString();
    const QString target = TulPaths::rootPath(name);
    // The settings file holds the pass phrase and the PIN digest.
    const SafeFileWriter::Access access = transferId == CanMsg::TUL_MULT_FILE_TRASFER_CONFIG
        ? SafeFileWriter::OwnerOnly
        : SafeFileWriter::Shared;
    if (!SafeFileWriter::writeFile(target, content, nullptr, access)) {
        qCWarning(lcDisplayLink) << "CAN file transfer" << transferId << ": cannot store" << target;
        return QString();
    }
    qCDebug(lcDisplayLink) << "CAN file transfer" << transferId << "stored as" << target;
    return target;
}

namespace {

// The start's readers that take a path get one in a folder of their own, outside the
// data root: a file they set aside goes with the folder.
template<typename Read>
bool readScratchCopy(const QString &name, const QByteArray &content, Read read)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    return dir.isValid() && SafeFileWriter::writeFile(path, content) && read(path);
}

bool settingsReadWhole(const QByteArray &content)
{
    return readScratchCopy(QStringLiteral("config.txt"), content, [](const QString &path) {
        QByteArray text;
        if (!SafeFileReader::readTextAtStart(path, ConfigurationManager::MaxConfigFileBytes, &text,
                                             "received settings file"))
            return false;
        // Whole: every line that is not blank sets its setting (a blank one sets none),
        // and every key our writer writes is there. A file without one would leave that
        // setting at its default from the next start on (a PIN, the store number, the
        // Wi-Fi name).
        int lines = 0;
        QSet<QByteArray> keys;
        for (const QByteArray &line : text.split('\n')) {
            if (line.trimmed().isEmpty())
                continue;
            ++lines;
            keys.insert(line.left(line.indexOf('=')));
        }
        QStringList missing;
        for (const QString &key : ConfigurationManager::configFileKeys()) {
            if (!keys.contains(key.toLatin1()))
                missing << key;
        }
        if (!missing.isEmpty()) {
            qCWarning(lcDisplayLink).noquote() << QStringLiteral("Received settings file lacks %1 of our %2 keys, the first \"%3\"")
                                                      .arg(missing.size())
                                                      .arg(ConfigurationManager::configFileKeys().size())
                                                      .arg(missing.first());
            return false;
        }
        ConfigurationManager scratch(nullptr, nullptr, false, 0);
        return scratch.readConfigText(text) == lines;
    });
}

bool personalityReadsWhole(const QByteArray &content)
{
    return readScratchCopy(QStringLiteral("ui_id.hcc"), content, [](const QString &path) {
        FileID scratch;
        return scratch.readFileID(path) && scratch.get_importedFileVersion() <= FileID::kMaxAcceptedVersion;
    });
}

} // namespace

bool CanFileTransfer::readsWhole(int transferId, const QByteArray &content)
{
    // The start's JSON readers refuse what is not text before they parse it.
    const bool text = SafeFileReader::textProblem(content).isEmpty();
    switch (transferId) {
    case CanMsg::TUL_MULT_FILE_TRANSFER_MENU:
        return text && MenuManager::isMenuDocument(content);
    case CanMsg::TUL_MULT_FILE_TRANSFER_DAYPARTS:
        return text && DayPartManager::isDayPartDocument(content);
    case CanMsg::TUL_MULT_FILE_TRASFER_CONFIG:
        return settingsReadWhole(content);
    case CanMsg::TUL_MULT_FILE_TRANSFER_UI_ID:
        return personalityReadsWhole(content);
    default:
        return false;
    }
}
