#include "timercolorsdata.h"

const QString TimerColorsData::noColor = QStringLiteral("#fffffd");

namespace {

const char *const Backgrounds[TimerColorsData::paletteSize] = {
    "#fffffd", "#700000", "#a00000", "#cf0000", "#ff0000", "#ff3030", "#ff6060", "#ff9090", "#ffc0c0",
    "#402100", "#703a00", "#a05000", "#cf6800", "#ff8000", "#ff9830", "#ffb060", "#ffc890", "#ffdfc0",
    "#404000", "#707000", "#a0a000", "#cfcf00", "#ffff00", "#ffff30", "#ffff60", "#ffff90", "#ffffc0",
    "#004000", "#007000", "#00a000", "#00cf00", "#00ff00", "#30ff30", "#60ff60", "#90ff90", "#c0ffc0",
    "#004040", "#007070", "#00a0a0", "#00cfcf", "#00ffff", "#30ffff", "#60ffff", "#90ffff", "#c0ffff",
    "#000040", "#000070", "#0000a0", "#0000cf", "#0000ff", "#3030ff", "#6060ff", "#9090ff", "#c0c0ff",
    "#200040", "#380070", "#5000a0", "#6800cf", "#8000ff", "#9830ff", "#b060ff", "#c890ff", "#f4c0ff",
    "#400040", "#700070", "#a000a0", "#cf00cf", "#ff00ff", "#ff30ff", "#ff60ff", "#ff90ff", "#ffc0ff",
    "#000000", "#202020", "#404040", "#606060", "#808080", "#a0a0a0", "#c0c0c0", "#dfdfdf", "#ffffff",
};

// Dark shades whose timer text is grey rather than black.
bool greyText(int entry)
{
    const int row = entry / TimerColorsData::paletteColumns;
    const int shade = entry % TimerColorsData::paletteColumns;
    switch (row) {
    case 0: return false;
    case 5: return shade <= 5;
    case 6:
    case 7:
    case 8: return shade <= 2;
    default: return shade == 0;
    }
}

} // namespace

QList<QObject *> TimerColorsData::createPalette()
{
    QList<QObject *> palette;
    palette.reserve(paletteSize);
    palette << new TimerColorsData(noColor, noColor);
    for (int entry = 1; entry < paletteSize; ++entry) {
        const QString fore = greyText(entry) ? QStringLiteral("#a0a0a0") : QStringLiteral("#000000");
        palette << new TimerColorsData(fore, QLatin1String(Backgrounds[entry]));
    }
    return palette;
}

QString TimerColorsData::foreColorOf(const QList<QObject *> &palette, const QString &backColor)
{
    for (const QObject *object : palette) {
        const auto *entry = qobject_cast<const TimerColorsData *>(object);
        // Exact text: a colour in other letters is not the palette's.
        if (entry && entry->getBackColor() == backColor)
            return entry->getForeColor();
    }
    return QString();
}
