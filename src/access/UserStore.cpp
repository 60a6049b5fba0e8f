#include "UserStore.h"

#include "Database.h"
#include "DatabaseError.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "FunctionCodes.h"
#include "ProgramState.h"
#include "SqlNames.h"
#include "TextHelpers.h"
#include "UnitOfWork.h"

namespace vantorel {

namespace {

const QString BillingCode = QStringLiteral("TF02");

UserRefusal idRefusal(const QString& text) {
    return {text, QStringLiteral("  User ID"), Prompter::Icon::Error, UserRefusal::Field::Id};
}

UserRefusal duplicateName() {
    return {QStringLiteral("No duplicate names allowed!\nPlease choose a unique name.    "),
            QStringLiteral("  Duplicate Name"), Prompter::Icon::Exclamation, UserRefusal::Field::Name};
}

UserRefusal duplicateId() {
    return {QStringLiteral("Your input is not valid!\nPlease choose another User ID.    "),
            QStringLiteral("  Invalid User ID"), Prompter::Icon::Exclamation, UserRefusal::Field::Id};
}

UserRefusal ownerProtected() {
    return {QStringLiteral("The owner's name is protected! You cannot delete it.   "),
            QStringLiteral("  Delete User ID"), Prompter::Icon::Information, UserRefusal::Field::None};
}

// A name the screen would never let through: empty, too long, or holding "'".
std::optional<UserRefusal> checkName(const QString& name) {
    if (name.contains(QLatin1Char('\'')))
        return QuoteNotAllowed();
    if (name.trimmed().isEmpty() || name.size() > UserNameMaxLength)
        return UserRefusal{QStringLiteral("Please enter your Name and a FOUR number User ID."),
                           QStringLiteral("  User ID"), Prompter::Icon::Exclamation,
                           UserRefusal::Field::Name};
    return std::nullopt;
}

UserEntry entryOf(const Row& r) {
    return {r.integer(QStringLiteral("AutoNum")), r.text(QStringLiteral("UserName")),
            r.text(QStringLiteral("Password"))};
}

QString selectUsers() {
    return QStringLiteral("SELECT AutoNum, UserName, %1 FROM Pswd").arg(SqlName(QStringLiteral("Password")));
}

} // namespace

UserRefusal QuoteNotAllowed() {
    return {QStringLiteral("The character [ ' ] is not allowed!     "),
            QStringLiteral("Character not allowed"), Prompter::Icon::Exclamation, UserRefusal::Field::None};
}

std::optional<UserRefusal> CheckUserIdFormat(const QString& id) {
    if (id.startsWith(QLatin1Char('0')))
        return idRefusal(QStringLiteral("The User ID should not start with a Zero!     "));
    if (id.size() != UserIdLength)
        return idRefusal(QStringLiteral("The User ID should be 4 numbers long!     "));
    for (const QChar c : id)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return idRefusal(QStringLiteral("The User ID should consist of numbers only!     "));
    return std::nullopt;
}

UserStore::UserStore(Database& db, const ProgramState& state, const Clock& clock)
    : m_db(db), m_state(state), m_clock(clock) {}

std::vector<UserEntry> UserStore::users() {
    std::vector<UserEntry> result;
    for (const Row& r : m_db.query(selectUsers() + QStringLiteral(" ORDER BY AutoNum")))
        result.push_back(entryOf(r));
    return result;
}

std::optional<UserEntry> UserStore::user(qint64 autoNum) {
    const auto r = m_db.queryOne(selectUsers() + QStringLiteral(" WHERE AutoNum = ?"), {autoNum});
    if (!r)
        return std::nullopt;
    return entryOf(*r);
}

OwnerCode UserStore::owner() {
    return OwnerCode::decode(
        m_db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Code"))))
            .toString());
}

bool UserStore::isOwner(const UserEntry& user) {
    // Names are unique without regard to case, so the name alone finds the owner's row.
    const OwnerCode o = owner();
    return !o.name.isEmpty() && user.name.toUpper() == o.name;
}

bool UserStore::ownerIsCheckedIn() {
    const OwnerCode o = owner();
    return !o.id.isEmpty() && m_state.currentUserId == o.id;
}

bool UserStore::mayRevealId(const UserEntry& user) {
    return !isOwner(user) || ownerIsCheckedIn();
}

bool UserStore::nameTaken(const QString& name, qint64 exceptAutoNum) {
    for (const UserEntry& u : users())
        if (u.autoNum != exceptAutoNum && u.name.toUpper() == name.toUpper())
            return true;
    return false;
}

bool UserStore::idTaken(const QString& id, qint64 exceptAutoNum) {
    for (const UserEntry& u : users())
        if (u.autoNum != exceptAutoNum && u.id == id)
            return true;
    return false;
}

std::optional<UserRefusal> UserStore::checkNewUser(const QString& typedName, const QString& id) {
    if (auto r = checkName(typedName))
        return r;
    if (id.contains(QLatin1Char('\'')))
        return QuoteNotAllowed();
    if (auto r = CheckUserIdFormat(id))
        return r;
    if (nameTaken(typedName, -1))
        return duplicateName();
    if (idTaken(id, -1))
        return duplicateId();
    return std::nullopt;
}

std::optional<UserRefusal> UserStore::addUser(const QString& typedName, const QString& id, UserEntry* added) {
    UnitOfWork work(m_db);
    if (auto r = checkNewUser(typedName, id))
        return r;
    const QString name = CapitalizeName(typedName);
    m_db.exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES (?, ?)")
                  .arg(SqlName(QStringLiteral("Password"))),
              {name, id});
    const qint64 autoNum = m_db.lastInsertId();
    m_db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                  .arg(SqlName(QStringLiteral("Code")), SqlName(QStringLiteral("Function"))),
              {QString::number(autoNum), BillingCode, BillingFunctionDescription});
    RecordEvent(m_db, m_state, m_clock, EventText::UserSaved(typedName));
    work.commit();
    if (added)
        *added = {autoNum, name, id};
    return std::nullopt;
}

std::optional<UserRefusal> UserStore::changeId(const UserEntry& user, const QString& newId) {
    if (newId.contains(QLatin1Char('\'')))
        return QuoteNotAllowed();
    if (auto r = CheckUserIdFormat(newId))
        return r;
    UnitOfWork work(m_db);
    const auto stored = this->user(user.autoNum);
    if (!stored)
        throw DatabaseError(QStringLiteral("The user %1 no longer exists.").arg(user.name),
                            DatabaseError::Kind::NotFound);
    if (idTaken(newId, stored->autoNum))
        return duplicateId();
    const bool owner = isOwner(*stored);
    if (owner && !ownerIsCheckedIn())
        return UserRefusal{}; // only the owner changes the owner's ID; the screen does not offer it
    m_db.exec(QStringLiteral("UPDATE Pswd SET UserName = ?, %1 = ? WHERE AutoNum = ?")
                  .arg(SqlName(QStringLiteral("Password"))),
              {CapitalizeName(stored->name), newId, stored->autoNum});
    if (owner)
        m_db.exec(QStringLiteral("UPDATE Utility SET %1 = ?").arg(SqlName(QStringLiteral("Code"))),
                  {OwnerCode{stored->name.toUpper(), newId}.encode()});
    work.commit();
    return std::nullopt;
}

std::optional<UserRefusal> UserStore::checkDelete(const UserEntry& user) {
    if (isOwner(user))
        return ownerProtected();
    return std::nullopt;
}

std::optional<UserRefusal> UserStore::deleteUser(const UserEntry& user) {
    UnitOfWork work(m_db);
    const auto stored = this->user(user.autoNum);
    if (!stored)
        throw DatabaseError(QStringLiteral("The user %1 no longer exists.").arg(user.name),
                            DatabaseError::Kind::NotFound);
    if (auto r = checkDelete(*stored))
        return r;
    m_db.exec(QStringLiteral("DELETE FROM Pswd WHERE AutoNum = ?"), {stored->autoNum});
    m_db.exec(QStringLiteral("DELETE FROM FunctionAccess WHERE UserID = ?"),
              {QString::number(stored->autoNum)});
    RecordEvent(m_db, m_state, m_clock, EventText::UserDeleted(CapitalizeName(stored->name)));
    work.commit();
    return std::nullopt;
}

} // namespace vantorel
