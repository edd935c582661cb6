#pragma once

// The main window on a real notes file, seeded with plain SQL and built as the program
// builds it: creation sequence first, then shown and active.

#include "app/MiniForm.h"
#include "app/NoteGrid.h"
#include "tests/support/TestDatabase.h"
#include "widgets/Modal.h"
#include "widgets/TabSet.h"

#include <QPlainTextEdit>
#include <QTest>

namespace fixture {

// A note row with its record_time given, so that the test fixes the list order.
inline QString note(int id, const QString& group, const QString& createTime, const QString& content,
                    const QString& recordTime)
{
    return QStringLiteral("insert into notes_main (id,group_id,isdone,create_time,content,account_id,record_time) "
                          "values (%1,%2,'0','%3','%4','','%5')")
        .arg(QString::number(id), group, createTime, QString(content).replace(QLatin1Char('\''), QStringLiteral("''")),
             recordTime);
}

struct Form {
    testing::TestDatabase db;
    std::unique_ptr<app::TMiniForm> form;

    explicit Form(const QStringList& seed = {})
    {
        widgets::Modal::clearQueuedAnswers();
        widgets::Modal::clearShownMessages();
        for (const QString& statement : seed)
            db.exec(statement);
        form = std::make_unique<app::TMiniForm>(db.path());
        QVERIFY(form->FormCreate());
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        // Cases look at rows anywhere in the list; the rest of a long list coming in late
        // has cases of its own.
        form->noteListView().waitForNoteList();
    }

    app::TMiniForm* operator->() { return form.get(); }
    app::SharedState& state() { return form->state(); }
    QString memo() const { return form->memoContent->toPlainText(); }
    QString selectedTab() const { return form->tabGroups->caption(form->tabGroups->tabIndex()); }
    void chooseTab(const QString& caption)
    {
        form->tabGroups->setTabIndex(int(form->tabGroups->tabs().indexOf(caption)));
    }

    // Each row's values joined with "|".
    QStringList rows(const QString& sql, int columns)
    {
        store::Query query(db.database());
        query.addLine(sql);
        query.open();
        QStringList result;
        for (int row = 0; row < query.recordCount(); ++row) {
            QStringList values;
            for (int column = 0; column < columns; ++column)
                values << query.value(row, column).toString();
            result << values.join(QLatin1Char('|'));
        }
        return result;
    }

    QList<qint32> tags()
    {
        QList<qint32> result;
        for (int row = 0; row < form->sgContents->rowCount(); ++row)
            result << form->sgContents->rowTag(row);
        return result;
    }
    int rowOf(qint32 tag) { return int(tags().indexOf(tag)); }
};

} // namespace fixture
