#include "eolprotocol.h"

#include "cabinetidentity.h"
#include "jsonguard.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QStringList>

QString EolProtocol::Request::text(const char *key) const
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

EolProtocol::Request EolProtocol::parse(const QByteArray &buffer)
{
    Request request;
    if (JsonGuard::hasDuplicateKey(buffer)) {
        request.refused = true;
        return request;
    }
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(buffer, &error);
    if (error.error == QJsonParseError::NoError && document.isObject()) {
        request.complete = true;
        request.object = document.object();
    }
    return request;
}

QByteArray EolProtocol::replyBytes(const QJsonObject &reply)
{
    return QJsonDocument(reply).toJson(QJsonDocument::Indented);
}

QJsonObject EolProtocol::reply(const QString &event, const QString &response)
{
    return QJsonObject{{QStringLiteral("event"), event}, {QStringLiteral("response"), response}};
}

QByteArray EolProtocol::announcement(const QString &address, int rows, int traysPerRow)
{
    QByteArray datagram;
    if (!address.isEmpty()) {
        const QStringList parts = address.split(QLatin1Char('.'), Qt::KeepEmptyParts);
        if (parts.size() == 4) {
            for (const QString &part : parts)
                datagram.append(char(part.toInt(nullptr, 10) & 0xFF));
        }
    }
    datagram.append(char(rows & 0xFF));
    datagram.append(char(traysPerRow & 0xFF));
    return datagram;
}

int EolProtocol::traysPerRow(int zonesPerRow, int traysPerZone, bool singleColumnUnit)
{
    if (zonesPerRow != 1)
        return zonesPerRow * traysPerZone;
    return singleColumnUnit ? traysPerZone : 2 * traysPerZone;
}

bool EolProtocol::acceptableNumber(const QString &value)
{
    return CabinetIdentity::acceptableIdentityValue(value);
}

bool EolProtocol::decimal(const QString &text, int *value)
{
    bool ok = false;
    const int parsed = text.toInt(&ok, 10);
    if (ok && value)
        *value = parsed;
    return ok;
}

QString EolProtocol::socketErrorName(int code)
{
    static const char *const names[] = {
        "ConnectionRefusedError", "RemoteHostClosedError", "HostNotFoundError",
        "SocketAccessError", "SocketResourceError", "SocketTimeoutError",
        "DatagramTooLargeError", "NetworkError", "AddressInUseError",
        "SocketAddressNotAvailableError", "UnsupportedSocketOperationError",
        "UnfinishedSocketOperationError", "ProxyAuthenticationRequiredError",
        "SslHandshakeFailedError", "ProxyConnectionRefusedError", "ProxyConnectionClosedError",
        "ProxyConnectionTimeoutError", "ProxyNotFoundError", "ProxyProtocolError",
        "OperationError", "SslInternalError", "SslInvalidUserDataError", "TemporaryError"};
    constexpr int count = int(sizeof(names) / sizeof(names[0]));
    if (code < 0 || code >= count)
        return QStringLiteral("UnknownSocketError");
    return QLatin1String(names[code]);
}
