#include "timezonetable.h"

#include "roleitemmodel.h"

#include <QTimeZone>

#include <mutex>

namespace {

const char *const kZoneIds[] = {
    "UTC-12:00", "UTC-11:00", "UTC-10:00", "UTC-09:00", "UTC-08:00", "UTC-07:00", "UTC-06:00",
    "UTC-05:00", "UTC-04:30", "UTC-04:00", "UTC-03:30", "UTC-03:00", "UTC-02:00", "UTC-01:00",
    "UTC",       "UTC+01:00", "UTC+02:00", "UTC+03:00", "UTC+03:30", "UTC+04:00", "UTC+04:30",
    "UTC+05:00", "UTC+05:30", "UTC+05:45", "UTC+06:00", "UTC+06:30", "UTC+07:00", "UTC+08:00",
    "UTC+09:00", "UTC+09:30", "UTC+10:00", "UTC+11:00", "UTC+12:00", "UTC+13:00",
};

// What the settings store last handed over; read from other threads.
std::mutex g_cabinetZoneLock;
bool g_cabinetZoneSet = false;
QString g_cabinetZoneId;
bool g_cabinetDst = false;

} // namespace

int TimeZoneTable::count()
{
    return int(sizeof(kZoneIds) / sizeof(kZoneIds[0]));
}

QString TimeZoneTable::zoneId(int row)
{
    return isRow(row) ? QString::fromLatin1(kZoneIds[row]) : QString();
}

QString TimeZoneTable::name(int row)
{
    QString text = zoneId(row);
    // The shown name drops the leading zero of the hour: "UTC-09:00" -> "UTC-9:00".
    if (text.size() > 4 && text.at(4) == QLatin1Char('0'))
        text.remove(4, 1);
    return text;
}

RoleItemModel *TimeZoneTable::createModel(QObject *parent)
{
    auto *model = new RoleItemModel({{TimeZoneIdRole, "timeZoneId"}, {NameRole, "name"}}, parent);
    fillModel(model);
    return model;
}

void TimeZoneTable::fillModel(RoleItemModel *model)
{
    model->clear();
    model->setColumnCount(1);
    model->setHorizontalHeaderLabels({QStringLiteral("ID"), QStringLiteral("Name")});
    for (int row = 0; row < count(); ++row) {
        auto *item = new QStandardItem;
        item->setData(zoneId(row), TimeZoneIdRole);
        item->setData(name(row), NameRole);
        model->appendRow(item);
    }
}

QDateTime TimeZoneTable::adjustToLocalDateTime(const QDateTime &dateTime, bool dstEnabled,
                                               const QString &zoneId)
{
    QTimeZone zone(zoneId.toLatin1());
    if (!zone.isValid())
        zone = QTimeZone(QByteArray(kZoneIds[0]));
    const QDateTime moved = dstEnabled ? dateTime.addSecs(3600) : dateTime;
    return moved.toTimeZone(zone);
}

QVariantMap TimeZoneTable::localClock(const QDateTime &utc, int row, bool dstEnabled, bool twelveHour)
{
    const QDateTime local = adjustToLocalDateTime(utc, dstEnabled, zoneId(row));
    const QTime time = local.time();
    // Digits only: the same in every language, and no locale's own 12-hour rules.
    int hour = time.hour();
    if (twelveHour)
        hour = hour % 12 == 0 ? 12 : hour % 12;
    const QString text = QStringLiteral("%1:%2:%3")
                             .arg(hour, twelveHour ? 1 : 2, 10, QLatin1Char('0'))
                             .arg(time.minute(), 2, 10, QLatin1Char('0'))
                             .arg(time.second(), 2, 10, QLatin1Char('0'));
    return {{QStringLiteral("time"), text},
            {QStringLiteral("pm"), time.hour() >= 12},
            {QStringLiteral("date"), local.date().toString(Qt::ISODate)}};
}

void TimeZoneTable::setCabinetZone(const QString &zoneId, bool dstEnabled)
{
    std::lock_guard<std::mutex> lock(g_cabinetZoneLock);
    g_cabinetZoneSet = true;
    g_cabinetZoneId = zoneId;
    g_cabinetDst = dstEnabled;
}

void TimeZoneTable::clearCabinetZone()
{
    std::lock_guard<std::mutex> lock(g_cabinetZoneLock);
    g_cabinetZoneSet = false;
    g_cabinetZoneId.clear();
    g_cabinetDst = false;
}

QDateTime TimeZoneTable::cabinetNow()
{
    QString zoneId;
    bool dst = false;
    {
        std::lock_guard<std::mutex> lock(g_cabinetZoneLock);
        if (!g_cabinetZoneSet)
            return QDateTime::currentDateTime();
        zoneId = g_cabinetZoneId;
        dst = g_cabinetDst;
    }
    return adjustToLocalDateTime(QDateTime::currentDateTimeUtc(), dst, zoneId);
}

qint64 TimeZoneTable::cabinetShiftSeconds()
{
    std::lock_guard<std::mutex> lock(g_cabinetZoneLock);
    return g_cabinetZoneSet && g_cabinetDst ? 3600 : 0;
}
