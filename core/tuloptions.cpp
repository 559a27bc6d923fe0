#include "tuloptions.h"

#include <QDebug>
#include <QRegularExpression>

namespace {

bool takeValue(const QStringList &args, int &i, QString &value)
{
    if (i + 1 >= args.size()) {
        qWarning() << "option" << args.at(i) << "needs a value";
        return false;
    }
    value = args.at(++i);
    return true;
}

double scaleFrom(const QString &option, const QString &text, double fallback)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    // A scale outside this range would make the window unusable.
    if (!ok || value < 0.1 || value > 10.0) {
        qWarning() << "option" << option << ": bad scale" << text << ", keeping" << fallback;
        return fallback;
    }
    return value;
}

} // namespace

TulOptions TulOptions::parse(const QStringList &args)
{
    TulOptions o;
    QString value;
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == QLatin1String("-simulation")) {
            o.simulation = true;
        } else if (arg == QLatin1String("-singledisplay")) {
            o.singleDisplay = true;
        } else if (arg == QLatin1String("-uiDebug")) {
            o.uiDebug = true;
        } else if (arg == QLatin1String("-ignoreTpErrors")) {
            o.ignoreTpErrors = true;
        } else if (arg == QLatin1String("-logmodbus")) {
            o.logModbus = true;
        } else if (arg == QLatin1String("-idConnector")) {
            if (takeValue(args, i, value)) {
                bool ok = false;
                const int id = value.toInt(&ok);
                if (ok && id >= 0)
                    o.idConnector = id;
                else
                    qWarning() << "option -idConnector: bad number" << value;
            }
        } else if (arg == QLatin1String("-sx")) {
            if (takeValue(args, i, value))
                o.scaleX = scaleFrom(arg, value, o.scaleX);
        } else if (arg == QLatin1String("-sy")) {
            if (takeValue(args, i, value))
                o.scaleY = scaleFrom(arg, value, o.scaleY);
        } else if (arg == QLatin1String("-trace")) {
            if (takeValue(args, i, value)) {
                value.remove(QLatin1Char('(')).remove(QLatin1Char(')'));
                o.trace = value.split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
            }
        } else if (arg == QLatin1String("-s")) {
            takeValue(args, i, value); // the version number: accepted, no effect
        } else {
            qWarning() << "unknown option" << arg << "ignored";
        }
    }
    return o;
}
