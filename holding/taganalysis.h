#ifndef TAGANALYSIS_H
#define TAGANALYSIS_H

#include <QHash>
#include <QObject>

class BinProductSource;
class NFCmanager;

// Turns the readers' "bin b now sees uid u" into pan events: a new pan of the bin's
// product starts a hold, a registered pan is returned or transferred, a pan of another
// product raises a mismatch until it leaves. Events of the registry go out as the NFC
// manager's signals (startBinTimer, stopBinTimer, panRemoved/Returned/Transfered).
class TagAnalysis : public QObject
{
    Q_OBJECT

public:
    TagAnalysis(NFCmanager *nfc, BinProductSource *bins, QObject *parent = nullptr);

public slots:
    void binTagRead(int bin, quint64 uid);

signals:
    void holdStartedByTag(int bin, quint64 uid);
    void chime(bool universal);
    void holdingListChanged();
    void mismatchRaised(int bin, quint64 uid, bool universal);
    void mismatchCleared(int bin, quint64 uid, bool universal);

private:
    struct Mismatch {
        quint64 uid = 0;
        bool universal = false;
    };

    int countingBin(int bin, quint64 uid) const;
    void panLeft(int bin, quint64 uid);
    void panArrived(int bin, quint64 uid);
    void startNewHold(int bin, quint64 uid, int binProduct);
    void raiseMismatch(int bin, quint64 uid, bool universal);
    void clearMismatch(int bin);

    NFCmanager *m_nfc;
    BinProductSource *m_bins;
    QHash<int, Mismatch> m_mismatch;
};

#endif // TAGANALYSIS_H
