#include "BillNumbers.h"

#include "Clock.h"
#include "Database.h"
#include "DatabaseError.h"
#include "UnitOfWork.h"

namespace vantorel {

namespace {

QString lastIssued(Database& db) {
    return db.scalar(QStringLiteral("SELECT BillA FROM Utility")).toString();
}

// Bill numbers of one form compare as text; a longer one (past 999999 bills a year) is the higher one.
bool isAbove(const QString& a, const QString& b) {
    if (a.size() != b.size())
        return a.size() > b.size();
    return a > b;
}

} // namespace

QString NextBillNumber(const QString& last, const QDateTime& now) {
    const QString year = now.toString(QStringLiteral("yy"));
    if (last.left(2) != year)
        return year + QStringLiteral("000001");
    bool ok = false;
    const qint64 sequence = last.mid(2, 8).toLongLong(&ok);
    return year + QStringLiteral("%1").arg(ok ? sequence + 1 : 1, 6, 10, QLatin1Char('0'));
}

QString GetNextBillNumber(Database& db, const Clock& clock) {
    return NextBillNumber(lastIssued(db), clock.now());
}

namespace {

// Bill numbers have a fixed width, so the highest is the last in the index: no scan of a year of bills.
QString highestStoredNumber(Database& db) {
    const auto row = db.queryOne(QStringLiteral("SELECT BillABillA FROM BillA ORDER BY BillABillA DESC LIMIT 1"));
    return row ? row->text(QStringLiteral("BillABillA")) : QString();
}

} // namespace

void SyncLastBillNumber(Database& db) {
    // Most loads find the counter in line: only then is a write action started.
    if (!isAbove(highestStoredNumber(db), lastIssued(db)))
        return;
    UnitOfWork work(db);
    const QString highest = highestStoredNumber(db);
    if (isAbove(highest, lastIssued(db)))
        db.exec(QStringLiteral("UPDATE Utility SET BillA = ?"), {highest});
    work.commit();
}

QString ReserveBillNumber(Database& db, const Clock& clock) {
    if (!db.inTransaction())
        throw DatabaseError(
            QStringLiteral("A bill number can only be reserved inside the action that opens the bill."));
    const QDateTime now = clock.now();
    const QString last = lastIssued(db);
    QString number = NextBillNumber(last, now);
    // Another workstation, or an older copy of the counter, may already have used numbers of this year.
    const QString year = number.left(2);
    const Rows stored =
        db.query(QStringLiteral("SELECT BillABillA FROM BillA WHERE BillABillA >= ? AND "
                                "BillABillA < ? ORDER BY length(BillABillA) DESC, BillABillA DESC "
                                "LIMIT 1"),
                 {year + QStringLiteral("000000"), year + QStringLiteral(":")});
    if (!stored.empty()) {
        const QString highest = stored.front().text(QStringLiteral("BillABillA"));
        if (!isAbove(number, highest))
            number = NextBillNumber(highest, now);
    }
    if (isAbove(number, last))
        db.exec(QStringLiteral("UPDATE Utility SET BillA = ?"), {number});
    return number;
}

} // namespace vantorel
