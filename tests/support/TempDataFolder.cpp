#include "TempDataFolder.h"

#include <stdexcept>

namespace vantorel::test {

TempDataFolder::TempDataFolder(bool demo) {
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
    NewDataFolderOptions options;
    options.demo = demo;
    options.now = QDateTime(QDate(2026, 3, 14), QTime(12, 0));
    CreateDataFolder(m_dir.path(), options);
}

} // namespace vantorel::test
