#ifndef IOTKEYVALUEFILE_H
#define IOTKEYVALUEFILE_H

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The small "key=value" bookkeeping files of the cloud link (update offers and results,
// pending identity numbers).
namespace IotKeyValueFile {

// These files hold a handful of short lines; anything larger is not ours.
constexpr qint64 MaxBytes = 16 * 1024;

enum class Read { Ok, Missing, Unreadable };

// Every line split at every "=": a line of exactly two parts whose first part is one of
// `keys` sets that key (a later line wins); anything else is ignored.
QHash<QString, QString> parse(const QByteArray &text, const QStringList &keys);
Read read(const QString &path, const QStringList &keys, QHash<QString, QString> *values);
// True when some line of the file's text is exactly key=value in that rule.
bool hasLine(const QByteArray &text, const QString &key, const QString &value);
Read readText(const QString &path, QByteArray *text);

// A value that cannot add a line of its own.
bool singleLine(const QString &value);

// Replaces the file safely with the lines in order and starts "/bin/sync"; false (with
// a log line) when it could not be written.
bool write(const QString &path, const QList<QPair<QString, QString>> &lines);

// Removes the file when it is there; false when it stays.
bool remove(const QString &path);

} // namespace IotKeyValueFile

#endif // IOTKEYVALUEFILE_H
