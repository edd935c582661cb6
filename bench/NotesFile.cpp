#include "bench/NotesFile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>

namespace bench {

namespace {

void runMakeNotes(const QString& makeNotes, const QString& path, int n)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(makeNotes, {path, QString::number(n)});
    // A million notes take about a minute; a machine under load, longer.
    if (!process.waitForFinished(15 * 60 * 1000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s could not write %d notes to %s", qPrintable(makeNotes), n, qPrintable(path));
}

// The first twelve hex digits of the SHA-1 of make_notes itself, as sha1sum prints them:
// a generator rebuilt with other code makes other files, and so gets other names.
QString generatorKey(const QString& makeNotes)
{
    QFile binary(makeNotes);
    if (!binary.open(QIODevice::ReadOnly))
        qFatal("%s cannot be read", qPrintable(makeNotes));
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&binary);
    return QString::fromLatin1(hash.result().toHex().left(12));
}

} // namespace

void makeNotesFile(const QString& path, int n)
{
    const QString makeNotes = QCoreApplication::applicationDirPath() + QStringLiteral("/make_notes");
    const QString cache = qEnvironmentVariable("QUIBBET_BENCH_DATA");
    if (cache.isEmpty()) {
        runMakeNotes(makeNotes, path, n);
        return;
    }
    QDir().mkpath(cache);
    const QString cached = QDir(cache).filePath(QStringLiteral("notes-%1-%2.dat").arg(n).arg(generatorKey(makeNotes)));
    if (!QFile::exists(cached)) {
        // Made under another name first, so that an interrupted run leaves no partial file
        // that a later run would take for a whole one.
        const QString partial = cached + QStringLiteral(".partial");
        QFile::remove(partial);
        runMakeNotes(makeNotes, partial, n);
        if (!QFile::rename(partial, cached))
            qFatal("%s could not be renamed to %s", qPrintable(partial), qPrintable(cached));
    }
    QFile::remove(path);
    if (!QFile::copy(cached, path))
        qFatal("%s could not be copied to %s", qPrintable(cached), qPrintable(path));
}

} // namespace bench
