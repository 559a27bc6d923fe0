#ifndef HACCPDATA_H
#define HACCPDATA_H

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

// One HACCP holding record: built by the holding coordination when a hold starts or
// ends, written by the HACCP log.
struct HaccpData
{
    QString name;     // product name
    QString date;     // start date "yyyy/MM/dd"
    QString time;     // start time "HH:mm:ss"
    QString duration; // "hh:mm:ss", "----" while the hold is open
    bool expired = false;
    int binNumber = 0; // counted from 0
};
Q_DECLARE_METATYPE(HaccpData)

// Where the holding coordination logs its HACCP records; the HACCP controller
// implements it. Without one, nothing is logged.
class HaccpLogSink
{
public:
    virtual ~HaccpLogSink() = default;
    virtual void logDataEntry(const HaccpData &data) = 0;
    virtual void removeStartDataLogEntry(const HaccpData &data) = 0;
    // After a restart: `holding` gives the start record of every hold that goes on (its
    // newest open record stays, or this one is written when the log lacks it); every other
    // open record is closed with the moment of the cut, or with the log's last change when
    // `cut` is invalid; `expiredBins` (bit n: bin n) marks those whose time had run out.
    virtual void closeOpenRecords(const QDateTime &cut, const QList<HaccpData> &holding, quint32 expiredBins) = 0;
};

#endif // HACCPDATA_H
