#include "errorlogfiles.h"

#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <mutex>

#include <unistd.h>

namespace {

std::mutex g_nowLock;
QDateTime g_fixedNow;

const QString kTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");

QByteArray line(int type, const QDateTime &when, int a, int b, int c, int d)
{
    return QStringLiteral("%1;%2;%3\t%4\t%5\t%6\n")
        .arg(type).arg(when.toString(kTimeFormat)).arg(a).arg(b).arg(c).arg(d).toUtf8();
}

} // namespace

QString ErrorLogFiles::logDir()
{
    return TulPaths::rootPath(QStringLiteral("errorLogs/"));
}

QStringList ErrorLogFiles::entries()
{
    return QDir(logDir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                    QDir::Name);
}

QString ErrorLogFiles::chooseLogFile(const QDate &today)
{
    QDir().mkpath(logDir());
    const QString todaysFile = QStringLiteral("el%1.txt").arg(today.toString(QStringLiteral("yyMMdd")));
    const QStringList names = entries();
    if (names.isEmpty())
        return logDir() + todaysFile;
    QString stem = names.last();
    stem.remove(QLatin1String(".txt")).remove(QLatin1String("el"));
    const QDate started = QDate::fromString(QStringLiteral("20") + stem, QStringLiteral("yyyyMMdd"));
    int startedYear = 0;
    int todayYear = 0;
    const int startedWeek = started.weekNumber(&startedYear);
    const int todayWeek = today.weekNumber(&todayYear);
    if (!started.isValid() || startedWeek != todayWeek || startedYear != todayYear)
        return logDir() + todaysFile;
    return logDir() + names.last();
}

QByteArray ErrorLogFiles::typeOneLine(const QDateTime &when, int mainCode, int subCode1,
                                      int subCode2, int subCode3)
{
    return line(1, when, mainCode, subCode1, subCode2, subCode3);
}

QByteArray ErrorLogFiles::typeThreeLine(const QDateTime &when)
{
    return line(3, when, 99, 1, 0, 0);
}

bool ErrorLogFiles::appendLine(const QString &path, const QByteArray &text)
{
    // Synced, so the line survives a power cut that comes before the detached sync runs;
    // never appended through a link planted at the day's name.
    return SafeFileWriter::appendToFile(path, text);
}

QList<ErrorLogFiles::Entry> ErrorLogFiles::readLog(const QString &path)
{
    static const QRegularExpression typeField(QStringLiteral("^([0-9]{1});.*$"));
    static const QRegularExpression full(QStringLiteral(
        "^([0-9]{1,9});([0-9]{4}/[0-9]{2}/[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2});"
        "([0-9]{1,3})\\t([0-9]{1,3})\\t([0-9]{1,3})\\t([0-9]{1,3}).*$"));
    QList<Entry> out;
    QByteArray content;
    if (SafeFileReader::read(path, MaxLogBytes, &content, "error log") != SafeFileReader::Ok)
        return out;
    content.replace("\r\n", "\n");
    const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    for (const QString &text : lines) {
        const QRegularExpressionMatch type = typeField.match(text);
        if (!type.hasMatch() || type.captured(1).toInt() != 1)
            continue;
        const QRegularExpressionMatch m = full.match(text);
        if (!m.hasMatch())
            continue;
        Entry entry;
        entry.timestamp = QDateTime::fromString(m.captured(2), kTimeFormat);
        QStringList written;
        for (int i = 0; i < 4; ++i) {
            entry.codes[i] = m.captured(3 + i).toInt();
            written << m.captured(3 + i);
        }
        entry.codesText = written.join(QLatin1Char('.'));
        out.append(entry);
    }
    return out;
}

int ErrorLogFiles::deleteAll()
{
    QDir dir(logDir());
    if (!dir.exists())
        return 0;
    const QStringList names = entries();
    for (const QString &name : names) {
        const QString path = dir.filePath(name);
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            QDir(path).removeRecursively();
        else if (!QFile::remove(path))
            qWarning().noquote() << "Cannot remove" << path;
    }
    return names.size();
}

QString ErrorLogFiles::safeSerialNumber(const QString &serialNumber)
{
    QString safe;
    for (const QChar c : serialNumber.left(64)) {
        const bool plain = (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || c == QLatin1Char('-') || c == QLatin1Char('_');
        safe.append(plain ? c : QLatin1Char('_'));
    }
    return safe;
}

QString ErrorLogFiles::exportFilePath(const QString &serialNumber, const QDateTime &now)
{
    return TulPaths::flashPath(QStringLiteral("errorLog_%1_%2.txt")
                                   .arg(safeSerialNumber(serialNumber),
                                        now.toString(QStringLiteral("yyMMdd-HHmmss"))));
}

QDateTime ErrorLogFiles::now()
{
    std::lock_guard<std::mutex> lock(g_nowLock);
    return g_fixedNow.isValid() ? g_fixedNow : QDateTime::currentDateTime();
}

void ErrorLogFiles::setFixedNow(const QDateTime &when)
{
    std::lock_guard<std::mutex> lock(g_nowLock);
    g_fixedNow = when;
}
