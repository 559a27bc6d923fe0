#ifndef SETTINGSRECORD_H
#define SETTINGSRECORD_H

#include <QByteArray>
#include <QStringList>
#include <QVariantMap>

// The settings the other display sends (its settings record, or a change request to the
// master) as JSON. Only scalar values are taken: a list or object where a setting
// belongs is dropped with a log line, so that no setter sees a shape it cannot hold.
class SettingsRecord
{
public:
    // A record is a dozen settings; a change request a handful.
    static constexpr int MaxBytes = 16 * 1024;

    // The record's values, restricted to `keys` (all keys when empty). False, with a log
    // line, when the text is too large, repeats a key or is not a JSON object.
    static bool parse(const QByteArray &json, const char *what, const QStringList &keys,
                      QVariantMap *values);
};

#endif // SETTINGSRECORD_H
