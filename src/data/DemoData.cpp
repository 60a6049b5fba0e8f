#include "Database.h"
#include "FunctionCodes.h"
#include "Money.h"
#include "NewDataFolder.h"
#include "SqlNames.h"
#include "UnitOfWork.h"

#include <QDateTime>

namespace vantorel {

namespace {

struct DemoItem {
    const char* code;
    const char* name;
    const char* mainGroup;
    const char* menuGroup;
    int priceCents;
    int costCents;
    int slip; // 1 kitchen, 2 bar
};

const DemoItem kItems[] = {
    {"FS1", "Tomato Soup", "Food", "Starters", 650, 180, 1},
    {"FS2", "Garlic Bread", "Food", "Starters", 450, 90, 1},
    {"FS3", "Caesar Salad", "Food", "Starters", 850, 260, 1},
    {"FS4", "Calamari", "Food", "Starters", 950, 340, 1},
    {"FS5", "Bruschetta", "Food", "Starters", 700, 170, 1},
    {"FM1", "Fish and Chips", "Food", "Mains", 1650, 560, 1},
    {"FM2", "Beef Burger", "Food", "Mains", 1450, 480, 1},
    {"FM3", "Ribeye Steak", "Food", "Mains", 2690, 1150, 1},
    {"FM4", "Chicken Curry", "Food", "Mains", 1390, 420, 1},
    {"FM5", "Mushroom Risotto", "Food", "Mains", 1290, 330, 1},
    {"FM6", "Grilled Salmon", "Food", "Mains", 1990, 790, 1},
    {"FM7", "Spaghetti Bolognese", "Food", "Mains", 1250, 360, 1},
    {"FM8", "Vegetable Lasagne", "Food", "Mains", 1190, 340, 1},
    {"FD1", "Chocolate Cake", "Food", "Desserts", 650, 170, 1},
    {"FD2", "Apple Pie", "Food", "Desserts", 590, 150, 1},
    {"FD3", "Ice Cream", "Food", "Desserts", 450, 110, 1},
    {"FD4", "Creme Brulee", "Food", "Desserts", 690, 160, 1},
    {"FX1", "French Fries", "Food", "Sides", 390, 80, 1},
    {"FX2", "Side Salad", "Food", "Sides", 390, 90, 1},
    {"DB1", "Draught Lager", "Drinks", "Beers", 520, 140, 2},
    {"DB2", "Pale Ale", "Drinks", "Beers", 560, 160, 2},
    {"DB3", "Stout", "Drinks", "Beers", 580, 170, 2},
    {"DB4", "Wheat Beer", "Drinks", "Beers", 590, 170, 2},
    {"DW1", "House Red Glass", "Drinks", "Wines", 650, 180, 2},
    {"DW2", "House White Glass", "Drinks", "Wines", 650, 180, 2},
    {"DW3", "Prosecco Glass", "Drinks", "Wines", 790, 240, 2},
    {"DW4", "House Red Bottle", "Drinks", "Wines", 2450, 720, 2},
    {"DS1", "Whisky", "Drinks", "Spirits", 690, 190, 2},
    {"DS2", "Gin and Tonic", "Drinks", "Spirits", 850, 230, 2},
    {"DS3", "Rum and Cola", "Drinks", "Spirits", 790, 210, 2},
    {"DS4", "Vodka", "Drinks", "Spirits", 590, 150, 2},
    {"DC1", "Cola", "Drinks", "Soft Drinks", 320, 70, 2},
    {"DC2", "Lemonade", "Drinks", "Soft Drinks", 320, 70, 2},
    {"DC3", "Orange Juice", "Drinks", "Soft Drinks", 380, 110, 2},
    {"DC4", "Mineral Water", "Drinks", "Soft Drinks", 280, 50, 2},
    {"DK1", "Espresso", "Drinks", "Coffee", 260, 40, 2},
    {"DK2", "Cappuccino", "Drinks", "Coffee", 350, 60, 2},
    {"DK3", "Latte", "Drinks", "Coffee", 370, 70, 2},
    {"DK4", "Tea", "Drinks", "Coffee", 280, 30, 2},
    {"DK5", "Hot Chocolate", "Drinks", "Coffee", 380, 90, 2},
};

struct DemoIngredient {
    const char* name;
    const char* group;
    const char* uop;
    int pricePerUopCents;
    const char* uom;
    int convert;
};

const DemoIngredient kIngredients[] = {
    {"Potatoes", "Vegetables", "Bag", 1200, "Kg", 10},   {"Cod Fillet", "Fish", "Box", 6000, "Kg", 5},
    {"Beef Mince", "Meat", "Box", 4500, "Kg", 5},        {"Burger Buns", "Bakery", "Pack", 480, "Piece", 12},
    {"Lager Keg", "Beverages", "Keg", 16000, "Pint", 88}, {"Cola Syrup", "Beverages", "Box", 9000, "Glass", 200},
    {"Coffee Beans", "Beverages", "Bag", 2400, "Shot", 140},
};

struct DemoComposition {
    const char* item;
    const char* ingredient;
    double units;
};

const DemoComposition kCompositions[] = {
    {"Fish and Chips", "Cod Fillet", 1},   {"Fish and Chips", "Potatoes", 1}, {"French Fries", "Potatoes", 1},
    {"Beef Burger", "Beef Mince", 1},      {"Beef Burger", "Burger Buns", 1}, {"Draught Lager", "Lager Keg", 1},
    {"Cola", "Cola Syrup", 1},             {"Espresso", "Coffee Beans", 1},   {"Cappuccino", "Coffee Beans", 1},
    {"Latte", "Coffee Beans", 1},
};

struct DemoUser {
    const char* name;
    const char* id;
    QStringList codes; // empty: every function
};

} // namespace

void InsertDemoRows(Database& db, const QDateTime& now) {
    UnitOfWork work(db);
    db.exec(QStringLiteral("UPDATE Utility SET %1 = ?, Address = ?, PostCode = ?, Country = ?, Tel = ?")
                .arg(SqlName(QStringLiteral("Name"))),
            {QStringLiteral("Harbour Lights Bar & Grill"), QStringLiteral("12 Quay Street"),
             QStringLiteral("4001 Portside"), QStringLiteral("Demoland"), QStringLiteral("+1 555 0142")});
    db.exec(QStringLiteral("UPDATE Taxes SET TSalesTax = ?, TGovTax = ?, TServCharge = ?, TTaxOnBill = ?, "
                           "TSCOnBill = ?"),
            {QVariant::fromValue(Money::fromCents(700)), QVariant::fromValue(Money()),
             QVariant::fromValue(Money::fromCents(1000)), true, true});

    for (const DemoItem& it : kItems) {
        const Money price = Money::fromCents(it.priceCents);
        const Money cost = Money::fromCents(it.costCents);
        const Money margin = (price - cost).mulDiv(100, 1).mulDiv(Money::Scale, price.units()).roundTo(2);
        db.exec(QStringLiteral("INSERT INTO Items (%1, Desc1, MainGroup, SCName, SellPrice, Cost, MarginPercent, "
                               "MarketPrice, RptQty, Deleted) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                    .arg(SqlName(QStringLiteral("Item"))),
                {QString::fromLatin1(it.code), QString::fromLatin1(it.name), QString::fromLatin1(it.mainGroup),
                 QString::fromLatin1(it.menuGroup), QVariant::fromValue(price), QVariant::fromValue(cost),
                 QVariant::fromValue(margin), false, it.slip, false});
    }
    const QDateTime priced = now.addDays(-30);
    for (const DemoIngredient& in : kIngredients) {
        const Money pricePerUop = Money::fromCents(in.pricePerUopCents);
        const double unitCost = pricePerUop.toDouble() / in.convert;
        db.exec(QStringLiteral("INSERT INTO Ingredients (%1, MainGroup, UOP, %2, UOM, %3, UnitCost, Cost, "
                               "LastPriceChange, InvCtrl) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
                    .arg(SqlName(QStringLiteral("Item")), SqlName(QStringLiteral("Price/UOP")),
                         SqlName(QStringLiteral("Convert"))),
                {QString::fromLatin1(in.name), QString::fromLatin1(in.group), QString::fromLatin1(in.uop),
                 QVariant::fromValue(pricePerUop), QString::fromLatin1(in.uom), in.convert, unitCost,
                 QVariant::fromValue(Money::fromDouble(unitCost)), priced, false});
        db.exec(QStringLiteral("INSERT INTO Units (UOP, UOM) VALUES (?, ?)"),
                {QString::fromLatin1(in.uop), QString::fromLatin1(in.uom)});
    }
    for (const DemoComposition& c : kCompositions) {
        double unitCost = 0;
        for (const DemoIngredient& in : kIngredients) {
            if (qstrcmp(in.name, c.ingredient) == 0)
                unitCost = in.pricePerUopCents / 100.0 / in.convert;
        }
        db.exec(QStringLiteral("INSERT INTO Association (MenuItem, IngredientItem, UnitNo, AssCost) "
                               "VALUES (?, ?, ?, ?)"),
                {QString::fromLatin1(c.item), QString::fromLatin1(c.ingredient), c.units,
                 QVariant::fromValue(Money::fromDouble(unitCost * c.units).roundTo(2))});
    }

    const DemoUser users[] = {
        {"Tom", "2345",
         {QStringLiteral("TF02"), QStringLiteral("TF03"), QStringLiteral("TF12"), QStringLiteral("TF17"),
          QStringLiteral("TF25"), QStringLiteral("TF26"), QStringLiteral("TF27"), QStringLiteral("TF36"),
          QStringLiteral("TF33"), QStringLiteral("TF34"), QStringLiteral("TR01"), QStringLiteral("TR15")}},
        {"Anna", "3456", {QStringLiteral("TF02"), QStringLiteral("TF34"), QStringLiteral("TR15")}},
    };
    for (const DemoUser& u : users) {
        db.exec(QStringLiteral("INSERT INTO Pswd (UserName, %1) VALUES (?, ?)")
                    .arg(SqlName(QStringLiteral("Password"))),
                {QString::fromLatin1(u.name), QString::fromLatin1(u.id)});
        const QString number = QString::number(db.lastInsertId());
        for (const FunctionCode& f : StandardFunctionCodes()) {
            if (!u.codes.contains(f.code))
                continue;
            db.exec(QStringLiteral("INSERT INTO FunctionAccess (UserID, %1, %2) VALUES (?, ?, ?)")
                        .arg(SqlName(QStringLiteral("Function")), SqlName(QStringLiteral("Code"))),
                    {number, f.description, f.code});
        }
    }
    work.commit();
}

} // namespace vantorel
