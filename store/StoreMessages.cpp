#include "store/StoreMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

namespace store {

namespace {
QString shown(const QString& path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}
} // namespace

QString damagedFileMessage(const QString& path, const QString& details)
{
    return details + QStringLiteral("\n\n") +
           QCoreApplication::translate("StoreMessages",
                                       "The notes file %1 is damaged or is not a notes file. Quibbet has not "
                                       "changed it. Keep a copy of the file, then restore it from a backup or recover "
                                       "it with the sqlite3 tool (sqlite3 clipdata.dat .recover), or start Quibbet in "
                                       "another folder to begin a new one.")
               .arg(shown(path));
}

QString explainEngineError(const QString& path, int extendedCode, const QString& engineMessage)
{
    QString advice;
    // Not a read-only file: another program put a new file in its place during this write.
    if (extendedCode == SQLITE_READONLY_DBMOVED)
        return engineMessage + QStringLiteral("\n\n") +
               QCoreApplication::translate("StoreMessages",
                                           "Another program replaced the notes file %1 just as this was stored, "
                                           "so nothing was changed. Quibbet now uses the new file: try again.")
                   .arg(shown(path));
    switch (extendedCode & 0xFF) {
    case SQLITE_READONLY:
        advice = QCoreApplication::translate(
            "StoreMessages", "The notes file %1 or its folder is read-only, so nothing was changed. Make them "
                             "writable and try again.");
        break;
    case SQLITE_FULL:
        advice = QCoreApplication::translate(
            "StoreMessages", "The disk that holds %1 is full, so nothing was changed. Free some space and try "
                             "again.");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        advice = QCoreApplication::translate(
            "StoreMessages", "Another program has kept %1 locked for more than five seconds, so nothing was "
                             "changed. Try again when it has finished.");
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return damagedFileMessage(path, engineMessage);
    case SQLITE_CANTOPEN:
        advice = QCoreApplication::translate(
            "StoreMessages", "%1 cannot be opened: check that it is a file (not a folder or a broken link) and "
                             "that its folder can be written.");
        break;
    case SQLITE_IOERR:
        advice = QCoreApplication::translate(
            "StoreMessages", "The disk that holds %1 reported an error, so the change may not have been made. "
                             "Check the disk and try again.");
        break;
    default:
        return engineMessage;
    }
    return engineMessage + QStringLiteral("\n\n") + advice.arg(shown(path));
}

} // namespace store
