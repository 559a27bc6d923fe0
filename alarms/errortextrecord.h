#ifndef ERRORTEXTRECORD_H
#define ERRORTEXTRECORD_H

#include "errorrecord.h"

// An error record with its date, time and codes as display texts: one entry of the
// error-log list.
class ErrorTextRecord : public ErrorRecord
{
    Q_OBJECT
    Q_PROPERTY(QString dateText READ get_dateText WRITE set_dateText NOTIFY dateTextChanged)
    Q_PROPERTY(QString timeText READ get_timeText WRITE set_timeText NOTIFY timeTextChanged)
    Q_PROPERTY(QString codesText READ get_codesText WRITE set_codesText NOTIFY codesTextChanged)

public:
    explicit ErrorTextRecord(QObject *parent = nullptr);

    // dateText "yyyy/MM/dd" and timeText "HH:mm:ss" from the timestamp, codesText the
    // four codes joined by ".".
    void fillTexts();

    QString get_dateText() const { return m_dateText; }
    QString get_timeText() const { return m_timeText; }
    QString get_codesText() const { return m_codesText; }

public slots:
    void set_dateText(const QString &value);
    void set_timeText(const QString &value);
    void set_codesText(const QString &value);

signals:
    void dateTextChanged(QString value);
    void timeTextChanged(QString value);
    void codesTextChanged(QString value);

private:
    QString m_dateText;
    QString m_timeText;
    QString m_codesText;
};

#endif // ERRORTEXTRECORD_H
