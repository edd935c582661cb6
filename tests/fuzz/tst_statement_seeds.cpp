// The statement fuzz checks over hand-picked inputs, on every build: quotes, wildcards,
// comment and statement breakers, NUL, invalid UTF-8, other scripts.
#include "tests/fuzz/StatementFuzz.h"

#include <QTest>

class StatementSeedsTest : public QObject {
    Q_OBJECT

private slots:
    void seeds_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("quote") << QByteArray("it's\x01\x64\x65sc'\x01it's");
        QTest::newRow("closing literal") << QByteArray("x'); drop table notes_main; --\x01'\x01' or 1=1 --");
        QTest::newRow("wildcards") << QByteArray("100%\x01_\x01%_%");
        QTest::newRow("backslash") << QByteArray("back\\\x01\\'\x01\\");
        QTest::newRow("nul") << QByteArray("a\0b", 3);
        QTest::newRow("invalid utf8") << QByteArray("\xff\xfe\xc3\x28\x01\x80\x01\xe2\x82");
        QTest::newRow("scripts") << QByteArray("ärger\x01ЖУК\x01жук");
        QTest::newRow("double quote") << QByteArray("\"\x01\"\"\x01\"");
        QTest::newRow("long") << QByteArray(5000, '\'');
    }

    void seeds()
    {
        QFETCH(QByteArray, input);
        fuzzStatementsOnce(reinterpret_cast<const std::uint8_t*>(input.constData()), size_t(input.size()));
    }
};

QTEST_GUILESS_MAIN(StatementSeedsTest)
#include "tst_statement_seeds.moc"
