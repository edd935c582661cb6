#include "dialogs/NoteExport.h"

#include "store/Query.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QStringConverter>

#include <cstring>

namespace dialogs {

namespace {

// The locale's encoding is UTF-8 where it writes these letters as UTF-8 does (always, on
// Linux): then the store's bytes go to the file as they are.
bool localeIsUtf8()
{
    QStringEncoder encoder(QStringConverter::System);
    const QByteArray sample = encoder.encode(QStringLiteral("\u00e9\u20ac"));
    return sample == QByteArrayLiteral("\xc3\xa9\xe2\x82\xac");
}

void appendWithCrLf(QByteArray& out, const QByteArray& text)
{
    // A note typed here holds LF, one pasted from elsewhere may hold CR LF or a lone CR:
    // the file ends every line the same way whatever the note holds. Runs without a line
    // break are copied whole, found with memchr (most notes have no break at all).
    const char* at = text.constData();
    const char* const end = at + text.size();
    while (at < end) {
        const auto* lf = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)));
        const char* const runEnd = lf ? lf : end;
        const auto* cr = static_cast<const char*>(std::memchr(at, '\r', size_t(runEnd - at)));
        const char* const br = cr ? cr : lf;
        if (!br) {
            out.append(at, end - at);
            return;
        }
        out.append(at, br - at).append("\r\n", 2);
        at = br + ((*br == '\r' && br + 1 < end && br[1] == '\n') ? 2 : 1);
    }
}

} // namespace

void appendExportBlock(QByteArray& out, const QByteArray& createTime, const QByteArray& content)
{
    appendWithCrLf(out, createTime);
    out.append("\r\n");
    appendWithCrLf(out, content);
    out.append("\r\n\r\n");
}

QByteArray exportText(const store::Query& notes)
{
    const int timeColumn = notes.columnIndex(QStringLiteral("create_time"));
    const int contentColumn = notes.columnIndex(QStringLiteral("content"));
    const QByteArray none;
    qsizetype size = 0;
    for (int row = 0; row < notes.recordCount(); ++row) {
        size += (timeColumn >= 0 ? notes.value(row, timeColumn).utf8().size() : 0) +
                (contentColumn >= 0 ? notes.value(row, contentColumn).utf8().size() : 0) + 6;
    }
    QByteArray utf8;
    utf8.reserve(size + size / 32); // room for the CR of notes typed with LF alone
    for (int row = 0; row < notes.recordCount(); ++row) {
        appendExportBlock(utf8, timeColumn >= 0 ? notes.value(row, timeColumn).utf8() : none,
                          contentColumn >= 0 ? notes.value(row, contentColumn).utf8() : none);
    }
    if (localeIsUtf8())
        return utf8; // the store's bytes, line ends aside, are the file's bytes
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(QString::fromUtf8(utf8));
}

bool writeExportFile(const QString& fileName, const QByteArray& bytes, QString& error)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    file.cancelWriting();
    error = QCoreApplication::translate("NoteExport", "Cannot create file %1").arg(QDir::toNativeSeparators(fileName));
    return false;
}

QString exportFileFilter()
{
    // The name shown is "*.txt  (Text files)"; the file dialog takes the pattern from the
    // last parenthesis and shows the name before it.
    return QCoreApplication::translate("NoteExport", "*.txt  (Text files) (*.txt)");
}

} // namespace dialogs
