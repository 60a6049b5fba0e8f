#include "UserLookup.h"

#include "Database.h"
#include "SqlNames.h"

namespace vantorel {

namespace {

std::optional<UserRecord> firstUser(Database& db, const QString& column, const QString& value) {
    const auto row =
        db.queryOne(QStringLiteral("SELECT AutoNum, UserName, %1 FROM Pswd WHERE %2 = ? ORDER BY AutoNum")
                        .arg(SqlName(QStringLiteral("Password")), SqlName(column)),
                    {value});
    if (!row)
        return std::nullopt;
    return UserRecord{row->integer(QStringLiteral("AutoNum")), row->text(QStringLiteral("UserName")),
                      row->text(QStringLiteral("Password"))};
}

} // namespace

std::optional<UserRecord> FindUserByName(Database& db, const QString& name) {
    return firstUser(db, QStringLiteral("UserName"), name);
}

std::optional<UserRecord> FindUserById(Database& db, const QString& id) {
    return firstUser(db, QStringLiteral("Password"), id);
}

int CountUsersWithId(Database& db, const QString& id) {
    return db
        .scalar(
            QStringLiteral("SELECT COUNT(*) FROM Pswd WHERE %1 = ?").arg(SqlName(QStringLiteral("Password"))),
            {id})
        .toInt();
}

int CountUsers(Database& db) {
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM Pswd")).toInt();
}

} // namespace vantorel
