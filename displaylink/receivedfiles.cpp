#include "receivedfiles.h"

#include "canfiletransfer.h"
#include "canmessagecodes.h"
#include "daypartmanager.h"
#include "mastersync.h"
#include "menumanager.h"
#include "safefilereader.h"
#include "tulpaths.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// The menu a display without a menu file runs with.
const QString DefaultMenu = QStringLiteral(":/defaultMenu.json");

// Our file of a menu or day-part id, as the next start would read it; empty when we
// hold nothing from it.
QByteArray oursOf(int transferId)
{
    const bool menu = transferId == CanMsg::TUL_MULT_FILE_TRANSFER_MENU;
    const QString path = TulPaths::rootPath(CanFileTransfer::fileNameFor(transferId));
    QByteArray data;
    const qint64 cap = menu ? MenuManager::maxMenuFileSize : DayPartManager::maxDayPartFileSize;
    const SafeFileReader::Result result = SafeFileReader::read(path, cap, &data, "our file");
    if (result == SafeFileReader::Ok && !data.isEmpty())
        return data;
    if (!menu || (result != SafeFileReader::Ok && result != SafeFileReader::Missing))
        return QByteArray();
    // Without a menu file (or with an empty one) the cabinet runs the default menu.
    QFile fallback(DefaultMenu);
    return fallback.open(QIODevice::ReadOnly) ? fallback.readAll() : QByteArray();
}

QString announcementOf(int transferId)
{
    return transferId == CanMsg::TUL_MULT_FILE_TRANSFER_MENU ? QStringLiteral("57") : QStringLiteral("58");
}

} // namespace

quint32 ReceivedFiles::expectedSender(const Role &role)
{
    if (!role.talksToOtherDisplay)
        return 0;
    return quint32(CanMsg::frameIdFor(!role.master));
}

bool ReceivedFiles::mayGive(const Role &role, quint32 sender, int transferId)
{
    const quint32 expected = expectedSender(role);
    if (expected == 0 || sender != expected)
        return false;
    switch (transferId) {
    case CanMsg::TUL_MULT_FILE_TRANSFER_MENU:
    case CanMsg::TUL_MULT_FILE_TRANSFER_DAYPARTS:
        return true;
    case CanMsg::TUL_MULT_FILE_TRASFER_CONFIG:
    case CanMsg::TUL_MULT_FILE_TRANSFER_UI_ID:
        // Only the master has a settings file or a personality to hand out.
        return !role.master;
    default:
        return false;
    }
}

int ReceivedFiles::entriesOf(int transferId, const QByteArray &content)
{
    int entries = 0;
    if (transferId == CanMsg::TUL_MULT_FILE_TRANSFER_MENU) {
        if (!MenuManager::isMenuDocument(content))
            return 0;
        const QJsonObject menu = QJsonDocument::fromJson(content).object();
        // Product 0 is the empty product every menu carries.
        for (const QJsonValue &product : menu.value(QStringLiteral("products")).toArray())
            entries += product.toObject().value(QStringLiteral("productId")).toInt() != 0 ? 1 : 0;
        entries += menu.value(QStringLiteral("productGroups")).toArray().size();
    } else if (transferId == CanMsg::TUL_MULT_FILE_TRANSFER_DAYPARTS) {
        if (!DayPartManager::isDayPartDocument(content))
            return 0;
        const QJsonArray layout = QJsonDocument::fromJson(content).object().value(QStringLiteral("layout")).toArray();
        // As the loader reads them: ten day parts, bins 1..20.
        for (int d = 0; d < qMin(layout.size(), DayPartManager::maxDayParts); ++d) {
            for (const QJsonValue &location : layout.at(d).toObject().value(QStringLiteral("productLocations")).toArray()) {
                const QJsonObject l = location.toObject();
                const int bin = l.value(QStringLiteral("bin")).toInt();
                if (bin >= 1 && bin <= DayPartManager::maxBins && l.value(QStringLiteral("productId")).toInt() != 0)
                    ++entries;
            }
        }
    }
    return entries;
}

bool ReceivedFiles::wouldEmpty(int transferId, const QByteArray &content)
{
    if (transferId != CanMsg::TUL_MULT_FILE_TRANSFER_MENU && transferId != CanMsg::TUL_MULT_FILE_TRANSFER_DAYPARTS)
        return false;
    return entriesOf(transferId, content) == 0 && entriesOf(transferId, oursOf(transferId)) > 0;
}

ReceivedFiles::Outcome ReceivedFiles::take(const Role &role, quint32 sender, int transferId,
                                           const QByteArray &payload, QString *storedPath)
{
    const QString name = CanFileTransfer::fileNameFor(transferId);
    const auto refuse = [&](const QString &why) {
        qCWarning(lcDisplayLink).noquote() << QStringLiteral("File %1 (transfer %2) from node %3 refused: %4; ours kept")
                                                  .arg(name)
                                                  .arg(transferId)
                                                  .arg(sender)
                                                  .arg(why);
        return Refused;
    };
    if (!mayGive(role, sender, transferId)) {
        const quint32 expected = expectedSender(role);
        if (expected == 0)
            return refuse(QStringLiteral("this display takes no files"));
        if (sender != expected)
            return refuse(QStringLiteral("this display takes files only from node %1").arg(expected));
        return refuse(QStringLiteral("the master takes only the menu and the day parts"));
    }
    // A new transfer from the master before its announcement: the held file was not one.
    messageFrom(sender, QByteArray());

    QByteArray content;
    if (!CanFileTransfer::checkReceived(transferId, payload, &content))
        return refuse(QStringLiteral("not whole"));
    if (wouldEmpty(transferId, content)) {
        if (role.master)
            return refuse(QStringLiteral("it would empty ours, which only the master's own may"));
        m_heldId = transferId;
        m_heldFrom = sender;
        m_held = content;
        qCInfo(lcDisplayLink).noquote() << QStringLiteral("File %1 from node %2 would empty ours: held until the master "
                                                          "announces it with message %3")
                                               .arg(name)
                                               .arg(sender)
                                               .arg(announcementOf(transferId));
        return Held;
    }
    const QString path = CanFileTransfer::storeContent(transferId, content);
    if (path.isEmpty())
        return refuse(QStringLiteral("it cannot be stored"));
    if (storedPath)
        *storedPath = path;
    return Stored;
}

QString ReceivedFiles::messageFrom(quint32 sender, const QByteArray &single, int *storedId)
{
    if (m_heldId == 0 || sender != m_heldFrom)
        return QString();
    const int id = m_heldId;
    const QByteArray content = m_held;
    m_heldId = 0;
    m_heldFrom = 0;
    m_held.clear();
    const quint8 announcement = id == CanMsg::TUL_MULT_FILE_TRANSFER_MENU ? CanMsg::TULMSGSINGLE_OV_UPDATE_PRODUCTS
                                                                          : CanMsg::TULMSGSINGLE_OV_UPDATE_DAYPARTS;
    const QString name = CanFileTransfer::fileNameFor(id);
    if (single.size() != 1 || quint8(single.at(0)) != announcement) {
        qCWarning(lcDisplayLink).noquote()
            << QStringLiteral("File %1 from node %2 would empty ours and was not announced with message %3; "
                              "dropped, ours kept")
                   .arg(name)
                   .arg(sender)
                   .arg(announcementOf(id));
        return QString();
    }
    const QString path = CanFileTransfer::storeContent(id, content);
    if (path.isEmpty())
        return QString();
    qCInfo(lcDisplayLink).noquote() << QStringLiteral("File %1 from node %2 announced by the master: stored").arg(name).arg(sender);
    if (storedId)
        *storedId = id;
    return path;
}
