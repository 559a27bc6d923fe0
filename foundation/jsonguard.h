#ifndef JSONGUARD_H
#define JSONGUARD_H

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QString>
#include <QStringList>

#include <functional>
#include <initializer_list>

// The one door for JSON that comes from outside: files, the other display, the cloud
// agent on the bus, the test station's socket. Qt 5.15's parser leaks the earlier value
// of a key that an object names twice, so a peer repeating such a document would grow
// our memory without end; such text, and text larger than the reader's cap, is refused
// with a log line before the parser sees it.
namespace JsonGuard {

// True when some object of `text` names one key twice (keys compared as the parser
// compares them: escapes decoded, nothing after a NUL).
bool hasDuplicateKey(const QByteArray &text);

// `text` with every member whose key its object names again later left out, so that
// the last value of each key stands, as the parser would take it, without its leak.
// `keys` gets the keys left out. Text that is not JSON comes back as it is, less any
// members cut before the point where it stops being JSON.
QByteArray withoutRepeatedKeys(const QByteArray &text, QStringList *keys = nullptr);

// Null document (and `error` set) when `text` is larger than `maxBytes`, repeats a key
// or does not parse. `source` names the reader in the log line.
QJsonDocument parse(const QByteArray &text, const char *source, int maxBytes,
                    QJsonParseError *error = nullptr);

// A JSON data file of our own (menu, day parts, logs): read through SafeFileReader and
// parse() above. A file that is too large, repeats a key, does not parse, or in which
// `problem` finds a reason it cannot be used, is set aside (SafeFileReader::setAside)
// with a log line saying why, so that the caller can go on as without the file. With
// `repeatedKeys`, a repeated key does not set the file aside: the last value of each
// stands and the keys left out are listed there.
enum class FileOutcome { Loaded, Missing, Unreadable, SetAside };
FileOutcome readDataFile(const QString &path, qint64 maxBytes, const char *what,
                         const std::function<QString(const QJsonDocument &)> &problem,
                         QJsonDocument *doc, QStringList *repeatedKeys = nullptr);

// Why the lists named in `top` are not all lists of objects; empty when they are (a
// list that is absent counts as empty).
QString listsOfObjectsProblem(const QJsonObject &top, std::initializer_list<const char *> keys);

} // namespace JsonGuard

#endif // JSONGUARD_H
