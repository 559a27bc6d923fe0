#ifndef NFCMANAGER_H
#define NFCMANAGER_H

#include "p4statemachine.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <array>

class NfcTagItem2;

// The cabinet's NFC pans: the tag registry (pan uid -> record), the uid registered per
// bin, the last uid each bin's reader saw, the holding lists of linked cabinets, and the
// two store files that carry them over a power cut. A state machine without states (it
// is never started); the tag analysis and the holding coordination drive it.
class NFCmanager : public P4StateMachine
{
    Q_OBJECT

public:
    static constexpr int MaxBins = 20;
    // More pans than a cabinet's kitchen turns over in weeks; a store claiming more is damaged.
    static constexpr int MaxStoredTags = 4096;

    explicit NFCmanager(QObject *parent = nullptr);
    ~NFCmanager() override;

    // Owns its records. Changing the map directly bypasses the bin table; prefer the
    // operations below.
    QMap<quint64, NfcTagItem2 *> &tagRegistry() { return m_registry; }
    // Cabinet UUID -> that cabinet's holding list; owns the lists and their records.
    QHash<QString, QList<NfcTagItem2 *> *> &otherCabinetLists() { return m_otherCabinets; }

    // Takes ownership. Replaces (and deletes) a record of the same uid and makes the
    // record's position that bin's entry. A null record or a position outside the bins
    // is refused (and deleted): false.
    bool registerTag2(NfcTagItem2 *item);
    // Hold stopped: status 4, activation time now, bin entry cleared, store saved.
    void deregisterTag2(quint64 uid);
    bool doWeOwnThisTag2(quint64 uid) const { return m_registry.contains(uid); }
    NfcTagItem2 *viewTagInfo2(quint64 uid) const { return m_registry.value(uid, nullptr); }
    quint64 getBinTagUid(int bin) const;
    quint64 getUidInBin(unsigned char bin) const { return getBinTagUid(bin); }
    // The pan now sits in newBin: position and bin entries follow. False for an unknown
    // uid or a bin outside 0..19.
    bool moveTag(quint64 uid, int newBin);
    // Drops the record, clears its bin entry, saves the store and stops the bin's timer
    // (only while the bin is still registered to this pan, so a later pan keeps its hold).
    void removeTagAndStopTimer(quint64 uid);

    // "SavedHash2.dat" in the data root. Save: false when it could not be written; past
    // MaxStoredTags pans, pans in no bin are dropped, the longest stopped first.
    // Restore: true when the store was loaded or there is none yet; a damaged store
    // loads nothing, stays on disk for inspection, and gives false.
    bool saveNFC2();
    bool restoreNFC2();

    quint64 getPreviousUid(int bin) const;
    void setPreviousUid(int bin, quint64 uid);
    // "previousUID.dat", with the same checks as the tag store.
    bool savePreviousUid();
    bool restorePreviousUid();

    static QString tagStorePath();
    static QString previousUidPath();
    // (expTime - now + 500) / 1000 in 64 bits, clamped into an int.
    static int secondsRemaining(qint64 expTime, qint64 now);

signals:
    void startBinTimer(quint8 bin, int seconds, quint64 uid);
    void stopBinTimer(quint8 bin);
    void panRemoved(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void panReturned(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void panTransfered(qint64 timeStamp, int whichBin, quint64 panID, int timeRemaining);
    void logErrorSignal(int, int, int, int);
    void registryChanged();

private:
    void clearRegistry();
    // Drops pans that are in no bin, down to MaxStoredTags: stopped ones before holding
    // ones, the longest unchanged first.
    void pruneStoppedPans();
    void clearOtherCabinetLists();
    void clearBinEntryOf(quint64 uid, int bin);

    QMap<quint64, NfcTagItem2 *> m_registry;
    QHash<QString, QList<NfcTagItem2 *> *> m_otherCabinets;
    std::array<quint64, MaxBins> m_binUid {};
    std::array<quint64, MaxBins> m_previousUid {};
};

#endif // NFCMANAGER_H
