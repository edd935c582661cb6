#pragma once

// Shared by the main-window tests: a real notes file in a temporary folder, seeded with
// plain SQL, and the window built on it exactly as the program builds it.

#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "store/Database.h"
#include "store/Query.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace fixture {

// A note row with an explicit record_time, so the list order is fixed by the test.
inline QString noteRow(int id, const QString& group, const QString& createTime, const QString& content,
                       const QString& recordTime)
{
    auto quote = [](QString text) {
        return QLatin1Char('\'') + text.replace(QLatin1Char('\''), QStringLiteral("''")) + QLatin1Char('\'');
    };
    return QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                          "values (%1,%2,'0',%3,%4,'',%5)")
        .arg(id)
        .arg(group, quote(createTime), quote(content), quote(recordTime));
}

class Form {
public:
    explicit Form(const QStringList& seed = {})
    {
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
        m_path = m_dir.filePath(QStringLiteral("clipdata.dat"));
        {
            store::Database database(m_path);
            database.handle(); // creates the file with its tables and required rows
            for (const QString& statement : seed)
                database.execute(statement);
        }
        // As the program does it: the creation sequence first, then the window is shown.
        m_form = std::make_unique<app::TMiniForm>(m_path);
        ok = m_form->FormCreate();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    }
    ~Form() { widgets::Modal::clearQueuedAnswers(); }

    app::TMiniForm* operator->() { return m_form.get(); }
    app::TMiniForm& operator*() { return *m_form; }
    app::SharedState& state() { return m_form->state(); }

    // Reads back through a query object of its own, on the window's connection: each row's
    // values joined with "|", NULL written as NULL.
    QStringList rows(const QString& sql, int columns)
    {
        store::Query query(m_form->database());
        query.addLine(sql);
        query.open();
        QStringList result;
        for (int row = 0; row < query.recordCount(); ++row) {
            QStringList values;
            for (int column = 0; column < columns; ++column) {
                const store::Value& value = query.value(row, column);
                values << (value.type == store::Value::Type::Null ? QStringLiteral("NULL") : value.toString());
            }
            result << values.join(QLatin1Char('|'));
        }
        return result;
    }
    void exec(const QString& sql) { m_form->database().execute(sql); }

    // Row tags of the list, top to bottom.
    QList<qint32> tags()
    {
        QList<qint32> result;
        for (int row = 0; row < m_form->sgContents->rowCount(); ++row)
            result << m_form->sgContents->rowTag(row);
        return result;
    }
    int rowOf(qint32 tag)
    {
        for (int row = 0; row < m_form->sgContents->rowCount(); ++row) {
            if (m_form->sgContents->rowTag(row) == tag)
                return row;
        }
        return -1;
    }
    QString memo() const { return m_form->memoContent->toPlainText(); }

    bool ok = false;

private:
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<app::TMiniForm> m_form;
};

} // namespace fixture
