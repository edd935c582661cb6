#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store::schema {

// The statements that make a new, empty notes file with the rows the program expects.
QStringList creationStatements();

// The indexes the lists are read by, made where a file lacks them (one made by a script, or
// by hand). Each keeps the file usable by every program that reads or writes it.
QStringList listIndexStatements();

struct RequiredTable {
    QString name;
    QStringList columns;
};
// What an existing file must hold for the program to work with it.
const std::vector<RequiredTable>& requiredTables();

} // namespace store::schema
