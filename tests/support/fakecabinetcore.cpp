#include "fakecabinetcore.h"

#include "tulpaths.h"

QStringList FakeCabinetCore::sentNames() const
{
    QStringList names;
    for (const Sent &s : sent)
        names << s.what;
    return names;
}

void FakeCabinetCore::set_flashDriveMounted(bool mounted)
{
    flashDriveMounted = mounted;
    emit flashDriveMountedChanged(mounted);
}

QString FakeCabinetCore::readFlashDrivePath()
{
    return TulPaths::flashDir();
}

void FakeCabinetCore::record(const char *what, const QVariantList &args)
{
    sent.append({QString::fromLatin1(what), args});
}
