// Writes a notes file with N generated notes: make_notes PATH N
#include "bench/DataGenerator.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_notes PATH N\n");
        return 2;
    }
    const bench::GeneratedData data = bench::generateNotes(QString::fromLocal8Bit(argv[1]), std::atoi(argv[2]));
    std::printf("%lld notes, %lld bytes of text\n", static_cast<long long>(data.notes),
                static_cast<long long>(data.textBytes));
    return 0;
}
