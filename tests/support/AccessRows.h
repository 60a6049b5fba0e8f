#pragma once

#include "Database.h"
#include "SqlNames.h"

#include <QStringList>

namespace vantorel::test {

// Rows of users and rights written straight into a test database.
inline qint64 AddUser(Database& db, const QString& name, const QString& id, const QStringList& codes = {}) {
    db.exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES (?, ?)")
                .arg(SqlName(QStringLiteral("Password"))),
            {name, id});
    const qint64 number = db.lastInsertId();
    for (const QString& code : codes) {
        db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                    .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                {QString::number(number), QStringLiteral("Right ") + code, code});
    }
    return number;
}

inline void AddRight(Database& db, qint64 user, const QString& code) {
    db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
            {QString::number(user), QStringLiteral("Right ") + code, code});
}

// Event texts in the order they were recorded.
inline QStringList EventTexts(Database& db) {
    QStringList texts;
    for (const Row& r :
         db.query(QStringLiteral("SELECT %1 FROM Events ORDER BY %2")
                      .arg(SqlName(QStringLiteral("Event")), SqlName(QStringLiteral("DateTime")))))
        texts << r.text(QStringLiteral("Event"));
    return texts;
}

inline int CountRows(Database& db, const QString& table) {
    return db.scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(SqlName(table))).toInt();
}

} // namespace vantorel::test
