#include "RightsEditor.h"

#include "Database.h"
#include "EventLog.h"
#include "EventTexts.h"
#include "OwnerCode.h"
#include "Prompter.h"
#include "SqlNames.h"
#include "TextHelpers.h"
#include "UnitOfWork.h"
#include "UserLookup.h"

#include <algorithm>

namespace vantorel {

namespace {

bool containsNoCase(const QStringList& list, const QString& s) {
    return list.contains(s, Qt::CaseInsensitive);
}

} // namespace

RightsEditor::RightsEditor(Database& db, const ProgramState& state, const Clock& clock, Prompter& prompter)
    : m_db(db), m_state(state), m_clock(clock), m_prompter(prompter) {}

void RightsEditor::open() {
    const QString functions = SqlName(QStringLiteral("Functions"));
    const QString function = SqlName(QStringLiteral("Function"));
    {
        UnitOfWork work(m_db);
        m_db.exec(
            QStringLiteral("DELETE FROM FunctionAccess WHERE NOT EXISTS (SELECT 1 FROM %1 f WHERE f.%1 = "
                           "FunctionAccess.%2)")
                .arg(functions, function));
        work.commit();
    }
    m_functions.clear();
    for (const Row& r : m_db.query(QStringLiteral("SELECT %1 FROM %1").arg(functions))) {
        const QString d = r.text(QStringLiteral("Functions"));
        if (!containsNoCase(m_functions, d))
            m_functions << d;
    }
    m_users.clear();
    for (const Row& r : m_db.query(QStringLiteral("SELECT UserName FROM Pswd")))
        m_users << CapitalizeName(r.text(QStringLiteral("UserName")));
    std::sort(m_users.begin(), m_users.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    const auto code =
        m_db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Code"))));
    m_ownerName = CapitalizeName(OwnerCode::decode(code.toString()).name);
    m_modified = false;
    m_userName.clear();
}

bool RightsEditor::selectUser(const QString& name) {
    if (m_modified) {
        m_prompter.showMessage(RightsEditorText::SaveFirst, RightsEditorText::SaveFirstCaption,
                               Prompter::Icon::Exclamation);
        return false;
    }
    m_userName = name;
    load();
    return true;
}

void RightsEditor::load() {
    m_granted.clear();
    m_available.clear();
    m_isOwner = false;
    m_userNumber.clear();
    const auto user = FindUserByName(m_db, m_userName);
    if (user) {
        m_userNumber = user->numberText();
        const OwnerCode owner = OwnerCode::decode(
            m_db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Code"))))
                .toString());
        m_isOwner = !owner.isEmpty() && user->name.toUpper() == owner.name.toUpper() && user->id == owner.id;
        for (const Row& r :
             m_db.query(QStringLiteral("SELECT UserID, %1 FROM FunctionAccess WHERE UserID = ?")
                            .arg(SqlName(QStringLiteral("Function"))),
                        {m_userNumber})) {
            bool ok = false;
            if (r.text(QStringLiteral("UserID")).trimmed().toLongLong(&ok) != user->number || !ok)
                continue;
            const QString d = r.text(QStringLiteral("Function"));
            if (!containsNoCase(m_granted, d))
                m_granted << d;
        }
    }
    for (const QString& d : m_functions) {
        if (!containsNoCase(m_granted, d))
            m_available << d;
    }
    m_modified = false;
}

void RightsEditor::grant(const QString& description) {
    if (m_userNumber.isEmpty() || !m_available.contains(description))
        return;
    m_available.removeOne(description);
    m_granted << description;
    m_modified = true;
}

void RightsEditor::grantAll() {
    if (m_userNumber.isEmpty() || m_available.isEmpty())
        return;
    m_granted << m_available;
    m_available.clear();
    m_modified = true;
}

bool RightsEditor::refuseForOwner() {
    if (!m_isOwner)
        return false;
    m_prompter.showMessage(RightsEditorText::OwnerProtected, RightsEditorText::OwnerProtectedCaption,
                           Prompter::Icon::Information);
    RecordEvent(m_db, m_state, m_clock, EventText::OwnerRightsChangeAttempt());
    return true;
}

bool RightsEditor::revoke(const QString& description) {
    if (!m_granted.contains(description) || refuseForOwner())
        return false;
    m_granted.removeOne(description);
    m_available.clear();
    for (const QString& d : m_functions) {
        if (!containsNoCase(m_granted, d))
            m_available << d;
    }
    m_modified = true;
    return true;
}

bool RightsEditor::revokeAll() {
    if (m_granted.isEmpty() || refuseForOwner())
        return false;
    m_granted.clear();
    m_available = m_functions;
    m_modified = true;
    return true;
}

bool RightsEditor::save() {
    if (!m_modified || m_userNumber.isEmpty())
        return false;
    UnitOfWork work(m_db);
    m_db.exec(QStringLiteral("DELETE FROM FunctionAccess WHERE UserID = ?"), {m_userNumber});
    for (const QString& d : m_granted) {
        const QString code =
            m_db.scalar(QStringLiteral("SELECT %1 FROM %2 WHERE %2 = ?")
                            .arg(SqlName(QStringLiteral("Code")), SqlName(QStringLiteral("Functions"))),
                        {d})
                .toString();
        m_db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                      .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                  {m_userNumber, d, code});
    }
    RecordEvent(m_db, m_state, m_clock, EventText::RightsSaved(m_userName));
    work.commit();
    m_modified = false;
    return true;
}

bool RightsEditor::canLeave() {
    if (!m_modified)
        return true;
    m_prompter.showMessage(RightsEditorText::SaveFirst, RightsEditorText::SaveFirstCaption,
                           Prompter::Icon::Exclamation);
    return false;
}

} // namespace vantorel
