#include "iotjson.h"

#include <QJsonDocument>

namespace IotJson {

QByteArray write(const QJsonObject &message)
{
    // QJsonObject keeps its keys in code-point order and the indented form is the one
    // the agent expects, so the document writer needs no help.
    return QJsonDocument(message).toJson(QJsonDocument::Indented);
}

qint64 roundedSecondsValue(qint64 epochMs)
{
    return (epochMs + 500) / 1000;
}

QString roundedSeconds(qint64 epochMs)
{
    return QString::number(roundedSecondsValue(epochMs));
}

QString truncatedSeconds(qint64 epochMs)
{
    return QString::number(epochMs / 1000);
}

QString panIdText(quint64 uid)
{
    return QString::number(uid, 16);
}

QString signedPanIdText(quint64 uid)
{
    // By hand: Qt 5 writes every base but 10 unsigned.
    if (uid >> 63)
        return QLatin1Char('-') + QString::number(~uid + 1, 16);
    return QString::number(uid, 16);
}

quint64 panUid(const QString &text)
{
    bool ok = false;
    const quint64 uid = text.toULongLong(&ok, 16);
    return ok ? uid : 0;
}

QString cutName(const QString &name)
{
    return name.left(32);
}

} // namespace IotJson
