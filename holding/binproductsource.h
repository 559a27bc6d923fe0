#ifndef BINPRODUCTSOURCE_H
#define BINPRODUCTSOURCE_H

// What the NFC tag analysis asks of the holding side about the bins of the cabinet.
// The holding coordination implements it; tests give the analysis a table instead.
class BinProductSource
{
public:
    virtual ~BinProductSource() = default;
    // Bins of the cabinet (zones x bins per zone), at most 20.
    virtual int binCount() const = 0;
    // The product a bin holds or is assigned by the day part (a group resolved to its
    // member); 0 for none.
    virtual int productIdOfBin(int bin) const = 0;
    // 2 for a full-size pan that covers an even bin and the odd one after it.
    virtual int panSizeOfProduct(int productId) const = 0;
    // Seconds a product holds for.
    virtual int holdTimeOfProduct(int productId) const = 0;
    // True while the bin counts down a hold.
    virtual bool binIsHolding(int bin) const = 0;
};

#endif // BINPRODUCTSOURCE_H
