// Merges a conflict copy into a notes file through the store's own code, for the test that
// kills a merge: copy_merger NOTES COPY BACKUPS [stop]
// With "stop" it prints "writing" once everything is written and before the commit, then waits
// to be killed. Otherwise it prints the notes that came in.
#include "store/ConflictMerge.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: copy_merger NOTES COPY BACKUPS [stop]\n");
        return 2;
    }
    store::Database database(QString::fromLocal8Bit(argv[1]));
    store::MergeOptions options;
    options.backupFolder = QString::fromLocal8Bit(argv[3]);
    if (argc == 5)
        options.beforeCommit = [] {
            std::printf("writing\n");
            std::fflush(stdout);
            QThread::sleep(60);
        };
    const store::MergedCopy merged = store::mergeConflictCopy(database, QString::fromLocal8Bit(argv[2]), options);
    std::printf("%d\n", merged.notesAdded);
    return merged.merged() ? 0 : 1;
}
