#include "StartupCash.h"

#include "AccessEventTexts.h"
#include "Database.h"
#include "EventLog.h"
#include "IniFile.h"
#include "ProgramState.h"
#include "UnitOfWork.h"

#include <QDir>

namespace vantorel {

QString IniPathOf(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("Vantorel.ini"));
}

bool StartupCashOffered(Database& db) {
    const auto row = db.queryOne(QStringLiteral("SELECT CashForward FROM Utility"));
    return !row || row->money(QStringLiteral("CashForward")).isZero();
}

std::optional<Money> StartupCashFromReply(const QString& reply) {
    if (reply.isEmpty() || reply == QLatin1String("XPX"))
        return std::nullopt;
    const auto amount = Money::parse(QString(reply).remove(QLatin1Char(',')).trimmed());
    if (!amount || amount->isZero() || *amount < Money())
        return std::nullopt;
    return amount->roundTo(2);
}

void EnterStartupCash(Database& db, const ProgramState& state, const Clock& clock, const Money& amount) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("UPDATE Utility SET CashForward = ?"), {QVariant::fromValue(amount)});
    RecordEvent(db, state, clock,
                AccessEventText::StartupCashEntered(amount.toDisplayString(), state.currentUserName));
    // The INI file is written last, before the commit: when it cannot be written nothing is kept.
    const IniFile ini(IniPathOf(state.dataFolder));
    ini.write(StartupCashText::Section, QStringLiteral("SUMINI"), amount.toPlainString(2));
    ini.write(StartupCashText::Section, QStringLiteral("PROGINI"), QStringLiteral("1"));
    work.commit();
}

} // namespace vantorel
