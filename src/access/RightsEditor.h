#pragma once

#include <QString>
#include <QStringList>

namespace vantorel {

class Clock;
class Database;
class Prompter;
struct ProgramState;

namespace RightsEditorText {
inline const QString OwnerProtected =
    QStringLiteral("Access for this user has been protected!     \nYou can add functions but NOT delete.");
inline const QString OwnerProtectedCaption = QStringLiteral("  Function not available");
inline const QString SaveFirst = QStringLiteral("Please save the changes you have made!");
inline const QString SaveFirstCaption = QStringLiteral("Save");
} // namespace RightsEditorText

// The rights of one user at a time, as the rights screen edits them: granted descriptions on one side, the
// others (in the order of the Functions table) on the other. Nothing is written until save().
class RightsEditor {
public:
    RightsEditor(Database& db, const ProgramState& state, const Clock& clock, Prompter& prompter);

    // Removes grants whose description is no longer a function, then lists the users.
    void open();

    const QStringList& users() const { return m_users; }     // capitalized, sorted
    const QString& ownerName() const { return m_ownerName; } // capitalized, empty when unknown

    // Selecting another user while changes are unsaved asks to save first and keeps the current user.
    bool selectUser(const QString& name);
    const QString& userName() const { return m_userName; }
    bool isOwner() const { return m_isOwner; }

    const QStringList& granted() const { return m_granted; }
    const QStringList& available() const { return m_available; }
    bool isModified() const { return m_modified; }

    void grant(const QString& description);
    void grantAll();
    // Refused (message and event) for the owner.
    bool revoke(const QString& description);
    bool revokeAll();

    // Writes the user's rights as shown, in one transaction. Does nothing unless modified.
    bool save();
    // Leaving with unsaved changes asks to save first; returns whether the screen may close.
    bool canLeave();

private:
    void load();
    bool refuseForOwner();

    Database& m_db;
    const ProgramState& m_state;
    const Clock& m_clock;
    Prompter& m_prompter;
    QStringList m_functions; // every description, table order
    QStringList m_users;
    QString m_ownerName;
    QString m_userName;
    QString m_userNumber;
    bool m_isOwner = false;
    QStringList m_granted;
    QStringList m_available;
    bool m_modified = false;
};

} // namespace vantorel
