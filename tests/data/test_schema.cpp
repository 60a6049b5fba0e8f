#include "DatabaseError.h"
#include "Driver.h"
#include "SqlNames.h"
#include "TempDataFolder.h"

#include <QTest>

using namespace vantorel;

// The tables and columns the program needs, written out independently of the schema code.
static const char* const kExpected[][2] = {
    {"Utility", "BillA Month Year CashForward Name Address PostCode Country Tel TouchScreen UserID "
                "BillAuthorization BillingTimer OrderSlip BillRounding CardChargeYN CardNumberInput Printer "
                "PaperSize PrintCopies PrintReinsert PrintFullBill PrintHeader PrintInvoice BillRemark1 "
                "BillRemark2 A100 A200 A300 Comport Command Delay MinInvoice AdjNo Code"},
    {"Taxes", "TSalesTax TGovTax TServCharge TTaxOnBill TSCOnBill"},
    {"CreditCard", "Code Desc1 percent Used"},
    {"Pswd", "AutoNum UserName Password SalesToday SalesThisMonth SalesLastMonth IncentiveToday "
             "IncentiveThisMonth IncentiveLastMonth"},
    {"Functions", "Code Functions"},
    {"FunctionAccess", "UserID Function Code"},
    {"TimeInTimeOut", "DateIn DateOut UserName"},
    {"Events", "DateTime Event UserID BillNumber"},
    {"BillA", "BillABillA Table Waiter CustomerName StackerBill VIP InDate BillDate PayMode Sec5 FirstPrint "
              "PrintBill Sec1 Sec2 Void Sec4_Bill_Max BillDiscPerc BillDisc ItemDiscB ItemsPaymentB SalesTaxPerc "
              "SalesTax GovTaxPerc GovTax ServChargePerc ServCharge TaxOnBill ServChargeOnBill NetPayment "
              "PayAmount Change CreditCard CreditNo CreditNoDummy BillSettledBy BillRemark"},
    {"BillB", "BillBBillA BillNoItem Item Quantity SalesPrice SumItem ItemDiscPerc ItemsPayment ItemCost OrderDate"},
    {"VoidBill", "VoidBillA VoidDate VoidReason VoidUser"},
    {"StackedBill", "Customer MaxCredit TotalCredit AvailableCredit Consumption Cost DepositAmount AccumPay "
                    "DiscPerc Blocked LastPayDate LastDepositDate BillOpenedBy"},
    {"DailyIncentive", "UserID Waiter BillNumber ItemNumber Item Discount Incentive InPendingBill DateTime"},
    {"BarSlip", "Waiter TableNum Item Number"},
    {"Items", "Item Desc1 MainGroup SCName SellPrice Cost MarginPercent MarketPrice MenuPrice MenuAddToSellPrice "
              "Reorder Incentive Consumption RptQty Deleted"},
    {"Ingredients", "Item MainGroup UOP Price/UOP UOM Convert UnitCost Cost LastPriceChange InvCtrl InventoryUOM "
                    "ConsUOM InvAddUOM ReorderUOM"},
    {"Association", "MenuItem IngredientItem UnitNo AssCost"},
    {"Units", "UOP UOM Components"},
    {"InventoryAdd", "AutoNum InventoryItem Supplier InvoiceNr InvoiceDate InvoiceVal Unit UnitNr "
                     "UnitsToIngredients InputDateTime UserName"},
    {"InventoryAdj", "InventoryItem Unit UnitNr Reason InputDateTime UserName Deleted"},
    {"Report", "RItem FromDate ToDate Val1 Val2 Val3 Val4 Val5 Val6 Val7 String2 String3 NoUse"},
    {"ReportB", "Str1 Str2 Str3 Str4 Str5 Str6 Cur1 Cur2 Cur3 Cur4 Cur5 Cur6 Cur7 Cur8 Cur9 Cur10 Cur11 Cur12 "
                "Cur13 Cur14 Int1"},
    {"ReportC", "Group Sales ItemDiscount"},
};

class TestSchema : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyTableAndColumnExistsAndNothingMore() {
        test::TempDataFolder folder;
        auto db = folder.open();
        QStringList expectedTables;
        for (const auto& t : kExpected)
            expectedTables << QString::fromLatin1(t[0]);
        // The server folds unquoted names to lower case; the embedded file keeps the schema's spelling.
        auto spelled = [&](QStringList names) {
            if (folder.onServer())
                for (QString& n : names)
                    n = n.toLower();
            return names;
        };
        QStringList tables = db->driver().tableNames();
        QStringList a = spelled(expectedTables), b = tables;
        std::sort(a.begin(), a.end(), [](auto& x, auto& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
        std::sort(b.begin(), b.end(), [](auto& x, auto& y) { return x.compare(y, Qt::CaseInsensitive) < 0; });
        QCOMPARE(b, a);
        for (const auto& t : kExpected) {
            const QStringList expected = spelled(QString::fromLatin1(t[1]).split(QLatin1Char(' ')));
            const QStringList actual = db->driver().columnNames(QString::fromLatin1(t[0]));
            QCOMPARE(actual, expected);
        }
    }

    // Names are written in several case forms across the program; all must address the same columns.
    void namesInAnyCase() {
        test::TempDataFolder folder(true);
        auto db = folder.open();
        const auto row = db->queryOne(QStringLiteral("select SCNAME, scname, PayMode from items, (select 'x' as "
                                                     "Paymode) AS p where DESC1 = ?"),
                                      {QStringLiteral("Cola")});
        QVERIFY(row);
        QCOMPARE(row->text(QStringLiteral("SCName")), QStringLiteral("Soft Drinks"));
        QCOMPARE(row->text(QStringLiteral("paymode")), QStringLiteral("x"));
        QCOMPARE(db->query(QStringLiteral("Select * from PSWD")).size(),
                 db->query(QStringLiteral("select * from pswd")).size());
    }

    void reservedAndOddNamesAreQuoted() {
        QCOMPARE(SqlName(QStringLiteral("table")), QStringLiteral("\"table\""));
        QCOMPARE(SqlName(QStringLiteral("Price/UOP")), QStringLiteral("\"price/uop\""));
        QCOMPARE(SqlName(QStringLiteral("Desc1")), QStringLiteral("Desc1"));
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("INSERT INTO BillA (BillABillA, %1) VALUES (?, ?)").arg(SqlName("Table")),
                 {QStringLiteral("26000001"), QStringLiteral("12")});
        db->exec(QStringLiteral("INSERT INTO ReportC (%1) VALUES (?)").arg(SqlName("Group")), {QStringLiteral("G")});
        db->exec(QStringLiteral("INSERT INTO Ingredients (%1, %2) VALUES (?, ?)")
                     .arg(SqlName("Item"), SqlName("Price/UOP")),
                 {QStringLiteral("Salt"), QVariant::fromValue(Money::fromCents(150))});
        QCOMPARE(db->queryOne(QStringLiteral("SELECT %1 FROM BillA").arg(SqlName("table")))->text("Table"),
                 QStringLiteral("12"));
        QCOMPARE(db->queryOne(QStringLiteral("SELECT * FROM Ingredients"))->money("price/uop"), Money::fromCents(150));
    }

    void billNumbersAreUnique() {
        test::TempDataFolder folder;
        auto db = folder.open();
        db->exec(QStringLiteral("INSERT INTO BillA (BillABillA) VALUES (?)"), {QStringLiteral("26000001")});
        QVERIFY_THROWS_EXCEPTION(DatabaseError, db->exec(QStringLiteral("INSERT INTO BillA (BillABillA) VALUES (?)"),
                                                         {QStringLiteral("26000001")}));
    }

    void starterRows() {
        test::TempDataFolder folder;
        auto db = folder.open();
        QCOMPARE(db->query(QStringLiteral("SELECT * FROM Utility")).size(), size_t(1));
        QCOMPARE(db->query(QStringLiteral("SELECT * FROM Taxes")).size(), size_t(1));
        for (const char* code : {"VISA", "MASTERS", "AMEX", "DINERS", "DEBIT"})
            QVERIFY2(db->queryOne(QStringLiteral("SELECT * FROM CreditCard WHERE %1 = ?").arg(SqlName("Code")),
                                  {QString::fromLatin1(code)}),
                     code);
        const auto tr15 = db->queryOne(
            QStringLiteral("SELECT * FROM %1 WHERE %2 = 'TR15'").arg(SqlName("Functions"), SqlName("Code")));
        QVERIFY(tr15);
        QCOMPARE(tr15->text(QStringLiteral("Functions")), QStringLiteral("Report Sales Today"));
        // The owner holds every right.
        const auto owner = db->queryOne(QStringLiteral("SELECT * FROM Pswd"));
        QVERIFY(owner);
        const qint64 functions = db->scalar(QStringLiteral("SELECT count(*) FROM Functions")).toLongLong();
        const qint64 granted = db->scalar(QStringLiteral("SELECT count(*) FROM FunctionAccess WHERE UserID = ?"),
                                          {QString::number(owner->integer("AutoNum"))})
                                   .toLongLong();
        QVERIFY(functions >= 40);
        QCOMPARE(granted, functions);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "test_schema.moc"
