#ifndef TIMEZONETABLE_H
#define TIMEZONETABLE_H

#include <QDateTime>
#include <QString>
#include <QVariantMap>

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

    // What the Date and Time page shows for a UTC instant with the page's choices:
    // "time" ("14:05:09", or "2:05:09" on the 12-hour clock), "pm" (after noon, for the
    // 12-hour clock's marker) and "date" ("2026-03-01"), all in the zone of `row`.
    static QVariantMap localClock(const QDateTime &utc, int row, bool dstEnabled, bool twelveHour);

    // The cabinet's clock for code that cannot ask the settings (the error log's worker
    // thread): the zone and daylight saving the settings hold, handed over by the settings
    // store whenever they change. Until they are handed over, the machine's own local time.
    static void setCabinetZone(const QString &zoneId, bool dstEnabled);
    static void clearCabinetZone();
    static QDateTime cabinetNow();
    // How far cabinetNow() runs ahead of the real instant: the hour of daylight saving.
    static qint64 cabinetShiftSeconds();
};

#endif // TIMEZONETABLE_H
