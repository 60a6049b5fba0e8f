#include "SetupChecks.h"

#include "Clock.h"
#include "Database.h"
#include "FunctionCodes.h"
#include "Settings.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

namespace vantorel {

SetupChecks SetupChecks::read(Database& db) {
    SetupChecks c;
    const QString item = SqlName(QStringLiteral("Item"));
    const Rows inUse =
        db.query(QStringLiteral("SELECT %1, Desc1, SCName FROM Items WHERE Deleted = ?").arg(item), {false});
    c.noMenuItems = inUse.size() < 2;
    c.noMenuGroup = inUse.empty();
    c.noSpeedCode = inUse.empty();
    for (const Row& r : inUse) {
        c.noMenuItems = c.noMenuItems || r.text(QStringLiteral("Desc1")).isEmpty();
        c.noMenuGroup = c.noMenuGroup || r.text(QStringLiteral("SCName")).isEmpty();
        c.noSpeedCode = c.noSpeedCode || r.text(QStringLiteral("Item")).isEmpty();
    }
    c.taxNotSet = TaxNotSet(ReadTaxes(db));
    int built = 0;
    for (const Row& r : db.query(QStringLiteral("SELECT %1, MainGroup FROM Items").arg(item))) {
        const QString code = r.text(QStringLiteral("Item")).toUpper();
        const QString group = r.text(QStringLiteral("MainGroup")).toUpper();
        if (code.size() == 4 && !group.isEmpty() && code.startsWith(group.left(2)))
            ++built;
    }
    c.optimizeSpeedcode = built > 1;
    return c;
}

SetupWarnings GetMessages(const SetupChecks& c, bool touchMode, bool newMonth) {
    SetupWarnings w;
    if (!(c.noMenuItems || c.noSpeedCode || c.noMenuGroup || c.taxNotSet || newMonth || c.optimizeSpeedcode))
        return w;
    auto add = [&w](const char* text) {
        const QString t = QString::fromLatin1(text);
        if (!w.items.contains(t))
            w.items << t;
    };
    if (c.noMenuItems) {
        add("Menu Items");
        add("Menu Groups");
        add("Speedcode");
    }
    // A missing menu group stops billing as surely as a missing item, so it is listed on its own as well.
    if (c.noMenuGroup)
        add("Menu Groups");
    if (c.taxNotSet) {
        add("Tax");
        add("Service Charge");
    }
    if (!touchMode) {
        w.showOptimizeHint = c.optimizeSpeedcode;
        if (c.noSpeedCode)
            add("Speedcode");
    }
    return w;
}

void EnsureSalesTodayFunction(Database& db) {
    const QString code = SqlName(QStringLiteral("Code"));
    const QString functions = SqlName(QStringLiteral("Functions"));
    UnitOfWork work(db);
    if (!db.queryOne(QStringLiteral("SELECT %1 FROM %2 WHERE %1 = ?").arg(code, functions),
                     {QStringLiteral("TR15")}))
        db.exec(QStringLiteral("INSERT INTO %2 (%1, %2) VALUES (?, ?)").arg(code, functions),
                {QStringLiteral("TR15"), SalesTodayFunctionDescription});
    work.commit();
}

QString WelcomeText(Database& db) {
    const QString name =
        db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Name")))).toString();
    return name.isEmpty() ? QStringLiteral("Welcome...") : QStringLiteral("Welcome to ") + name;
}

bool NewMonthFlag(Database& db, const Clock& clock) {
    const QVariant month =
        db.scalar(QStringLiteral("SELECT %1 FROM Utility").arg(SqlName(QStringLiteral("Month"))));
    return month.toInt() != clock.now().date().month();
}

bool IsLastDayOfMonth(const QDate& date) {
    return date.isValid() && date.day() == date.daysInMonth();
}

} // namespace vantorel
