#ifndef TIMEZONETABLE_H
#define TIMEZONETABLE_H

#include <QDateTime>
#include <QString>

class QObject;
class RoleItemModel;

// The fixed UTC offsets the cabinet offers. The clock runs in UTC; local time is the
// instant shown at the chosen offset.
class TimeZoneTable
{
public:
    enum Roles { TimeZoneIdRole = 257, NameRole = 258 };

    static int count();
    static bool isRow(int row) { return row >= 0 && row < count(); }
    static QString zoneId(int row); // "UTC-04:30"; empty outside the table
    static QString name(int row);   // "UTC-4:30"; empty outside the table

    static RoleItemModel *createModel(QObject *parent);
    static void fillModel(RoleItemModel *model);

    // The instant one hour later when daylight saving is on, expressed in the zone of
    // that id; an unknown id is taken as row 0 so local time never becomes invalid.
    static QDateTime adjustToLocalDateTime(const QDateTime &dateTime, bool dstEnabled,
                                           const QString &zoneId);
};

#endif // TIMEZONETABLE_H
