// The readers of other programs' notes over files those programs wrote, and over the bad files
// a user's folder can hold: each bad file is named with why, and the good ones beside it are
// read all the same.
#include "import/PeerSources.h"
#include "import/PeerFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

const QString kData = QStringLiteral(QUIBBET_TEST_DATA "/peers");

void write(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Each note as "[category] text", with its creation time where the test pins it, sorted.
QStringList shown(const import::ReadResult& read, bool withTimes)
{
    QStringList notes;
    for (const import::PeerNote& note : read.notes)
        notes << (withTimes ? note.created.toUTC().toString(Qt::ISODateWithMs) + QLatin1Char(' ') : QString()) +
                     QStringLiteral("[%1] %2").arg(note.category, note.text);
    notes.sort();
    return notes;
}

QStringList problemFiles(const import::ReadResult& read)
{
    QStringList files;
    for (const import::ReadProblem& problem : read.problems)
        files << QFileInfo(problem.file).fileName() + QStringLiteral(": ") + problem.why;
    return files;
}

const QByteArray kNoteHead = "<?xml version=\"1.0\"?><note version=\"0.3\" xmlns=\"http://beatniksoftware.com/tomboy\">"
                             "<title>T</title><text xml:space=\"preserve\"><note-content version=\"0.1\">";
const QByteArray kNoteTail = "</note-content></text><create-date>2026-12-07T09:00:00.1234567+01:00</create-date>"
                             "</note>";

} // namespace

class TestPeerReaders : public QObject {
    Q_OBJECT

private slots:
    void readsWhatThePeersWrote_data();
    void readsWhatThePeersWrote();
    void badFilesAreNamedAndTheRestIsRead_data();
    void badFilesAreNamedAndTheRestIsRead();
    void findsEachProgramInItsPlaces();

private:
    QTemporaryDir m_dir;
};

void TestPeerReaders::readsWhatThePeersWrote_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("notes");

    // Titles as first lines, markup dropped (bullets for list items), entities decoded,
    // notebooks as categories, the template and the Backup folder left out.
    QTest::newRow("gnote") << kData + "/gnote"
                           << QStringList{
                                  "2026-12-08T13:16:16.662Z [Home] Shopping list\nmilk 2% \"fresh\"\nGrüße 日本語 שלום",
                                  "2026-12-08T13:16:16.695Z [Work] Meeting\nagenda and minutes\n\u2022 first point\n"
                                  "\u2022 second point\ndone",
                                  "2026-12-08T13:16:16.733Z [] No notebook\nplain & <b>not markup</b>",
                                  "2026-12-08T13:17:32.287Z [] Zoned\nIndia time"};
    QTest::newRow("tomboy-ng") << kData + "/tomboy-ng"
                               << QStringList{"2026-12-08T13:18:12.819Z [Home] Shopping list\nmilk 2% \"fresh\"\n"
                                              "Grüße 日本語 שלום\n    typed: bold end",
                                              "2026-12-08T13:18:19.549Z [Work] Meeting\nagenda and minutes\n"
                                              "- first point\n- second point\ndone"};
    // An empty pad holds nothing; tabs and a last line without a line end are kept.
    QTest::newRow("xpad") << kData + "/xpad"
                          << QStringList{"[] Second pad\n\tindented line\nlast line without newline",
                                         "[] Shopping list\nmilk 2% \"fresh\"\nGrüße 日本語 שלום"};
}

void TestPeerReaders::readsWhatThePeersWrote()
{
    QFETCH(QString, source);
    QFETCH(QStringList, notes);
    const std::optional<import::PeerSource> found = import::sourceNamed(source, m_dir.path());
    QVERIFY(found);
    const import::ReadResult read = import::readSource(*found);
    QCOMPARE(problemFiles(read), QStringList());
    const bool timed = found->format != import::Format::Xpad; // pads keep no time but the file's
    QCOMPARE(shown(read, timed), notes);
}

void TestPeerReaders::badFilesAreNamedAndTheRestIsRead_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QStringList>("notes");
    QTest::addColumn<QStringList>("problems");

    const QString root = m_dir.path();
    const QByteArray whole = readAll(kData + "/gnote/c96c08b5-650d-4dda-830a-1092d7c9dfab.note");
    const QString good = "[Home] Shopping list\nmilk 2% \"fresh\"\nGrüße 日本語 שלום";

    write(root + "/damaged/good.note", whole);
    write(root + "/damaged/bad.note", kNoteHead + "a <bold>b</italic>" + kNoteTail);
    // Caught while its program was writing it.
    write(root + "/half/good.note", whole);
    write(root + "/half/half.note", whole.left(whole.size() / 2));
    QTest::newRow("damaged XML") << root + "/damaged" << QStringList{good}
                                 << QStringList{"bad.note: line 1: Opening and ending tag mismatch."};
    QTest::newRow("half-written") << root + "/half" << QStringList{good}
                                  << QStringList{"half.note: line 4: Premature end of document."};

    // Markup a later version of the format may bring: its text is kept.
    write(root + "/unknown/new.note", kNoteHead + "T\n<sparkle level=\"3\">shiny</sparkle> &amp; <x:y xmlns:x=\"u\">z</x:y>" +
                                          kNoteTail);
    QTest::newRow("unknown markup") << root + "/unknown" << QStringList{"[] T\nshiny & z"} << QStringList{};

    // 10 MB in one note, and Latin-1 beside UTF-8 with CR LF line ends.
    write(root + "/text/big.txt", QByteArray(10 * 1024 * 1024, 'x'));
    write(root + "/text/Home/latin1.txt", "Gr\xfc\xdf" "e\r\ncaf\xe9");
    write(root + "/text/Home/deeper/utf8.md", "# Caf\xc3\xa9\n\n- item");
    write(root + "/text/.hidden/secret.txt", "not a note");
    write(root + "/text/picture.png", "\x89PNG");
    QTest::newRow("text folder") << root + "/text"
                                 << QStringList{"[Home] # Café\n\n- item", "[Home] Grüße\ncafé",
                                                "[] " + QString(10 * 1024 * 1024, 'x')}
                                 << QStringList{};

    // Cut inside its last character while being written: left out until it is whole, not
    // taken in as Latin-1.
    write(root + "/cut/cut.txt", "Gr\xc3\xbc\xc3\x9f" "e \xe6\x97");
    write(root + "/cut/whole.txt", "Gr\xc3\xbc\xc3\x9f" "e");
    QTest::newRow("cut inside a character") << root + "/cut" << QStringList{"[] Grüße"}
                                            << QStringList{"cut.txt: ends inside a note: the file is incomplete"};

    write(root + "/huge/huge.txt", QByteArray(import::kLargestPeerFile + 1, 'y'));
    write(root + "/huge/small.txt", "small");
    QTest::newRow("too large") << root + "/huge" << QStringList{"[] small"}
                               << QStringList{"huge.txt: too large (64 MB) to be a note"};

    write(root + "/closed/Work/note.txt", "kept out");
    write(root + "/closed/open.txt", "open");
    QFile::setPermissions(root + "/closed/Work", QFileDevice::Permissions());
    if (geteuid() != 0) // the superuser reads any folder
        QTest::newRow("unreadable folder")
            << root + "/closed" << QStringList{"[] open"} << QStringList{"Work: may not be read"};

    write(root + "/notes/cur/1", "Subject: =?UTF-8?B?R3LDvMOfZQ==?=\r\nDate: Mon, 07 Dec 2026 09:00:00 +0000\r\n"
                                 "Content-Type: text/plain; charset=\"utf-8\"\r\n"
                                 "Content-Transfer-Encoding: quoted-printable\r\n\r\nline one=\r\n continued\r\ncaf=C3=A9");
    write(root + "/notes/new/2", "Subject: Rich\nContent-Type: text/html\n\n<html><head><style>p{}</style></head>"
                                 "<body><p>a &amp; b</p><p>c<br>d</p></body></html>");
    write(root + "/notes/.Work.directory/Work/cur/3", "Subject: Filed\n\nin work");
    write(root + "/notes/cur/4", "no header line at all");
    write(root + "/resource/a1b2/cur/1", "Subject: Inside\n\nthe resource's folder");
    write(root + "/resource/a1b2/new/.keep", "");
    QTest::newRow("maildir in the resource's folder")
        << root + "/resource" << QStringList{"[] Inside\nthe resource's folder"} << QStringList{".keep: is not a note message"};
    QTest::newRow("maildir") << root + "/notes"
                             << QStringList{"[Work] Filed\nin work", "[] Grüße\nline one continued\ncafé",
                                            "[] Rich\na & b\nc\nd"}
                             << QStringList{"4: is not a note message"};

    write(root + "/notes.ics", "BEGIN:VCALENDAR\r\nBEGIN:VJOURNAL\r\nSUMMARY:Title\r\nDESCRIPTION:one\\ntwo\\, th\r\n ree\r\n"
                               "CATEGORIES:Home\r\nCREATED:20261207T090000Z\r\nEND:VJOURNAL\r\n"
                               "BEGIN:VJOURNAL\r\nSUMMARY:Cut\r\nDESCRIPTION:half");
    QTest::newRow("calendar, half-written")
        << root + "/notes.ics" << QStringList{"[Home] Title\none\ntwo, three"}
        << QStringList{"notes.ics: ends inside a note: the file is incomplete"};
}

void TestPeerReaders::badFilesAreNamedAndTheRestIsRead()
{
    QFETCH(QString, source);
    QFETCH(QStringList, notes);
    QFETCH(QStringList, problems);
    const std::optional<import::PeerSource> found = import::sourceNamed(source, m_dir.path());
    QVERIFY(found);
    const import::ReadResult read = import::readSource(*found);
    QCOMPARE(problemFiles(read), problems);
    QCOMPARE(shown(read, false), notes);
}

void TestPeerReaders::findsEachProgramInItsPlaces()
{
    const QString home = m_dir.path() + "/home";
    const auto copyFolder = [](const QString& from, const QString& to) {
        for (const QString& name : QDir(from).entryList(QDir::Files))
            write(to + "/" + name, readAll(from + "/" + name));
    };
    copyFolder(kData + "/xpad", home + "/.config/xpad");
    copyFolder(kData + "/gnote", home + "/.gnote"); // the older place
    // tomboy-ng told to keep its notes elsewhere.
    copyFolder(kData + "/tomboy-ng", m_dir.path() + "/moved");
    write(home + "/.config/tomboy-ng/tomboy-ng.cfg",
          "[BasicSettings]\nNotesPath=" + (m_dir.path() + "/moved/").toUtf8() + "\n");
    qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toUtf8());
    qunsetenv("XDG_CONFIG_HOME");
    const QList<import::FoundSource> found = import::findSources(home);
    QStringList listed;
    for (const import::FoundSource& source : found)
        listed << QStringLiteral("%1 %2 %3 %4")
                      .arg(source.source.program, QDir(m_dir.path()).relativeFilePath(source.source.path))
                      .arg(source.read.notes.size())
                      .arg(source.categories().join(','));
    QCOMPARE(listed, (QStringList{"Xpad home/.config/xpad 2 Default", "Gnote home/.gnote 4 Default,Home,Work",
                                  "Tomboy-ng moved 2 Home,Work"}));
    QCOMPARE(import::sourceNamed("tomboy", home), std::nullopt); // none here: nothing to name
    QVERIFY(import::sourceNamed("gnote", home));
}

QTEST_GUILESS_MAIN(TestPeerReaders)
#include "tst_peer_readers.moc"
