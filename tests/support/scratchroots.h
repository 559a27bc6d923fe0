#ifndef SCRATCHROOTS_H
#define SCRATCHROOTS_H

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Points the data root, flash drive, system root and tool log at fresh scratch folders
// for as long as it lives, and puts the environment back afterwards.
class ScratchRoots
{
public:
    ScratchRoots();
    ~ScratchRoots();

    bool isValid() const { return m_dir.isValid(); }
    QString base() const { return m_dir.path(); }
    QString root() const;    // ends with '/'
    QString flash() const;   // ends with '/'
    QString system() const;  // ends with '/'
    QString toolsLog() const;

    // Lines the tool stand-ins appended to the tool log, one per call: "name arg1 arg2".
    QStringList toolCalls() const;

    // Writes a file below the data root (creating folders); false on failure.
    bool writeRootFile(const QString &relative, const QByteArray &data) const;

    // Sets an environment variable until this object is destroyed.
    void setVariable(const char *name, const QString &value);

private:

    QTemporaryDir m_dir;
    QHash<QByteArray, QByteArray> m_saved;
    QHash<QByteArray, bool> m_wasSet;
};

#endif // SCRATCHROOTS_H
