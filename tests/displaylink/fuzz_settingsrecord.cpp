// The settings record and the change request that the other display sends, on any
// bytes, applied to a settings store as the composition root applies them. Input: one
// byte (even: a record, odd: a change request), then the JSON text. Whatever arrives,
// only single values reach the store and the settings file keeps its shape.
#include "configurationmanager.h"
#include "fuzzsupport.h"
#include "settingsrecord.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 1 << 16)
        return 0;
    tulFuzzEnsureApplication();
    const QByteArray json(reinterpret_cast<const char *>(data + 1), int(size - 1));
    static ConfigurationManager config(nullptr, nullptr, true, 1);

    QVariantMap values;
    const bool record = data[0] % 2 == 0;
    const QStringList keys = record ? ConfigurationManager::configFileKeys() : QStringList();
    if (!SettingsRecord::parse(json, record ? "Settings record" : "Settings change request", keys, &values))
        return 0;
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        if ((record && !keys.contains(it.key())) || it.value().type() == QVariant::List
            || it.value().type() == QVariant::Map)
            std::abort();
    }
    if (record) {
        for (auto it = values.constBegin(); it != values.constEnd(); ++it)
            config.setProperty(it.key().toLatin1().constData(), it.value());
    } else {
        config.applyPreferences(values);
    }
    if (config.configFileText().count('\n') != ConfigurationManager::configFileKeys().size())
        std::abort();
    return 0;
}
