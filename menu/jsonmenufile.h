#ifndef JSONMENUFILE_H
#define JSONMENUFILE_H

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// The menu tool's JSON interchange file: a "header" object and a "menu" object holding
// the "products", "productGroups" and "layout" arrays. The import checks only this
// outline; the appliers of the menu and day-part managers read the elements.
class JsonMenuFile
{
public:
    static constexpr int menuVersion = 1;
    static constexpr qint64 maxFileSize = 16 * 1024 * 1024;

    struct Outline
    {
        bool ok = false;
        QStringList messages; // the log lines of the check, in order
        QJsonObject document; // the parsed document when it is an object
        QStringList repeatedKeys; // keys an object named twice: the last value stands
    };

    static Outline checkOutline(const QByteArray &bytes);

    // "MENU_" + serial + ".json", or "MENU_" + serial + "_" + n + ".json" with the first
    // n from 2 on that is not among `existingEntries` (case-sensitive). The serial goes
    // through safeFileNamePart first.
    static QString exportFileName(const QStringList &existingEntries, const QString &serial);
    // The text with '_' for each character that a file name on the flash drive cannot
    // hold: the folder separators, control characters and " * : < > ? | (which its FAT
    // file system refuses). Everything else stays, so the name shows the serial number.
    static QString safeFileNamePart(const QString &text);

    // The export document from the menu file's text and the day-part export text.
    static QByteArray exportDocument(const QString &serial, const QByteArray &menuText,
                                     const QByteArray &dayPartsText);
};

#endif // JSONMENUFILE_H
