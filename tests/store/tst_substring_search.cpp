// The shortcut like() takes for %text% patterns must decide every text exactly as the
// general matcher does: random texts and needles in several scripts, with the forms that
// fold into ASCII, malformed UTF-8 and wildcards, compared one by one and through SQL.
// QUIBBET_SEED repeats a run that failed; QUIBBET_ROUNDS makes a run longer.
#include "store/CaseFold.h"
#include "store/LikePattern.h"
#include "store/SqlFunctions.h"
#include "store/SubstringSearch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <random>
#include <sqlite3.h>

using namespace store;

namespace {

QByteArray bytes(const char* data, int size)
{
    return QByteArray(data, size);
}

// Each group holds byte forms that like() takes as the same letter, so that a needle can be
// planted in a text in a different case or form than it was typed in.
const std::vector<std::vector<QByteArray>> kGroups = {
    {"a", "A", "\xC1\x81", "\xE0\x81\xA1", "\xF0\x80\x81\xA1"}, // overlong A and a
    {"k", "K", "\xE2\x84\xAA", "\xF0\x82\x84\xAA", "\xC1\xAB"}, // KELVIN SIGN, overlong
    {"s", "S", "\xC5\xBF", "\xE0\x85\xBF", "\xF0\x80\x85\xBF"}, // LONG S, overlong
    {"b", "B"},
    {" "},
    {"'"},
    {"\xD0\xB6", "\xD0\x96"},             // zhe
    {"\xCF\x83", "\xCE\xA3", "\xCF\x82"}, // sigma, final sigma
    {"\xC3\xA4", "\xC3\x84"},             // a umlaut
    {"\xC3\x9F", "\xE1\xBA\x9E"},         // sharp s, capital sharp s
    {"\xC4\xB0"},                         // capital I with dot, folds to itself
    {"\xE6\x97\xA5"},                     // CJK
    {"\xF0\x9F\x99\x82"},                 // emoji
    {"\x80", "\xED\xB2\x80"},             // a stray byte reads as the surrogate it is kept as
    {"\xFF"},
    {"\xC3"},             // a lead without its continuation, unless the next piece gives one
    {"\xE2\x84"},         // a cut three-byte form
    {"\xF4\x90\x80\x80"}, // beyond the last code point
    {bytes("\0", 1)},
};

const std::vector<QByteArray> kWildcards = {"%", "_", "\xC0\xA5", "\xC1\x9F"}; // and their overlong forms

struct Generator {
    std::mt19937 random;

    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    std::vector<int> groups(int maxCount)
    {
        std::vector<int> picked(std::size_t(below(maxCount + 1)));
        for (int& g : picked)
            g = below(int(kGroups.size()));
        return picked;
    }

    QByteArray spell(const std::vector<int>& groups)
    {
        QByteArray text;
        for (int g : groups) {
            const auto& forms = kGroups[std::size_t(g)];
            text += forms[std::size_t(below(int(forms.size())))];
        }
        return text;
    }

    // Long texts cross the sixteen-byte steps of the byte search; a third of them hold the
    // needle in some form, a third a near miss: the needle with one letter changed.
    QByteArray text(const std::vector<int>& needle)
    {
        QByteArray result = spell(groups(below(4) == 0 ? 60 : 12));
        const int roll = below(3);
        if (roll == 0) {
            result += spell(needle);
        } else if (roll == 1 && !needle.empty()) {
            std::vector<int> nearMiss = needle;
            nearMiss[std::size_t(below(int(needle.size())))] = below(int(kGroups.size()));
            result += spell(nearMiss);
        }
        result += spell(groups(below(4) == 0 ? 60 : 12));
        return result;
    }
};

bool fastMatches(const SubstringSearch& search, const QByteArray& text)
{
    return search.matches(reinterpret_cast<const unsigned char*>(text.constData()), std::size_t(text.size()));
}

sqlite3* openWithFunctions(const QString& path)
{
    sqlite3* handle = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &handle) != SQLITE_OK)
        return nullptr;
    registerSqlFunctions(handle);
    return handle;
}

} // namespace

class SubstringSearchTest : public QObject {
    Q_OBJECT
private slots:
    void agreesWithTheGeneralMatcherOnRandomTexts_data()
    {
        QTest::addColumn<int>("scanner");
        const auto scanners = runnableAsciiBlockScanners();
        const char* names[] = {"byte by byte", "16 bytes a step", "32 bytes a step"};
        for (int i = 0; i < int(scanners.size()); ++i)
            QTest::newRow(names[i]) << i;
    }

    void agreesWithTheGeneralMatcherOnRandomTexts()
    {
        QFETCH(int, scanner);
        const AsciiBlockScanner blocks = runnableAsciiBlockScanners()[std::size_t(scanner)];
        const std::uint32_t seed = qEnvironmentVariableIsSet("QUIBBET_SEED")
                                       ? std::uint32_t(qEnvironmentVariableIntValue("QUIBBET_SEED"))
                                       : std::random_device{}();
        const int rounds =
            qEnvironmentVariableIsSet("QUIBBET_ROUNDS") ? qEnvironmentVariableIntValue("QUIBBET_ROUNDS") : 3000;
        Generator generator{std::mt19937(seed)};
        int matched = 0;
        for (int round = 0; round < rounds; ++round) {
            const std::vector<int> needleGroups = generator.groups(4);
            const QByteArray needle = generator.spell(needleGroups);
            const QByteArray pattern = QByteArray("%") + needle + "%";
            const auto search = SubstringSearch::forPattern(pattern, blocks);
            QVERIFY2(search, pattern.toHex().constData());
            for (int t = 0; t < 10; ++t) {
                const QByteArray text = generator.text(needleGroups);
                const bool expected = likeMatches(pattern, text);
                matched += expected ? 1 : 0;
                if (fastMatches(*search, text) != expected)
                    QFAIL(qPrintable(QStringLiteral("seed %1: pattern %2 text %3 should give %4")
                                         .arg(seed)
                                         .arg(QString::fromLatin1(pattern.toHex()), QString::fromLatin1(text.toHex()))
                                         .arg(expected)));
            }
        }
        QVERIFY(matched > rounds); // the cases exercise matches, not only misses
    }

    void everyFormThatFoldsIntoAsciiIsFound()
    {
        // Enumerates the whole decodable range, so a change in the folding tables cannot slip
        // a new letter past the byte search unnoticed.
        int forms = 0;
        for (char32_t c = 0; c < 0x200000; ++c) {
            const char32_t f = folded(c);
            if (f >= 0x80 || f == '%' || f == '_')
                continue;
            for (int length = 2; length <= 4; ++length) {
                if (c >= (length == 2 ? 0x800u : length == 3 ? 0x10000u : 0x200000u))
                    continue;
                QByteArray form(length, 0);
                const unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
                for (int i = length - 1, shift = 0; i > 0; --i, shift += 6)
                    form[i] = char(0x80 | ((c >> shift) & 0x3F));
                form[0] = char(leads[length] | (c >> (6 * (length - 1))));
                const QByteArray needle = QByteArray("x") + char(f) + "y";
                const QByteArray text = QByteArray(20, '.') + "X" + form + "Y";
                const auto search = SubstringSearch::forPattern("%" + needle + "%");
                QVERIFY(likeMatches("%" + needle + "%", text));
                QVERIFY2(fastMatches(*search, text), text.toHex().constData());
                ++forms;
            }
        }
        QVERIFY(forms >= 126 * 3 + 3 + 2); // ASCII but % and _ in three longer forms, LONG S, KELVIN SIGN
    }

    void onlyPlainContainsPatternsTakeTheShortcut_data()
    {
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<bool>("shortcut");
        QTest::newRow("word") << QByteArray("%word%") << true;
        QTest::newRow("empty needle") << QByteArray("%%") << true;
        QTest::newRow("one percent") << QByteArray("%") << true;
        QTest::newRow("runs of percent") << QByteArray("%%it's%%%") << true;
        QTest::newRow("underscore") << QByteArray("%a_c%") << false;
        QTest::newRow("percent inside") << QByteArray("%a%c%") << false;
        QTest::newRow("overlong percent inside") << QByteArray("%a\xC0\xA5"
                                                               "c%")
                                                 << false;
        QTest::newRow("overlong underscore inside") << QByteArray("%a\xC1\x9F"
                                                                  "c%")
                                                    << false;
        QTest::newRow("overlong percent around") << QByteArray("\xC0\xA5word\xC0\xA5") << true;
        QTest::newRow("anchored start") << QByteArray("word%") << false;
        QTest::newRow("anchored end") << QByteArray("%word") << false;
        QTest::newRow("no wildcard") << QByteArray("word") << false;
        QTest::newRow("empty") << QByteArray() << false;
    }

    void onlyPlainContainsPatternsTakeTheShortcut()
    {
        QFETCH(QByteArray, pattern);
        QFETCH(bool, shortcut);
        QCOMPARE(SubstringSearch::forPattern(pattern).has_value(), shortcut);
    }

    void sqlLikeGivesTheGeneralMatchersRows()
    {
        // Through the engine: the pattern kept with the statement must not leak into the
        // next statement, a pattern that changes from row to row is read afresh, NULL
        // content matches nothing, and wildcards typed in a search still act as wildcards.
        QTemporaryDir dir;
        sqlite3* handle = openWithFunctions(dir.filePath(QStringLiteral("clipdata.dat")));
        QVERIFY(handle);
        QCOMPARE(
            sqlite3_exec(handle, "create table t (id integer, pattern text, content text)", nullptr, nullptr, nullptr),
            SQLITE_OK);
        Generator generator{std::mt19937(7)};
        std::vector<QByteArray> texts;
        std::vector<QByteArray> patterns;
        sqlite3_exec(handle, "begin", nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(handle, "insert into t values (?,?,?)", -1, &insert, nullptr);
        for (int id = 0; id < 400; ++id) {
            const std::vector<int> needle = generator.groups(3);
            QByteArray pattern = "%" + generator.spell(needle) + "%";
            if (id % 5 == 0)
                pattern.insert(1, kWildcards[std::size_t(generator.below(int(kWildcards.size())))]);
            patterns.push_back(pattern);
            texts.push_back(generator.text(needle));
            sqlite3_bind_int(insert, 1, id);
            sqlite3_bind_text(insert, 2, pattern.constData(), int(pattern.size()), SQLITE_TRANSIENT);
            if (id % 7 == 3)
                sqlite3_bind_null(insert, 3);
            else
                sqlite3_bind_text(insert, 3, texts.back().constData(), int(texts.back().size()), SQLITE_TRANSIENT);
            QCOMPARE(sqlite3_step(insert), SQLITE_DONE);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(handle, "commit", nullptr, nullptr, nullptr);

        // Each row against its own pattern.
        sqlite3_stmt* own = nullptr;
        sqlite3_prepare_v2(handle, "select id, content like pattern from t order by id", -1, &own, nullptr);
        while (sqlite3_step(own) == SQLITE_ROW) {
            const int id = sqlite3_column_int(own, 0);
            if (id % 7 == 3) {
                QCOMPARE(sqlite3_column_type(own, 1), SQLITE_NULL);
                continue;
            }
            QCOMPARE(sqlite3_column_int(own, 1) == 1, likeMatches(patterns[std::size_t(id)], texts[std::size_t(id)]));
        }
        sqlite3_finalize(own);

        // Every row against one fixed pattern, for several patterns on one prepared statement.
        sqlite3_stmt* fixed = nullptr;
        sqlite3_prepare_v2(handle, "select id from t where content like ? order by id", -1, &fixed, nullptr);
        for (int p = 0; p < 40; ++p) {
            const QByteArray& pattern = patterns[std::size_t(p)];
            sqlite3_bind_text(fixed, 1, pattern.constData(), int(pattern.size()), SQLITE_TRANSIENT);
            QList<int> found;
            while (sqlite3_step(fixed) == SQLITE_ROW)
                found << sqlite3_column_int(fixed, 0);
            sqlite3_reset(fixed);
            QList<int> expected;
            for (int id = 0; id < int(texts.size()); ++id) {
                if (id % 7 != 3 && likeMatches(pattern, texts[std::size_t(id)]))
                    expected << id;
            }
            QCOMPARE(found, expected);
        }
        sqlite3_finalize(fixed);
        sqlite3_close(handle);
    }
};

QTEST_GUILESS_MAIN(SubstringSearchTest)
#include "tst_substring_search.moc"
