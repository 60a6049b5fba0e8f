#include "Schema.h"

#include "Database.h"
#include "Driver.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

namespace vantorel {

namespace {

using T = ColumnType;

ColumnDef c(const char* name, ColumnType type) { return ColumnDef{QString::fromLatin1(name), type}; }
IndexDef ix(std::initializer_list<const char*> cols, bool unique = false) {
    IndexDef d;
    for (const char* col : cols)
        d.columns << QString::fromLatin1(col);
    d.unique = unique;
    return d;
}

std::vector<TableDef> buildTables() {
    std::vector<TableDef> t;
    t.push_back({QStringLiteral("Utility"),
                 {c("BillA", T::Text),          c("Month", T::Integer),          c("Year", T::Integer),
                  c("CashForward", T::Money),   c("Name", T::Text),              c("Address", T::Text),
                  c("PostCode", T::Text),       c("Country", T::Text),           c("Tel", T::Text),
                  c("TouchScreen", T::Boolean), c("UserID", T::Boolean),         c("BillAuthorization", T::Boolean),
                  c("BillingTimer", T::Integer), c("OrderSlip", T::Boolean),     c("BillRounding", T::Integer),
                  c("CardChargeYN", T::Boolean), c("CardNumberInput", T::Boolean), c("Printer", T::Text),
                  c("PaperSize", T::Text),      c("PrintCopies", T::Integer),    c("PrintReinsert", T::Boolean),
                  c("PrintFullBill", T::Boolean), c("PrintHeader", T::Boolean),  c("PrintInvoice", T::Boolean),
                  c("BillRemark1", T::Text),    c("BillRemark2", T::Text),       c("A100", T::Text),
                  c("A200", T::Text),           c("A300", T::Text),              c("Comport", T::Text),
                  c("Command", T::Text),        c("Delay", T::Text),             c("MinInvoice", T::Text),
                  c("AdjNo", T::Text),          c("Code", T::Text)},
                 {}});
    t.push_back({QStringLiteral("Taxes"),
                 {c("TSalesTax", T::Money), c("TGovTax", T::Money), c("TServCharge", T::Money),
                  c("TTaxOnBill", T::Boolean), c("TSCOnBill", T::Boolean)},
                 {}});
    t.push_back({QStringLiteral("CreditCard"),
                 {c("Code", T::Text), c("Desc1", T::Text), c("percent", T::Number), c("Used", T::Boolean)},
                 {}});
    t.push_back({QStringLiteral("Pswd"),
                 {c("AutoNum", T::AutoNumber), c("UserName", T::Text), c("Password", T::Text),
                  c("SalesToday", T::Money), c("SalesThisMonth", T::Money), c("SalesLastMonth", T::Money),
                  c("IncentiveToday", T::Money), c("IncentiveThisMonth", T::Money),
                  c("IncentiveLastMonth", T::Money)},
                 {ix({"UserName"}), ix({"Password"})}});
    t.push_back({QStringLiteral("Functions"), {c("Code", T::Text), c("Functions", T::Text)}, {ix({"Code"})}});
    t.push_back({QStringLiteral("FunctionAccess"),
                 {c("UserID", T::Text), c("Function", T::Text), c("Code", T::Text)},
                 {ix({"UserID"}), ix({"Code"})}});
    t.push_back({QStringLiteral("TimeInTimeOut"),
                 {c("DateIn", T::DateTime), c("DateOut", T::DateTime), c("UserName", T::Text)},
                 {ix({"UserName"}), ix({"DateIn"})}});
    t.push_back({QStringLiteral("Events"),
                 {c("DateTime", T::DateTime), c("Event", T::Text), c("UserID", T::Text), c("BillNumber", T::Text)},
                 {ix({"DateTime"})}});
    t.push_back({QStringLiteral("BillA"),
                 {c("BillABillA", T::Text),     c("Table", T::Text),          c("Waiter", T::Text),
                  c("CustomerName", T::Text),   c("StackerBill", T::Text),    c("VIP", T::Boolean),
                  c("InDate", T::DateTime),     c("BillDate", T::DateTime),   c("PayMode", T::Text),
                  c("Sec5", T::Text),           c("FirstPrint", T::Boolean),  c("PrintBill", T::Boolean),
                  c("Sec1", T::Boolean),        c("Sec2", T::Boolean),        c("Void", T::Boolean),
                  c("Sec4_Bill_Max", T::Money), c("BillDiscPerc", T::Money),  c("BillDisc", T::Money),
                  c("ItemDiscB", T::Money),     c("ItemsPaymentB", T::Money), c("SalesTaxPerc", T::Money),
                  c("SalesTax", T::Money),      c("GovTaxPerc", T::Money),    c("GovTax", T::Money),
                  c("ServChargePerc", T::Money), c("ServCharge", T::Money),   c("TaxOnBill", T::Boolean),
                  c("ServChargeOnBill", T::Boolean), c("NetPayment", T::Money), c("PayAmount", T::Money),
                  c("Change", T::Money),        c("CreditCard", T::Text),     c("CreditNo", T::Text),
                  c("CreditNoDummy", T::Text),  c("BillSettledBy", T::Text),  c("BillRemark", T::Text)},
                 {ix({"BillABillA"}, true), ix({"InDate"}), ix({"BillDate"}), ix({"PayMode"})}});
    t.push_back({QStringLiteral("BillB"),
                 {c("BillBBillA", T::Text), c("BillNoItem", T::Text), c("Item", T::Text), c("Quantity", T::Number),
                  c("SalesPrice", T::Money), c("SumItem", T::Money), c("ItemDiscPerc", T::Number),
                  c("ItemsPayment", T::Money), c("ItemCost", T::Money), c("OrderDate", T::DateTime)},
                 {ix({"BillBBillA"}), ix({"OrderDate"}), ix({"Item"})}});
    t.push_back({QStringLiteral("VoidBill"),
                 {c("VoidBillA", T::Text), c("VoidDate", T::DateTime), c("VoidReason", T::Text),
                  c("VoidUser", T::Text)},
                 {ix({"VoidBillA"})}});
    t.push_back({QStringLiteral("StackedBill"),
                 {c("Customer", T::Text), c("MaxCredit", T::Money), c("TotalCredit", T::Money),
                  c("AvailableCredit", T::Money), c("Consumption", T::Money), c("Cost", T::Money),
                  c("DepositAmount", T::Money), c("AccumPay", T::Money), c("DiscPerc", T::Number),
                  c("Blocked", T::Boolean), c("LastPayDate", T::DateTime), c("LastDepositDate", T::DateTime),
                  c("BillOpenedBy", T::Text)},
                 {ix({"Customer"})}});
    t.push_back({QStringLiteral("DailyIncentive"),
                 {c("UserID", T::Text), c("Waiter", T::Text), c("BillNumber", T::Text), c("ItemNumber", T::Integer),
                  c("Item", T::Text), c("Discount", T::Text), c("Incentive", T::Money),
                  c("InPendingBill", T::Money), c("DateTime", T::DateTime)},
                 {ix({"BillNumber"}), ix({"DateTime"})}});
    t.push_back({QStringLiteral("BarSlip"),
                 {c("Waiter", T::Text), c("TableNum", T::Text), c("Item", T::Text), c("Number", T::Number)},
                 {}});
    t.push_back({QStringLiteral("Items"),
                 {c("Item", T::Text), c("Desc1", T::Text), c("MainGroup", T::Text), c("SCName", T::Text),
                  c("SellPrice", T::Money), c("Cost", T::Money), c("MarginPercent", T::Money),
                  c("MarketPrice", T::Boolean), c("MenuPrice", T::Money), c("MenuAddToSellPrice", T::Money),
                  c("Reorder", T::Money), c("Incentive", T::Money), c("Consumption", T::Money),
                  c("RptQty", T::Number), c("Deleted", T::Boolean)},
                 {ix({"Desc1"}), ix({"Item"})}});
    t.push_back({QStringLiteral("Ingredients"),
                 {c("Item", T::Text), c("MainGroup", T::Text), c("UOP", T::Text), c("Price/UOP", T::Money),
                  c("UOM", T::Text), c("Convert", T::Integer), c("UnitCost", T::Number), c("Cost", T::Money),
                  c("LastPriceChange", T::DateTime), c("InvCtrl", T::Boolean), c("InventoryUOM", T::Money),
                  c("ConsUOM", T::Money), c("InvAddUOM", T::Money), c("ReorderUOM", T::Money)},
                 {ix({"Item"})}});
    t.push_back({QStringLiteral("Association"),
                 {c("MenuItem", T::Text), c("IngredientItem", T::Text), c("UnitNo", T::Number),
                  c("AssCost", T::Money)},
                 {ix({"MenuItem"}), ix({"IngredientItem"})}});
    t.push_back({QStringLiteral("Units"), {c("UOP", T::Text), c("UOM", T::Text), c("Components", T::Text)}, {}});
    t.push_back({QStringLiteral("InventoryAdd"),
                 {c("AutoNum", T::AutoNumber), c("InventoryItem", T::Text), c("Supplier", T::Text),
                  c("InvoiceNr", T::Text), c("InvoiceDate", T::DateTime), c("InvoiceVal", T::Money),
                  c("Unit", T::Text), c("UnitNr", T::Number), c("UnitsToIngredients", T::Money),
                  c("InputDateTime", T::DateTime), c("UserName", T::Text)},
                 {ix({"InventoryItem"}), ix({"InputDateTime"})}});
    t.push_back({QStringLiteral("InventoryAdj"),
                 {c("InventoryItem", T::Text), c("Unit", T::Text), c("UnitNr", T::Text), c("Reason", T::Text),
                  c("InputDateTime", T::DateTime), c("UserName", T::Text), c("Deleted", T::Boolean)},
                 {ix({"InventoryItem"}), ix({"InputDateTime"})}});
    t.push_back({QStringLiteral("Report"),
                 {c("RItem", T::Text), c("FromDate", T::DateTime), c("ToDate", T::DateTime), c("Val1", T::Number),
                  c("Val2", T::Number), c("Val3", T::Number), c("Val4", T::Number), c("Val5", T::Number),
                  c("Val6", T::Number), c("Val7", T::Number), c("String2", T::Text), c("String3", T::Text),
                  c("NoUse", T::Text)},
                 {}});
    {
        TableDef b{QStringLiteral("ReportB"), {}, {}};
        for (int i = 1; i <= 6; ++i)
            b.columns.push_back({QStringLiteral("Str%1").arg(i), T::Text});
        for (int i = 1; i <= 14; ++i)
            b.columns.push_back({QStringLiteral("Cur%1").arg(i), T::Money});
        b.columns.push_back({QStringLiteral("Int1"), T::Integer});
        t.push_back(b);
    }
    t.push_back({QStringLiteral("ReportC"),
                 {c("Group", T::Text), c("Sales", T::Money), c("ItemDiscount", T::Money)},
                 {}});
    return t;
}

} // namespace

const std::vector<TableDef>& SchemaTables() {
    static const std::vector<TableDef> tables = buildTables();
    return tables;
}

const TableDef* FindTable(const QString& name) {
    for (const TableDef& t : SchemaTables()) {
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    }
    return nullptr;
}

void CreateSchema(Database& db) {
    UnitOfWork work(db);
    Driver& driver = db.driver();
    for (const TableDef& t : SchemaTables()) {
        QStringList cols;
        for (const ColumnDef& col : t.columns)
            cols << driver.columnDefinition(col);
        db.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(driver.createName(t.name), cols.join(QStringLiteral(", "))));
        int n = 0;
        for (const IndexDef& index : t.indexes) {
            QStringList quoted;
            for (const QString& col : index.columns)
                quoted << driver.createName(col);
            db.exec(QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
                        .arg(index.unique ? QStringLiteral("UNIQUE ") : QString(),
                             QStringLiteral("ix_%1_%2").arg(t.name.toLower()).arg(++n), driver.createName(t.name),
                             quoted.join(QStringLiteral(", "))));
        }
    }
    driver.setSchemaVersion(CurrentSchemaVersion);
    work.commit();
}

} // namespace vantorel
