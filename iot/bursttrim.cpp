#include "bursttrim.h"

#include "iotlog.h"

#include <QTimer>

#include <malloc.h>

BurstTrim::BurstTrim(QObject *parent)
    : QObject(parent)
    , m_quiet(new QTimer(this))
    , m_trim([] { malloc_trim(0); })
{
    m_quiet->setObjectName(QStringLiteral("burstTrimTimer"));
    m_quiet->setSingleShot(true);
    m_quiet->setInterval(DefaultQuietMs);
    connect(m_quiet, &QTimer::timeout, this, &BurstTrim::quiet);
}

void BurstTrim::setQuietMs(int ms)
{
    m_quiet->setInterval(ms);
}

void BurstTrim::note()
{
    ++m_count;
    m_quiet->start();
}

void BurstTrim::quiet()
{
    const int messages = m_count;
    m_count = 0;
    if (messages < m_burstSize)
        return;
    m_trim();
    qCInfo(lcIot) << "Heap trimmed after a burst of" << messages << "cloud messages";
    emit trimmed(messages);
}
