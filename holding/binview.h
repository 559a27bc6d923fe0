#ifndef BINVIEW_H
#define BINVIEW_H

#include "trayinfo.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

// What the screen shows of one bin, whichever display's slot holds it: fed by the
// local slot's records, or by the records the other display sends, between which it
// counts down on its own.
class BinView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int binNumber READ get_binNumber CONSTANT)
    Q_PROPERTY(int productId READ get_productId NOTIFY changed)
    Q_PROPERTY(QString productName READ get_productName NOTIFY changed)
    Q_PROPERTY(int trayState READ get_trayState NOTIFY changed)
    Q_PROPERTY(int remainingTime READ get_remainingTime NOTIFY remainingTimeChanged)
    Q_PROPERTY(int holdTime READ get_holdTime NOTIFY changed)
    Q_PROPERTY(bool mismatch READ get_mismatch NOTIFY changed)
    // The timer colour the product carries ("#fffffd" or empty: none).
    Q_PROPERTY(QString timerColor READ get_timerColor NOTIFY changed)
    Q_PROPERTY(bool local READ get_local CONSTANT)

public:
    BinView(int binNumber, bool local, QObject *parent = nullptr);

    int get_binNumber() const { return m_binNumber; }
    int get_productId() const;
    QString get_productName() const { return m_productName; }
    int get_trayState() const { return m_record.trayState; }
    int get_remainingTime() const { return m_record.remainingTime; }
    int get_holdTime() const { return m_holdTime; }
    bool get_mismatch() const { return m_mismatch; }
    QString get_timerColor() const { return m_timerColor; }
    bool get_local() const { return m_local; }
    bool isHolding() const { return m_record.active; }
    const trayInfo &record() const { return m_record; }

    // A new record; `countDown` makes the view count the remaining time itself (records
    // from the other display arrive only when something else changes).
    void setRecord(const trayInfo &record, bool countDown);
    void setProduct(const QString &name, int holdTime);
    void setMismatch(bool on);
    void setTimerColor(const QString &color);

signals:
    void changed();
    void remainingTimeChanged(int seconds);

private slots:
    void tick();

private:
    const int m_binNumber;
    const bool m_local;
    trayInfo m_record;
    QString m_productName;
    int m_holdTime = 0;
    bool m_mismatch = false;
    QString m_timerColor;
    QTimer m_tick;
    QElapsedTimer m_sinceRecord;
    int m_remainingAtRecord = 0;
};

#endif // BINVIEW_H
