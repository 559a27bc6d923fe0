#include "tulgeneraldefs.h"

#include <QQmlEngine>

void TulDefs::registerQmlType()
{
    qmlRegisterUncreatableType<TulDefs>("TulDefs", 1, 0, "TulDefines",
                                        QStringLiteral("TulDefines only holds enumerations"));
}
