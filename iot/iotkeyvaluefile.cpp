#include "iotkeyvaluefile.h"

#include "commandlauncher.h"
#include "iotlog.h"
#include "safefilereader.h"
#include "safefilewriter.h"

#include <QFile>

namespace IotKeyValueFile {

QHash<QString, QString> parse(const QByteArray &text, const QStringList &keys)
{
    QHash<QString, QString> values;
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() != 2)
            continue;
        const QString key = QString::fromUtf8(parts.at(0));
        if (keys.contains(key))
            values.insert(key, QString::fromUtf8(parts.at(1)));
    }
    return values;
}

bool hasLine(const QByteArray &text, const QString &key, const QString &value)
{
    for (QByteArray line : text.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QList<QByteArray> parts = line.split('=');
        if (parts.size() == 2 && QString::fromUtf8(parts.at(0)) == key && QString::fromUtf8(parts.at(1)) == value)
            return true;
    }
    return false;
}

Read readText(const QString &path, QByteArray *text)
{
    text->clear();
    switch (SafeFileReader::read(path, MaxBytes, text, "cloud bookkeeping file")) {
    case SafeFileReader::Ok:
        return Read::Ok;
    case SafeFileReader::Missing:
        return Read::Missing;
    default:
        return Read::Unreadable;
    }
}

Read read(const QString &path, const QStringList &keys, QHash<QString, QString> *values)
{
    QByteArray text;
    const Read outcome = readText(path, &text);
    *values = parse(text, keys);
    return outcome;
}

bool singleLine(const QString &value)
{
    return !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')) && !value.contains(QChar(0));
}

bool write(const QString &path, const QList<QPair<QString, QString>> &lines)
{
    QByteArray text;
    for (const auto &line : lines)
        text += line.first.toUtf8() + '=' + line.second.toUtf8() + '\n';
    QString error;
    const bool written = SafeFileWriter::writeFile(path, text, &error);
    if (!written)
        qCWarning(lcIot).noquote() << "Unable to write" << path << ":" << error;
    CommandLauncher::startDetached(QStringLiteral("/bin/sync"));
    return written;
}

bool remove(const QString &path)
{
    if (!QFile::exists(path) || QFile::remove(path))
        return true;
    qCWarning(lcIot).noquote() << "Unable to remove" << path;
    return false;
}

} // namespace IotKeyValueFile
