#ifndef BINVIEW_H
#define BINVIEW_H

#include "trayinfo.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>

class SecondTicker;

// What the screen shows of one bin, whichever display's slot holds it: fed by the
// local slot's records, or by the records the other display sends, between which it
// counts down on its own, from the hold's expiry as the slot does. The countdown it shows
// moves on the shared ticker's seconds only, so that all tiles change in one frame.
class BinView : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int binNumber READ get_binNumber CONSTANT)
    // Each value its own signal: a tile's bindings that read the product are not evaluated
    // again when only the state steps, as on every bin when the zones reach temperature.
    Q_PROPERTY(int productId READ get_productId NOTIFY productChanged)
    Q_PROPERTY(QString productName READ get_productName NOTIFY productChanged)
    Q_PROPERTY(int trayState READ get_trayState NOTIFY trayStateChanged)
    Q_PROPERTY(int remainingTime READ get_remainingTime NOTIFY remainingTimeChanged)
    Q_PROPERTY(int holdTime READ get_holdTime NOTIFY productChanged)
    Q_PROPERTY(bool mismatch READ get_mismatch NOTIFY mismatchChanged)
    // The timer colour the product carries ("#fffffd" or empty: none).
    Q_PROPERTY(QString timerColor READ get_timerColor NOTIFY timerColorChanged)
    Q_PROPERTY(bool local READ get_local CONSTANT)

public:
    // Without a ticker every record shows at once and nothing counts between them.
    BinView(int binNumber, bool local, SecondTicker *ticker, QObject *parent = nullptr);
    ~BinView() override;

    int get_binNumber() const { return m_binNumber; }
    int get_productId() const;
    QString get_productName() const { return m_productName; }
    int get_trayState() const { return m_record.trayState; }
    // The seconds the tile shows: the record's, as of the latest whole second.
    int get_remainingTime() const { return m_shown; }
    int get_holdTime() const { return m_holdTime; }
    bool get_mismatch() const { return m_mismatch; }
    QString get_timerColor() const { return m_timerColor; }
    bool get_local() const { return m_local; }
    bool isHolding() const { return m_record.active; }
    const trayInfo &record() const { return m_record; }

    // A new record; `countDown` makes the view count the remaining time itself (records
    // from the other display arrive only when something else changes).
    void setRecord(const trayInfo &record, bool countDown);
    // A record of this display's own slot: its countdown steps, which it takes at its
    // own phase, are shown at the next shared second; anything else at once.
    void setSlotRecord(const trayInfo &record);
    void setProduct(const QString &name, int holdTime);
    void setMismatch(bool on);
    void setTimerColor(const QString &color);

signals:
    // Anything but the countdown changed; the signals below say what.
    void changed();
    void productChanged();
    void trayStateChanged();
    void mismatchChanged();
    void timerColorChanged();
    void remainingTimeChanged(int seconds);

private:
    void take(const trayInfo &record, bool countDown, bool deferStep);
    bool expiryAgrees(const trayInfo &record) const;
    void setTicking(bool on);
    void onSecond();
    void show(int seconds);

    const int m_binNumber;
    const bool m_local;
    trayInfo m_record;
    QString m_productName;
    int m_holdTime = 0;
    bool m_mismatch = false;
    QString m_timerColor;
    const QPointer<SecondTicker> m_ticker; // may go first when the owner is torn down
    bool m_ticking = false;
    bool m_countDown = false;
    int m_shown = 0;
    QElapsedTimer m_sinceRecord;
    int m_remainingAtRecord = 0;
    bool m_byExpiry = false; // counting from the record's expiry, else from its arrival
};

#endif // BINVIEW_H
