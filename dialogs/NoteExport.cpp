#include "dialogs/NoteExport.h"

#include "store/Query.h"

#include <QDir>
#include <QSaveFile>
#include <QStringConverter>

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

} // namespace

void appendExportBlock(QByteArray& out, const QByteArray& createTime, const QByteArray& content)
{
    out.append(createTime).append("\r\n").append(content).append("\r\n\r\n");
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
    utf8.reserve(size);
    for (int row = 0; row < notes.recordCount(); ++row) {
        appendExportBlock(utf8, timeColumn >= 0 ? notes.value(row, timeColumn).utf8() : none,
                          contentColumn >= 0 ? notes.value(row, contentColumn).utf8() : none);
    }
    if (localeIsUtf8())
        return utf8; // the store's bytes are the file's bytes
    QStringEncoder encoder(QStringConverter::System);
    return encoder.encode(QString::fromUtf8(utf8));
}

bool writeExportFile(const QString& fileName, const QByteArray& bytes, QString& error)
{
    QSaveFile file(fileName);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    file.cancelWriting();
    error = QStringLiteral("Cannot create file %1").arg(QDir::toNativeSeparators(fileName));
    return false;
}

QString exportFileFilter()
{
    return QStringLiteral("*.txt  (Text files) (*.txt)");
}

} // namespace dialogs
