#include "pluggedinminutes.h"
#include "corelog.h"

#include "safefilereader.h"
#include "safefilewriter.h"
#include "tulpaths.h"

#include <QDebug>

QString PluggedInMinutes::filePath()
{
    return TulPaths::rootPath(QStringLiteral("pluggedInMinutes.txt"));
}

bool PluggedInMinutes::parse(const QByteArray &text, int *minutes)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0)
        return false;
    *minutes = value;
    return true;
}

int PluggedInMinutes::load(int fallback)
{
    QByteArray text;
    const SafeFileReader::Result read = SafeFileReader::read(filePath(), MaxBytes, &text, "plugged-in minutes");
    if (read == SafeFileReader::Missing)
        return fallback;
    int minutes = fallback;
    if (read != SafeFileReader::Ok || !parse(text, &minutes)) {
        qCWarning(lcCore) << "Unreadable plugged-in minutes in" << filePath() << "; counting from 0";
        return fallback;
    }
    return minutes;
}

bool PluggedInMinutes::save(int minutes)
{
    return SafeFileWriter::writeFile(filePath(), QByteArray::number(minutes) + '\n');
}
