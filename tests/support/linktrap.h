#ifndef LINKTRAP_H
#define LINKTRAP_H

#include <QByteArray>
#include <QString>

// A file outside the data root with a symbolic or hard link to it planted at a name a
// writer uses. After the write, the outside file must still hold its bait.
class LinkTrap
{
public:
    enum Kind { Symbolic, Hard };

    // `outsideDir` must not be below the data root; `at` is the name the writer uses.
    LinkTrap(Kind kind, const QString &at, const QString &outsideDir);

    bool isSet() const { return m_set; }
    bool outsideUntouched() const;
    static QByteArray bait() { return QByteArrayLiteral("outside the data root\n"); }

private:
    QString m_outside;
    bool m_set = false;
};

#endif // LINKTRAP_H
