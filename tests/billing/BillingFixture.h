#pragma once

#include "BillLines.h"
#include "Bills.h"
#include "Clock.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ProgramState.h"
#include "ScriptedPrompter.h"
#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QTest>
#include <algorithm>
#include <functional>

namespace vantorel::test {

inline Money M(const char* text) {
    return *Money::parse(QString::fromLatin1(text));
}

// A demo data folder with a checked-in waiter, a fixed clock and scripted answers, plus a few items with
// round prices for the examples.
struct BillingFixture {
    TempDataFolder folder{true};
    std::unique_ptr<Database> db = folder.open();
    ProgramState state;
    ScriptedPrompter prompter;
    FixedClock clock{QDateTime(QDate(2026, 3, 14), QTime(12, 0))};

    BillingFixture() {
        state.currentUserName = QStringLiteral("TOM");
        state.currentUserId = QStringLiteral("2345");
        addItem(QStringLiteral("Fish"), M("10.00"), M("4.00"), 1);
        addItem(QStringLiteral("Beer"), M("5.00"), M("1.50"), 2);
        addItem(QStringLiteral("Wine"), M("7.00"), M("2.00"), 2);
    }

    void addItem(const QString& name, Money price, Money cost, int slip, Money incentive = Money(),
                 bool marketPrice = false) {
        db->exec(QStringLiteral(
                     "INSERT INTO Items (%1, Desc1, MainGroup, SCName, SellPrice, Cost, RptQty, Incentive, "
                     "MarketPrice, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                     .arg(SqlName(QStringLiteral("Item"))),
                 {name.left(3).toUpper(), name, QStringLiteral("Test"), QStringLiteral("Test"),
                  QVariant::fromValue(price), QVariant::fromValue(cost), slip, QVariant::fromValue(incentive),
                  marketPrice, false});
    }

    QString openBill(const QString& table, const QString& alias = QString()) {
        const BillOpenResult r =
            CreateBill(*db, state, prompter, clock, NewBillRequest{table, QStringLiteral("2"), alias});
        if (r.outcome != BillingOutcome::Done)
            throw std::runtime_error("bill not opened");
        return r.billNumber;
    }

    LineResult book(const QString& bill, const QString& item, const QString& quantity, Money price,
                    int discount = 0, bool foc = false) {
        BookItemRequest r;
        r.billNumber = bill;
        r.item = item;
        r.quantity = quantity;
        r.price = price;
        r.discountPercent = discount;
        r.freeOfCharge = foc;
        return BookItem(*db, state, prompter, clock, r);
    }

    std::vector<BillLine> lines(const QString& bill) { return LoadBill(*db, clock, bill, true).lines; }

    BillLineRef ref(const BillLine& l) {
        return BillLineRef{l.billNumber, l.lineNumber, l.item, l.price, l.discountPercent, l.quantity};
    }

    QVariant value(const QString& sql, const QVariantList& params = {}) { return db->scalar(sql, params); }
    Money money(const QString& sql, const QVariantList& params = {}) {
        const auto row = db->queryOne(sql, params);
        return row ? row->money(row->columnNames().value(0)) : Money();
    }
    qint64 count(const QString& table) {
        return db->scalar(QStringLiteral("SELECT count(*) FROM %1").arg(SqlName(table))).toLongLong();
    }

    void settleElsewhere(const QString& bill) {
        auto other = folder.open();
        other->exec(QStringLiteral("UPDATE BillA SET PayMode = 'Cash', FirstPrint = true WHERE BillABillA = ?"),
                    {bill});
    }

    // Every row of the tables billing writes, as sorted text: equal snapshots mean nothing was written.
    QStringList snapshot() {
        QStringList all;
        for (const char* table : {"BillA", "BillB", "Pswd", "Items", "BarSlip", "DailyIncentive",
                                  "StackedBill", "Events", "VoidBill", "Utility"}) {
            QStringList rows;
            for (const Row& r :
                 db->query(QStringLiteral("SELECT * FROM %1").arg(QString::fromLatin1(table)))) {
                QStringList cells;
                for (int i = 0; i < r.columnCount(); ++i)
                    cells << r.value(i).toString();
                rows << cells.join(QLatin1Char('|'));
            }
            rows.sort();
            all << QString::fromLatin1(table) + QLatin1Char(':') + rows.join(QLatin1Char('\n'));
        }
        return all;
    }
};

// Runs the action with the Nth statement failing, for N = 1, 2, ... until the action gets through without
// reaching N. After every failure the snapshot must be unchanged; returns the statements of a full run.
inline int FailAtEveryStatement(BillingFixture& f, const std::function<void()>& action) {
    const QStringList before = f.snapshot();
    for (int failAt = 1; failAt < 500; ++failAt) {
        int seen = 0;
        f.db->setStatementHook([&seen, failAt](const QString&) {
            if (++seen == failAt)
                throw DatabaseError(QStringLiteral("forced failure"));
        });
        bool failed = false;
        try {
            action();
        } catch (const DatabaseError&) {
            failed = true;
        }
        f.db->setStatementHook({});
        if (!failed)
            return failAt - 1;
        if (f.snapshot() != before) {
            qWarning("rows left behind after a failure at statement %d", failAt);
            return -1;
        }
    }
    return -1;
}

} // namespace vantorel::test
