#pragma once

#include "ConnectionString.h"
#include "Database.h"

#include <memory>

namespace vantorel {

struct ProgramState;

// A screen's connection: opened when first needed, for whatever BuildConnectionString names at that moment
// (an archive while one is being read), and closed while another screen that may compact or replace the
// database file runs.
class ConnectionHolder {
public:
    explicit ConnectionHolder(const ProgramState& state) : m_state(state) {}

    // The open connection; reopens when closed or when the connection string changed since it was opened.
    Database& db();
    void close() { m_db.reset(); }
    bool isOpen() const { return m_db != nullptr; }

private:
    const ProgramState& m_state;
    std::unique_ptr<Database> m_db;
    ConnectionString m_openedFor;
};

} // namespace vantorel
