#include "taganalysis.h"

#include "binproductsource.h"
#include "holdinglog.h"
#include "nfcmanager.h"
#include "nfctagitem2.h"

#include <QDateTime>

namespace {

QString hex(quint64 uid)
{
    return QString::number(uid, 16);
}

bool isActive(const NfcTagItem2 *item)
{
    return item->getHoldStatus() != NfcTagItem2::StatusExpired
        && item->getHoldStatus() != NfcTagItem2::StatusStopped;
}

} // namespace

TagAnalysis::TagAnalysis(NFCmanager *nfc, BinProductSource *bins, QObject *parent)
    : QObject(parent)
    , m_nfc(nfc)
    , m_bins(bins)
{
}

void TagAnalysis::binTagRead(int bin, quint64 uid)
{
    if (bin < 0 || bin >= m_bins->binCount() || bin >= NFCmanager::MaxBins) {
        qCWarning(lcHolding).noquote()
            << QStringLiteral("Tag read for bin %1, outside the cabinet's %2 bins; ignored")
                   .arg(bin).arg(m_bins->binCount());
        return;
    }
    const quint64 previous = m_nfc->getPreviousUid(bin);
    if (uid == previous)
        return;
    m_nfc->setPreviousUid(bin, uid);
    m_nfc->savePreviousUid();
    if (previous != 0)
        panLeft(bin, previous);
    if (uid != 0)
        panArrived(bin, uid);
}

// A full-size pan read on an odd bin covers the even bin before it and counts for that.
// Its product: the registered one, else the tag's, else (universal) the even bin's.
int TagAnalysis::countingBin(int bin, quint64 uid) const
{
    if (bin % 2 == 0)
        return bin;
    int product = NfcTagItem2::tagProduct(uid);
    if (const NfcTagItem2 *item = m_nfc->viewTagInfo2(uid))
        product = item->getProductId();
    else if (product == 0)
        product = m_bins->productIdOfBin(bin - 1);
    return product != 0 && m_bins->panSizeOfProduct(product) == 2 ? bin - 1 : bin;
}

void TagAnalysis::panLeft(int bin, quint64 uid)
{
    const int counted = countingBin(bin, uid);
    if (m_nfc->getBinTagUid(counted) == uid) {
        const NfcTagItem2 *item = m_nfc->viewTagInfo2(uid);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        emit m_nfc->panRemoved(now, counted, uid,
                               item ? NFCmanager::secondsRemaining(item->getExpTime(), now) : 0);
    }
    for (int b : {bin, counted}) {
        if (m_mismatch.contains(b) && m_mismatch.value(b).uid == uid)
            clearMismatch(b);
    }
}

void TagAnalysis::panArrived(int readBin, quint64 uid)
{
    const int bin = countingBin(readBin, uid);
    NfcTagItem2 *item = m_nfc->viewTagInfo2(uid);
    if (!item || !isActive(item)) {
        const int binProduct = m_bins->productIdOfBin(bin);
        const int tagProduct = NfcTagItem2::tagProduct(uid);
        if (binProduct == 0) {
            qCInfo(lcHolding).noquote()
                << QStringLiteral("Pan %1 in bin %2, which has no product; ignored").arg(hex(uid)).arg(bin);
            return;
        }
        if (tagProduct == 0 || tagProduct == binProduct)
            startNewHold(bin, uid, binProduct);
        else
            raiseMismatch(bin, uid, false);
        return;
    }

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int remaining = NFCmanager::secondsRemaining(item->getExpTime(), now);
    if (item->getPosition() == bin) {
        item->setHoldStatus(NfcTagItem2::StatusReturned);
        item->setActivationTimeStamp(now);
        item->setSeenInCabinet(true);
        m_nfc->saveNFC2();
        emit m_nfc->panReturned(now, bin, uid, remaining);
        emit holdingListChanged();
        return;
    }

    if (item->getProductId() != m_bins->productIdOfBin(bin)) {
        raiseMismatch(bin, uid, NfcTagItem2::tagProduct(uid) == 0);
        return;
    }
    const int oldBin = item->getPosition();
    const quint64 displaced = m_nfc->getBinTagUid(bin);
    if (displaced != 0 && displaced != uid)
        m_nfc->deregisterTag2(displaced);
    emit m_nfc->panTransfered(now, bin, uid, remaining);
    if (m_nfc->getBinTagUid(oldBin) == uid)
        emit m_nfc->stopBinTimer(quint8(oldBin));
    m_nfc->moveTag(uid, bin);
    item->setSeenInCabinet(true);
    m_nfc->saveNFC2();
    // A pan that ran out on the way keeps its expiry: a timer started with 0 s would run a
    // fresh full hold.
    emit m_nfc->startBinTimer(quint8(bin), qMax(remaining, 1), uid);
    emit holdingListChanged();
}

void TagAnalysis::startNewHold(int bin, quint64 uid, int binProduct)
{
    const quint64 before = m_nfc->getBinTagUid(bin);
    if (before != 0 && before != uid)
        m_nfc->deregisterTag2(before);

    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const int holdTime = m_bins->holdTimeOfProduct(binProduct);
    auto *item = new NfcTagItem2(uid);
    item->setHoldStatus(NfcTagItem2::StatusStarted);
    item->setPosition(bin);
    item->setSeenInCabinet(true);
    item->setActivationTimeStamp(now);
    item->setExpTime(now + qint64(holdTime) * 1000);
    item->setProductId(binProduct);
    if (!m_nfc->registerTag2(item))
        return;
    m_nfc->saveNFC2();

    const bool universal = NfcTagItem2::tagProduct(uid) == 0;
    qCInfo(lcHolding).noquote() << QStringLiteral("Pan %1 starts holding product %2 in bin %3 for %4 s%5")
                                       .arg(hex(uid)).arg(binProduct).arg(bin).arg(holdTime)
                                       .arg(universal ? QStringLiteral(" (universal pan)") : QString());
    emit m_nfc->startBinTimer(quint8(bin), holdTime, uid);
    emit holdStartedByTag(bin, uid);
    emit chime(universal);
    emit holdingListChanged();
}

void TagAnalysis::raiseMismatch(int bin, quint64 uid, bool universal)
{
    if (m_mismatch.contains(bin)) {
        if (m_mismatch.value(bin).uid == uid)
            return;
        clearMismatch(bin);
    }
    qCInfo(lcHolding).noquote() << QStringLiteral("Pan %1 does not belong in bin %2 (product %3)%4")
                                       .arg(hex(uid)).arg(bin).arg(m_bins->productIdOfBin(bin))
                                       .arg(universal ? QStringLiteral(", universal pan") : QString());
    m_mismatch.insert(bin, {uid, universal});
    emit mismatchRaised(bin, uid, universal);
}

void TagAnalysis::clearMismatch(int bin)
{
    const Mismatch mismatch = m_mismatch.take(bin);
    emit mismatchCleared(bin, mismatch.uid, mismatch.universal);
}
