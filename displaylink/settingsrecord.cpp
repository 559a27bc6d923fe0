#include "settingsrecord.h"
#include "displaylinklog.h"

#include "jsonguard.h"

#include <QDebug>
#include <QJsonObject>

bool SettingsRecord::parse(const QByteArray &json, const char *what, const QStringList &keys,
                           QVariantMap *values)
{
    values->clear();
    const QJsonDocument doc = JsonGuard::parse(json, what, MaxBytes);
    if (!doc.isObject()) {
        qCWarning(lcDisplayLink) << what << "from the other display is not a JSON object; ignored";
        return false;
    }
    const QJsonObject record = doc.object();
    for (auto it = record.constBegin(); it != record.constEnd(); ++it) {
        if (!keys.isEmpty() && !keys.contains(it.key()))
            continue;
        const QJsonValue value = it.value();
        if (value.isBool() || value.isDouble() || value.isString())
            values->insert(it.key(), value.toVariant());
        else if (!value.isNull())
            qCWarning(lcDisplayLink) << what << "from the other display: the value of" << it.key()
                       << "is not a single value; ignored";
    }
    return true;
}
