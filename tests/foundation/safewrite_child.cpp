// Rewrites one file in an endless loop with two contents of different sizes, for the
// power-cut test of the safe writer, which kills this process at a random moment.
#include "safefilewriter.h"

#include <QByteArray>
#include <QString>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray first = QByteArray(200000, 'a') + "first-end";
    const QByteArray second = QByteArray(300000, 'b') + "second-end";
    for (unsigned long i = 0;; ++i) {
        if (!SafeFileWriter::writeFile(path, (i % 2) ? second : first))
            return 1;
        if (i == 0) {
            std::printf("ready\n");
            std::fflush(stdout);
        }
    }
}
