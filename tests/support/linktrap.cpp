#include "linktrap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

LinkTrap::LinkTrap(Kind kind, const QString &at, const QString &outsideDir)
    : m_outside(QDir(outsideDir).filePath(QStringLiteral("outside-") + QFileInfo(at).fileName()))
{
    QDir().mkpath(outsideDir);
    QFile file(m_outside);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bait()) != bait().size())
        return;
    file.close();
    QFile::remove(at);
    const QByteArray from = QFile::encodeName(m_outside);
    const QByteArray to = QFile::encodeName(at);
    m_set = (kind == Symbolic ? ::symlink(from.constData(), to.constData())
                              : ::link(from.constData(), to.constData())) == 0;
}

bool LinkTrap::outsideUntouched() const
{
    QFile file(m_outside);
    return file.open(QIODevice::ReadOnly) && file.readAll() == bait();
}
