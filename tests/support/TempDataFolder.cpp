#include "TempDataFolder.h"

#include "PostgresDriver.h"
#include "ProgramState.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <stdexcept>

namespace vantorel::test {

QString TempDataFolder::testServer() { return qEnvironmentVariable("VANTOREL_TEST_PG"); }

TempDataFolder::TempDataFolder(bool demo, Engine engine) {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    NewDataFolderOptions options;
    options.demo = demo;
    options.now = QDateTime(QDate(2026, 3, 14), QTime(12, 0));
    if (engine == Engine::AsConfigured && !testServer().isEmpty()) {
        const ServerSettings admin = ServerSettings::fromConninfo(testServer());
        m_server = admin;
        m_server.database = QStringLiteral("vt_%1_%2")
                                .arg(QCoreApplication::applicationPid())
                                .arg(QRandomGenerator::global()->generate64() % 1000000000000ULL);
        auto maintenance = PostgresDriver::open(admin.conninfo());
        maintenance->execute(QStringLiteral("CREATE DATABASE %1").arg(m_server.database), {});
        options.server = m_server;
    }
    CreateDataFolder(m_dir.path(), options);
}

TempDataFolder::~TempDataFolder() {
    if (m_server.isEmpty())
        return;
    try {
        auto maintenance = PostgresDriver::open(ServerSettings::fromConninfo(testServer()).conninfo());
        maintenance->execute(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(m_server.database), {});
    } catch (...) {
    }
}

ConnectionString TempDataFolder::connectionString() const {
    ProgramState state;
    state.dataFolder = path();
    return BuildConnectionString(state);
}

} // namespace vantorel::test
