#pragma once

#include <QString>

// Every event text the program records, built in one place so that no screen spells one by hand.
namespace vantorel::EventText {

inline QString CheckInFailed(const QString& typedId) { return QStringLiteral("CheckIn - Failed: User ID used: ") + typedId; }

inline QString UserSaved(const QString& name) { return QStringLiteral("UserID - Saved or Changed User = ") + name; }
inline QString UserDeleted(const QString& name) { return QStringLiteral("UserID - Deleted User = ") + name; }

} // namespace vantorel::EventText
