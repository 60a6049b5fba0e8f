#pragma once

#include "Clock.h"
#include "Database.h"
#include "Money.h"
#include "PrintServices.h"
#include "ProgramState.h"
#include "RecordingPrintSink.h"
#include "Schema.h"
#include "ScriptedPrompter.h"
#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>
#include <memory>

namespace vantorel::test {

// A data folder (with the default PRINT tree) holding bills for the printing tests, a receipt printer
// named "Receipt", and the services the printing operations take.
class ReceiptFixture {
public:
    ReceiptFixture() : db(folder.open()), clock(QDateTime(QDate(2026, 3, 14), QTime(21, 15))) {
        state.dataFolder = folder.path();
        state.currentUserName = QStringLiteral("Anna");
        sink.printers = {QStringLiteral("Receipt"), QStringLiteral("Kitchen"), QStringLiteral("Bar")};
        setUtility({{QStringLiteral("Name"), QStringLiteral("Harbour Café")},
                    {QStringLiteral("Address"), QStringLiteral("12 Quay Street")},
                    {QStringLiteral("PostCode"), QStringLiteral("1011 AB")},
                    {QStringLiteral("Country"), QStringLiteral("Amsterdam")},
                    {QStringLiteral("Tel"), QStringLiteral("020 555 0123")},
                    {QStringLiteral("Printer"), QStringLiteral("Receipt")}});
    }

    PrintServices services() { return PrintServices{*db, state, clock, prompter, sink}; }

    // Values by column name, typed by the table's schema: amounts as texts ("1,234.50"), booleans, numbers.
    static QVariant typed(const QString& table, const QString& column, const QVariant& value) {
        const TableDef* t = FindTable(table);
        for (const ColumnDef& c : t->columns) {
            if (c.name.compare(column, Qt::CaseInsensitive) != 0)
                continue;
            switch (c.type) {
            case ColumnType::Money:
                return QVariant::fromValue(Money::parse(value.toString()).value());
            case ColumnType::Boolean:
                return value.toBool();
            case ColumnType::Number:
                return value.toDouble();
            case ColumnType::Integer:
                return value.toLongLong();
            case ColumnType::DateTime:
                return value.toDateTime();
            default:
                return value.toString();
            }
        }
        qFatal("no column %s in %s", qPrintable(column), qPrintable(table));
        return {};
    }

    void setUtility(const QVariantMap& values) {
        for (auto it = values.begin(); it != values.end(); ++it)
            db->exec(QStringLiteral("UPDATE Utility SET %1 = ?").arg(SqlName(it.key())),
                     {typed(QStringLiteral("Utility"), it.key(), it.value())});
    }

    void setTaxes(bool serviceCharge, bool tax) {
        state.settings.serviceChargeOnBillOn = serviceCharge;
        state.settings.taxOnBillOn = tax;
    }

    // A bill with its lines [item, quantity, price, sum, discount %, amount], booked at the fixture's time.
    void addBill(const QVariantMap& bill, const QJsonArray& lines) {
        QVariantMap row = bill;
        row.insert(QStringLiteral("InDate"), clock.now().addSecs(-3600));
        row.insert(QStringLiteral("BillDate"), clock.now().addSecs(-600));
        row.insert(QStringLiteral("Void"), false);
        insert(QStringLiteral("BillA"), row);
        int n = 0;
        for (const QJsonValue& v : lines) {
            const QJsonArray l = v.toArray();
            insert(QStringLiteral("BillB"),
                   {{QStringLiteral("BillBBillA"), bill.value(QStringLiteral("BillABillA"))},
                    {QStringLiteral("BillNoItem"), QStringLiteral("%1").arg(++n, 2, 10, QLatin1Char('0'))},
                    {QStringLiteral("Item"), l[0].toString()},
                    {QStringLiteral("Quantity"), l[1].toDouble()},
                    {QStringLiteral("SalesPrice"), l[2].toString()},
                    {QStringLiteral("SumItem"), l[3].toString()},
                    {QStringLiteral("ItemDiscPerc"), l[4].toDouble()},
                    {QStringLiteral("ItemsPayment"), l[5].toString()},
                    {QStringLiteral("OrderDate"), clock.now().addSecs(-1800 + 60 * n)}});
        }
    }

    void insert(const QString& table, const QVariantMap& values) {
        QStringList names;
        QStringList marks;
        QVariantList params;
        for (auto it = values.begin(); it != values.end(); ++it) {
            names << SqlName(it.key());
            marks << QStringLiteral("?");
            params << typed(table, it.key(), it.value());
        }
        db->exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                 params);
    }

    TempDataFolder folder;
    std::unique_ptr<Database> db;
    FixedClock clock;
    ProgramState state;
    ScriptedPrompter prompter;
    RecordingPrintSink sink;
};

// The text of a raw receipt-printer job: the printer's commands taken out, the bytes read as Windows-1252
// (the set the job switches the printer to). Null when the job does not start and end as every job must.
inline QString JobText(QByteArray job) {
    const QByteArray start = QByteArrayLiteral("\x1b@\x1bt\x10");
    const QByteArray end = QByteArrayLiteral("\x1dVB\x04");
    if (!job.startsWith(start) || !job.endsWith(end))
        return QString();
    job = job.mid(start.size(), job.size() - start.size() - end.size());
    for (const char mode : {'\x00', '\x08', '\x10', '\x18'})
        job.replace(QByteArray("\x1b!") + mode, QByteArray());
    return QString::fromLatin1(job); // the tests' texts stay within Latin-1
}

} // namespace vantorel::test
