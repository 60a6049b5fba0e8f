#pragma once

#include "OwnerCode.h"
#include "Prompter.h"

#include <QString>
#include <optional>
#include <vector>

namespace vantorel {

class Clock;
class Database;
struct ProgramState;

// One person who works with the program: a Pswd row.
struct UserEntry {
    qint64 autoNum = 0;
    QString name; // as stored (first letter upper case)
    QString id;
};

// Why a user's details were refused: the fixed message (empty for a silent refusal), and which field has to
// be typed again.
struct UserRefusal {
    enum class Field { Name, Id, None };
    QString text;
    QString caption;
    Prompter::Icon icon = Prompter::Icon::Exclamation;
    Field field = Field::None;
};

inline constexpr int UserNameMaxLength = 12;
inline constexpr int UserIdLength = 4;

// The refusal of "'" typed into a name or an ID.
UserRefusal QuoteNotAllowed();
// Four digits, the first not 0; nullopt when the ID is well formed.
std::optional<UserRefusal> CheckUserIdFormat(const QString& id);

// Users and their IDs. Names are unique without regard to case, IDs are unique, the owner (recorded in
// Utility.Code) cannot be deleted and his ID is shown only to him. Every change is one unit of work.
class UserStore {
public:
    UserStore(Database& db, const ProgramState& state, const Clock& clock);

    // All users in the order they were added.
    std::vector<UserEntry> users();
    std::optional<UserEntry> user(qint64 autoNum);

    OwnerCode owner();
    bool isOwner(const UserEntry& user);
    // Whether the checked-in user is the owner.
    bool ownerIsCheckedIn();
    // Whether the checked-in user may see and change this user's ID.
    bool mayRevealId(const UserEntry& user);

    // The refusal a new user with this name and ID would get, checked in the order the screen shows them:
    // name, the ID's form, a name already used (any case), an ID already used.
    std::optional<UserRefusal> checkNewUser(const QString& typedName, const QString& id);
    // Adds the user with the one right every new user starts with (billing) and records the event, all
    // together; checks again first, since another workstation may have added the same name or ID meanwhile.
    // Returns the new user, or the refusal.
    std::optional<UserRefusal> addUser(const QString& typedName, const QString& id,
                                       UserEntry* added = nullptr);

    // Gives the user a new ID (his own ID again is accepted). The owner's identification follows the change;
    // only the owner may change the owner's ID.
    std::optional<UserRefusal> changeId(const UserEntry& user, const QString& newId);

    // The refusal deleting this user would get (the owner is protected).
    std::optional<UserRefusal> checkDelete(const UserEntry& user);
    // Deletes the user with all his rights and records the event; the owner is refused.
    std::optional<UserRefusal> deleteUser(const UserEntry& user);

private:
    bool nameTaken(const QString& name, qint64 exceptAutoNum);
    bool idTaken(const QString& id, qint64 exceptAutoNum);

    Database& m_db;
    const ProgramState& m_state;
    const Clock& m_clock;
};

} // namespace vantorel
