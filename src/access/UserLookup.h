#pragma once

#include <QString>
#include <optional>

namespace vantorel {

class Database;

// One Pswd row as the access checks need it.
struct UserRecord {
    qint64 number = 0; // Pswd.AutoNum, kept as decimal text in FunctionAccess.UserID
    QString name;      // as stored
    QString id;        // the four-digit user ID

    QString numberText() const { return QString::number(number); }
};

// The first user of that name (names are unique without regard to case).
std::optional<UserRecord> FindUserByName(Database& db, const QString& name);
// The first user with that ID (IDs are unique).
std::optional<UserRecord> FindUserById(Database& db, const QString& id);
int CountUsersWithId(Database& db, const QString& id);
int CountUsers(Database& db);

} // namespace vantorel
