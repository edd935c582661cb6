#pragma once

#include "app/MiniForm.h"
#include "store/Database.h"
#include "store/Query.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

// A main window on a notes file of its own, filled by the given statements before start-up.
struct ToolsTestWindow {
    QTemporaryDir dir;
    std::unique_ptr<app::TMiniForm> form;

    explicit ToolsTestWindow(const QStringList& seed = {})
    {
        const QString path = dir.filePath(QStringLiteral("clipdata.dat"));
        {
            store::Database database(path);
            for (const QString& statement : seed)
                database.execute(statement);
        }
        form = std::make_unique<app::TMiniForm>(path);
    }

    bool start() { return form->FormCreate(); }

    // Reads one column of every row with a statement of the test's own.
    QStringList column(const QString& sql)
    {
        store::Query query(form->notesFile().database());
        query.addLine(sql);
        query.open();
        QStringList values;
        for (int row = 0; row < query.recordCount(); ++row)
            values << query.value(row, 0).toString();
        return values;
    }
};
