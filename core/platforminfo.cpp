#include "platforminfo.h"
#include "corelog.h"

#include "commandlauncher.h"
#include "safefilereader.h"
#include "tulpaths.h"

#include <QDebug>
#include <QDir>
#include <QFile>

PlatformInfo::PlatformInfo(QObject *parent)
    : QObject(parent)
{
}

void PlatformInfo::set_osKernel(const QString &osKernel)
{
    if (m_osKernel == osKernel)
        return;
    m_osKernel = osKernel;
    emit osKernelChanged(m_osKernel);
}

void PlatformInfo::set_bspInfo(const QString &bspInfo)
{
    if (m_bspInfo == bspInfo)
        return;
    m_bspInfo = bspInfo;
    emit bspInfoChanged(m_bspInfo);
}

// The dialog shows rich text: the text up to the first NUL, one "<br>" per line feed.
QString PlatformInfo::dialogText(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    QString text = QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
    text.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return text;
}

void PlatformInfo::getOsKernelInformation()
{
    // A query that does not finish in time still shows what it printed.
    const CommandResult result = CommandLauncher::runAndWait(
        QStringLiteral("/bin/uname"), {QStringLiteral("-a")}, kKernelQueryTimeoutMs);
    set_osKernel(dialogText(result.standardOutput));
}

// Of the entries whose name starts with "BSP", the one that sorts last by name
// (ignoring case) is the package that was installed last.
QString PlatformInfo::lastBspEntry(const QString &dir)
{
    const QStringList entries = QDir(dir).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System, QDir::Name | QDir::IgnoreCase);
    QString found;
    for (const QString &entry : entries) {
        if (entry.startsWith(QLatin1String("BSP")))
            found = entry;
    }
    return found;
}

void PlatformInfo::getBSPverInformation()
{
    const QString root = QDir(TulPaths::rootDir()).absolutePath();
    qCDebug(lcCore).noquote() << QStringLiteral("looking for BSP file in : %1").arg(root);
    const QString name = lastBspEntry(root);
    // Opened inside the data root itself, so the result does not depend on the
    // working directory.
    QByteArray bytes;
    if (name.isEmpty()
        || SafeFileReader::read(QDir(root).filePath(name), kMaxBspFileBytes, &bytes, "board support file")
            != SafeFileReader::Ok) {
        qCDebug(lcCore).noquote() << QStringLiteral("Unable to open file: %1").arg(name);
        return;
    }
    bytes.replace("\r\n", "\n");
    set_bspInfo(dialogText(bytes));
}
