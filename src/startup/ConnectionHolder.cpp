#include "ConnectionHolder.h"

namespace vantorel {

Database& ConnectionHolder::db() {
    const ConnectionString wanted = BuildConnectionString(m_state);
    if (m_db && wanted == m_openedFor)
        return *m_db;
    m_db.reset();
    m_db = Database::open(wanted);
    m_openedFor = wanted;
    return *m_db;
}

} // namespace vantorel
