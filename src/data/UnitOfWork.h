#pragma once

namespace vantorel {

class Database;

// One user action: everything written between construction and commit() lands together or not at all.
// Destroyed without commit() (an exception, an early return) it rolls back. A unit opened inside another
// joins the outer one; if the inner one is abandoned the whole action rolls back.
class UnitOfWork {
public:
    explicit UnitOfWork(Database& db);
    ~UnitOfWork();
    UnitOfWork(const UnitOfWork&) = delete;
    UnitOfWork& operator=(const UnitOfWork&) = delete;

    void commit();

private:
    Database& m_db;
    bool m_done = false;
};

} // namespace vantorel
