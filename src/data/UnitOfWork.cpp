#include "UnitOfWork.h"

#include "Database.h"

namespace vantorel {

UnitOfWork::UnitOfWork(Database& db) : m_db(db) { m_db.beginWork(); }

UnitOfWork::~UnitOfWork() {
    if (!m_done) {
        try {
            m_db.endWork(false);
        } catch (...) {
            // A failed rollback leaves the engine to discard the transaction when the connection closes.
        }
    }
}

void UnitOfWork::commit() {
    m_done = true;
    m_db.endWork(true);
}

} // namespace vantorel
