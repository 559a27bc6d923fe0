#include "errortextrecord.h"

ErrorTextRecord::ErrorTextRecord(QObject *parent)
    : ErrorRecord(parent)
{
}

void ErrorTextRecord::fillTexts()
{
    set_dateText(get_timestamp().toString(QStringLiteral("yyyy/MM/dd")));
    set_timeText(get_timestamp().toString(QStringLiteral("HH:mm:ss")));
    set_codesText(codesJoined());
}

void ErrorTextRecord::set_dateText(const QString &value)
{
    m_dateText = value;
    emit dateTextChanged(value);
}

void ErrorTextRecord::set_timeText(const QString &value)
{
    m_timeText = value;
    emit timeTextChanged(value);
}

void ErrorTextRecord::set_codesText(const QString &value)
{
    m_codesText = value;
    emit codesTextChanged(value);
}
