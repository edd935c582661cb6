#pragma once

#include "ListAsStored.h"
#include "app/MiniForm.h"
#include "store/Database.h"

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
    QStringList column(const QString& sql) { return testing::columnOf(form->notesFile().database(), sql); }
};
