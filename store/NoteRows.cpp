#include "store/NoteRows.h"

#include <QString>
#include <algorithm>

namespace store {

namespace {

bool isAscii(QByteArrayView bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// Bytes first..first+count-1, as far as there are any.
QByteArrayView bytes(QByteArrayView utf8, int first, int count)
{
    const qsizetype from = std::min<qsizetype>(first, utf8.size());
    return utf8.sliced(from, std::min<qsizetype>(count, utf8.size() - from));
}

// Characters (not bytes) first..first+count-1 of a UTF-8 text.
QByteArray characters(QByteArrayView utf8, int first, int count)
{
    if (isAscii(utf8))
        return bytes(utf8, first, count).toByteArray();
    return QString::fromUtf8(utf8).mid(first, count).toUtf8();
}

} // namespace

QByteArray dayOfCreateTime(QByteArrayView createTime) { return characters(createTime, 6, 249); }

QByteArray timeOfCreateTime(QByteArrayView createTime) { return characters(createTime, 0, 6); }

void NoteRows::reserve(int count)
{
    m_rowIds.reserve(size_t(count));
    m_ids.reserve(size_t(count));
    m_dayIds.reserve(size_t(count));
}

QByteArrayView NoteRows::dayText(quint32 dayId) const
{
    const quint32 start = dayId == 0 ? 0 : m_dayEnds[dayId - 1];
    return QByteArrayView(m_dayBytes).sliced(start, m_dayEnds[dayId] - start);
}

quint32 NoteRows::addDay(QByteArrayView day)
{
    m_dayBytes.append(day);
    m_dayEnds.push_back(quint32(m_dayBytes.size()));
    return quint32(m_dayEnds.size() - 1);
}

void NoteRows::append(qint64 rowId, qint32 id, QByteArrayView createTime, bool idIsNull)
{
    if (idIsNull)
        m_nullIds.insert(rowId);
    // Most notes share the day of the note before them.
    quint32 day = 0;
    const bool ascii = isAscii(createTime);
    if (!m_ids.empty()) {
        day = quint32(m_dayIds[m_dayIds.size() - 1]);
        // The day is the text past the sixth character; for ASCII that is byte 6 on.
        if (!(ascii ? dayText(day) == bytes(createTime, 6, 249) : dayText(day) == dayOfCreateTime(createTime)))
            day = addDay(ascii ? bytes(createTime, 6, 249) : QByteArrayView(dayOfCreateTime(createTime)));
    } else {
        day = addDay(dayOfCreateTime(createTime));
    }
    m_rowIds.push_back(rowId);
    m_ids.push_back(id);
    m_dayIds.push_back(day);
}

void NoteRows::insert(int note, qint64 rowId, qint32 id, QByteArrayView createTime, bool idIsNull)
{
    if (idIsNull)
        m_nullIds.insert(rowId);
    const QByteArray day = dayOfCreateTime(createTime);
    quint32 dayId;
    if (note > 0 && dayText(quint32(m_dayIds[size_t(note - 1)])) == day)
        dayId = quint32(m_dayIds[size_t(note - 1)]);
    else if (note < size() && dayText(quint32(m_dayIds[size_t(note)])) == day)
        dayId = quint32(m_dayIds[size_t(note)]);
    else
        dayId = addDay(day);
    m_rowIds.insert(size_t(note), rowId);
    m_ids.insert(m_ids.begin() + note, id);
    m_dayIds.insert(size_t(note), dayId);
}

int NoteRows::removeRowIds(const QHash<qint64, bool>& rowIds)
{
    if (rowIds.isEmpty())
        return 0;
    // A new note has the highest row id: most rows are told apart by two comparisons.
    qint64 lowest = rowIds.constBegin().key();
    qint64 highest = lowest;
    for (auto it = rowIds.constBegin(); it != rowIds.constEnd(); ++it) {
        lowest = std::min(lowest, it.key());
        highest = std::max(highest, it.key());
    }
    const size_t count = m_ids.size();
    size_t kept = 0;
    for (size_t i = 0; i < count; ++i) {
        const qint64 rowId = m_rowIds[i];
        if (rowId >= lowest && rowId <= highest && rowIds.contains(rowId)) {
            m_nullIds.remove(rowId);
            continue;
        }
        if (kept != i) {
            m_rowIds.set(kept, rowId);
            m_ids[kept] = m_ids[i];
            m_dayIds.set(kept, m_dayIds[i]);
        }
        ++kept;
    }
    const int removed = int(count - kept);
    m_rowIds.resize(kept);
    m_ids.resize(kept);
    m_dayIds.resize(kept);
    return removed;
}

void NoteRows::finishRuns()
{
    m_runStarts.clear();
    for (size_t i = 0; i < m_dayIds.size(); ++i) {
        if (i == 0 || (m_dayIds[i] != m_dayIds[i - 1] &&
                       dayText(quint32(m_dayIds[i])) != dayText(quint32(m_dayIds[i - 1]))))
            m_runStarts.push_back(int(i));
    }
}

int NoteRows::runOf(int note) const
{
    const auto it = std::upper_bound(m_runStarts.begin(), m_runStarts.end(), note);
    return int(it - m_runStarts.begin()) - 1;
}

int NoteRows::noteAtGridRow(int row, int* run) const
{
    // Run r's separator is at grid row runStart(r) + r; its notes follow it.
    int low = 0;
    int high = runCount() - 1;
    int found = -1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        if (m_runStarts[size_t(middle)] + middle <= row) {
            found = middle;
            low = middle + 1;
        } else {
            high = middle - 1;
        }
    }
    if (found < 0)
        return -1;
    if (run)
        *run = found;
    const int separatorRow = m_runStarts[size_t(found)] + found;
    if (row == separatorRow)
        return -1;
    const int note = row - found - 1;
    return note < size() ? note : -1;
}

} // namespace store
