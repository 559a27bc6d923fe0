#ifndef HOLDINGSTATEFILE_H
#define HOLDINGSTATEFILE_H

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// "trayBarInfo.json" in the data root: the cabinet's holds as the master display last
// wrote them, so that a power cut costs no hold. One compact JSON object:
//
//   {"version":1,"written":1767225600000,"dayPart":0,
//    "bins":[{"bin":3,"state":7,"product":21,"groupIndex":0,"dayPart":0,"pan":"150000000a01",
//             "start":1767225000000,"warning":1767225540000,"expiry":1767225600000}]}
//
// "written": when the file was written; "dayPart": the day part in force. One entry per
// bin that holds: its state code (6 standard, 7 warning, 8 discard), the product or group
// id and the group's member, the day part that assigned it, the pan's uid in hexadecimal
// ("0" for a hold started on the screen), and as wall-clock milliseconds since the epoch
// the hold's start (as its HACCP record has it), the moment it warns (0: never) and the
// moment its time runs out. Bins count from 0.
class HoldingStateFile
{
public:
    static constexpr int Version = 1;
    static constexpr int MaxBins = 20;
    // Twenty entries take about 4 KiB; anything far larger was not written here.
    static constexpr qint64 MaxBytes = 64 * 1024;

    struct Bin
    {
        int bin = 0;
        int state = 0;
        int productId = 0;
        int groupIndex = 0;
        int dayPart = 0;
        quint64 pan = 0;
        qint64 start = 0;
        qint64 warning = 0;
        qint64 expiry = 0;
        bool operator==(const Bin &o) const;
    };
    struct Content
    {
        qint64 written = 0;
        int dayPart = -1;
        QVector<Bin> bins;
    };
    enum class Read { Ok, Missing, Unreadable };

    static QString path();
    static QByteArray encode(const Content &content);
    // Whatever can be read: an entry that cannot is left out and named in `skipped`; a
    // file that is not ours at all gives Unreadable with the reason in `why`.
    static Read decode(const QByteArray &text, Content *content, QStringList *skipped, QString *why);
    static Read read(Content *content, QStringList *skipped, QString *why);
    static bool write(const Content &content, QString *why);
};

#endif // HOLDINGSTATEFILE_H
