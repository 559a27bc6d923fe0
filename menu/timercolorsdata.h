#ifndef TIMERCOLORSDATA_H
#define TIMERCOLORSDATA_H

#include <QList>
#include <QObject>
#include <QString>

// One colour of the holding-timer palette: the background a product's timer is drawn on
// and the text colour that stays readable on it. Fixed at construction.
class TimerColorsData : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString foreColor READ getForeColor NOTIFY foreColorChanged)
    Q_PROPERTY(QString backColor READ getBackColor NOTIFY backColorChanged)

public:
    // The background of a product without a timer colour (entry 0 of the palette).
    static const QString noColor;
    static constexpr int paletteSize = 81;
    static constexpr int paletteColumns = 9;

    explicit TimerColorsData(QObject *parent = nullptr) : QObject(parent) {}
    TimerColorsData(const QString &foreColor, const QString &backColor, QObject *parent = nullptr)
        : QObject(parent), m_foreColor(foreColor), m_backColor(backColor)
    {
    }

    QString getForeColor() const { return m_foreColor; }
    QString getBackColor() const { return m_backColor; }

    // The 81 entries in grid order (9 rows of shades from dark to light), unparented:
    // the caller owns them.
    static QList<QObject *> createPalette();
    // The text colour of the first entry whose background is exactly `backColor` (letter
    // case included); empty for any other text.
    static QString foreColorOf(const QList<QObject *> &palette, const QString &backColor);

signals:
    void foreColorChanged();
    void backColorChanged();

private:
    QString m_foreColor;
    QString m_backColor;
};

#endif // TIMERCOLORSDATA_H
