// Fuzz entry point of the binary menu file: the reader, and the legacy products list
// that an import writes from its records, read back by the legacy reader.
#include "binarymenufile.h"
#include "menufuzz.h"

using namespace MenuFuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    tulFuzzEnsureApplication();
    static Readers reader;
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const BinaryMenuFile file = BinaryMenuFile::read(bytes);
    check(file.products.size() <= 256);
    check(file.dayParts.size() <= BinaryMenuFile::dayPartRecords);
    if (file.outcome != BinaryMenuFile::Outcome::Good)
        return 0;
    check(file.problems.isEmpty() && file.dayParts.size() == BinaryMenuFile::dayPartRecords);

    // Every record makes exactly one line, whatever its name holds.
    const QString text = MenuManager::legacyListText(file.products);
    int records = 0;
    for (const Product_t &p : file.products) {
        check(p.name.size() <= ProductTag::nameSize && p.memberIds().size() <= ProductTag::maxMembers);
        records += p.kind == 'p' || p.kind == 'g';
    }
    check(text.count(QLatin1Char('\n')) == records);
    if (records > MenuManager::maxLegacyRows)
        return 0;
    QFile list(reader.root.path() + QStringLiteral("/productsList.txt"));
    if (!list.open(QIODevice::WriteOnly | QIODevice::Truncate) || list.write(text.toUtf8()) < 0)
        std::abort();
    list.close();
    reader.menu.loadProductsMenu();
    check(reader.menu.getRowCount() == records);
    return 0;
}
