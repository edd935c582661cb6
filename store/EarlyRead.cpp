#include "store/EarlyRead.h"

namespace store {

EarlyRead::EarlyRead(const QString& databasePath, const QString& sql)
    : m_database(std::make_unique<Database>(databasePath)), m_query(std::make_unique<Query>(*m_database))
{
    m_query->addLine(sql);
    // Another process holding the file is the main connection's to wait for and report;
    // waiting here as well would only double the wait.
    m_database->setBusyTimeout(0);
    m_thread = std::thread([this] {
        try {
            m_query->open();
            m_read = true;
        } catch (...) { // nothing may leave the thread; the main connection will meet it again
            m_read = false;
        }
    });
}

EarlyRead::~EarlyRead()
{
    finish();
}

void EarlyRead::finish()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool EarlyRead::handTo(Query& query)
{
    finish();
    const bool handed = m_read && m_query && query.takeResultOf(*m_query);
    discard();
    return handed;
}

void EarlyRead::discard()
{
    finish();
    m_read = false;
    m_query.reset();
    m_database.reset();
}

} // namespace store
