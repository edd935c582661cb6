#pragma once

#include "store/LargeAllocator.h"
#include "store/PackedIntegers.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <vector>

namespace store {

// One category's notes in list order, a few bytes each: the row id that reaches the stored
// row, the note id, and the day the note was written. Texts are not kept here; they are read
// by row id when a row is drawn. Notes of one day in a row form a run, which the list shows
// under one separator.
class NoteRows {
public:
    int size() const { return int(m_ids.size()); }
    bool empty() const { return m_ids.empty(); }
    qint64 rowId(int note) const { return m_rowIds[size_t(note)]; }
    qint32 id(int note) const { return m_ids[size_t(note)]; }
    QByteArray day(int note) const { return dayText(quint32(m_dayIds[size_t(note)])).toByteArray(); }

    void reserve(int count);
    // Adds a note at the end; the day is taken from the creation text as the list shows it.
    void append(qint64 rowId, qint32 id, QByteArrayView createTime, bool idIsNull = false);
    void insert(int note, qint64 rowId, qint32 id, QByteArrayView createTime, bool idIsNull = false);
    // A note without an id reads as id 0 but is found by no id.
    bool idIsNull(int note) const { return !m_nullIds.isEmpty() && m_nullIds.contains(rowId(note)); }
    // Drops every note whose row id is in the set; returns how many went.
    int removeRowIds(const QHash<qint64, bool>& rowIds);

    // Runs: computed by finishRuns() after the notes changed.
    void finishRuns();
    int runCount() const { return int(m_runStarts.size()); }
    // The first note of each run; a separator row stands before each.
    int runStart(int run) const { return m_runStarts[size_t(run)]; }
    int runOf(int note) const;
    int gridRowCount() const { return size() + runCount(); }
    int gridRowOfNote(int note) const { return note + runOf(note) + 1; }
    // The note a grid row shows, or -1 for a separator (whose run is then set).
    int noteAtGridRow(int row, int* run = nullptr) const;

private:
    QByteArrayView dayText(quint32 dayId) const;
    quint32 addDay(QByteArrayView day);

    PackedIntegers m_rowIds;
    std::vector<qint32, LargeAllocator<qint32>> m_ids;
    PackedIntegers m_dayIds;
    // The day texts one after another; a day's number is where its text starts. A day that
    // comes back later in the list may have a number of its own: runs compare the texts.
    QByteArray m_dayBytes;
    std::vector<quint32> m_dayEnds;
    std::vector<int> m_runStarts;
    QSet<qint64> m_nullIds; // row ids; rare
};

// The day a creation text shows under, its characters from the seventh on (the first six
// are the time of day), and the time column's text.
QByteArray dayOfCreateTime(QByteArrayView createTime);
QByteArray timeOfCreateTime(QByteArrayView createTime);

} // namespace store
