#include "MenuItems.h"

#include "AmountText.h"
#include "BillAmounts.h"
#include "BillStore.h"
#include "BillingMessages.h"
#include "Database.h"
#include "Prompter.h"
#include "Quantities.h"
#include "SqlNames.h"

#include <algorithm>

namespace vantorel {

namespace {

bool keptInMode(const MenuEntry& e, bool setMenuMode) {
    return e.setMenu == setMenuMode;
}

QString searchText(const QString& typed) {
    QString text = typed;
    text.remove(QLatin1Char('/'));
    return text.trimmed();
}

std::optional<Money> readAmount(const QString& typed) {
    const QString text = typed.trimmed();
    if (!IsNumberText(text))
        return std::nullopt;
    const auto value = Money::parse(text);
    if (!value || *value < Money())
        return std::nullopt;
    return value;
}

void addSorted(QStringList& list, const QString& value) {
    if (!value.isEmpty() && !list.contains(value, Qt::CaseInsensitive))
        list << value;
}

} // namespace

std::vector<MenuEntry> LoadMenu(Database& db) {
    std::vector<MenuEntry> menu;
    const QString item = SqlName(QStringLiteral("Item"));
    for (const Row& r :
         db.query(QStringLiteral("SELECT %1, Desc1, MainGroup, SCName FROM Items WHERE Deleted = ? "
                                 "ORDER BY %1 DESC")
                      .arg(item),
                  {false})) {
        MenuEntry e;
        e.code = r.text(QStringLiteral("Item"));
        e.name = r.text(QStringLiteral("Desc1"));
        e.mainGroup = r.text(QStringLiteral("MainGroup"));
        e.menuGroup = r.text(QStringLiteral("SCName"));
        e.setMenu = IsSetMenuName(e.name);
        menu.push_back(e);
    }
    return menu;
}

bool IsSetMenuName(const QString& name) {
    return name.trimmed().endsWith(QLatin1Char('*'));
}

std::vector<MenuEntry> FindBySpeedCode(const std::vector<MenuEntry>& menu, const QString& typed,
                                       bool setMenuMode) {
    const QString text = searchText(typed);
    std::vector<MenuEntry> found;
    for (const MenuEntry& e : menu) {
        if (keptInMode(e, setMenuMode) && e.code.startsWith(text, Qt::CaseInsensitive))
            found.push_back(e);
    }
    return found;
}

std::vector<MenuEntry> FindByName(const std::vector<MenuEntry>& menu, const QString& typed,
                                  bool setMenuMode) {
    const QString text = searchText(typed);
    std::vector<MenuEntry> found;
    for (const MenuEntry& e : menu) {
        if (keptInMode(e, setMenuMode) && e.name.contains(text, Qt::CaseInsensitive))
            found.push_back(e);
    }
    return found;
}

std::vector<MenuEntry> MenuForMode(const std::vector<MenuEntry>& menu, bool setMenuMode) {
    return FindBySpeedCode(menu, QString(), setMenuMode);
}

QStringList MainGroups(const std::vector<MenuEntry>& menu, bool setMenuMode) {
    QStringList groups;
    for (const MenuEntry& e : menu) {
        if (keptInMode(e, setMenuMode))
            addSorted(groups, e.mainGroup);
    }
    groups.sort(Qt::CaseInsensitive);
    return groups;
}

QStringList MenuGroups(const std::vector<MenuEntry>& menu, const QString& mainGroup, bool setMenuMode) {
    QStringList groups;
    for (const MenuEntry& e : menu) {
        if (keptInMode(e, setMenuMode) && e.mainGroup.compare(mainGroup, Qt::CaseInsensitive) == 0)
            addSorted(groups, e.menuGroup);
    }
    groups.sort(Qt::CaseInsensitive);
    return groups;
}

std::vector<MenuEntry> ItemsOfMenuGroup(const std::vector<MenuEntry>& menu, const QString& menuGroup,
                                        bool setMenuMode) {
    std::vector<MenuEntry> found;
    for (const MenuEntry& e : menu) {
        if (keptInMode(e, setMenuMode) && e.menuGroup.compare(menuGroup, Qt::CaseInsensitive) == 0)
            found.push_back(e);
    }
    return found;
}

std::optional<ChosenItem> ChooseItem(Database& db, const QString& name, bool entertainmentAccount) {
    const auto row =
        db.queryOne(QStringLiteral("SELECT * FROM Items WHERE Desc1 = ? AND Deleted = ?"), {name, false});
    if (!row)
        return std::nullopt;
    ChosenItem item;
    item.name = row->text(QStringLiteral("Desc1"));
    item.price = row->money(QStringLiteral("SellPrice"));
    const Money menuPrice = row->money(QStringLiteral("MenuPrice"));
    const Money addition = row->money(QStringLiteral("MenuAddToSellPrice"));
    if (IsSetMenuName(item.name) && (menuPrice > Money() || addition > Money()))
        item.price = menuPrice.isZero() ? item.price + addition : menuPrice;
    item.miscellaneous = billingdetail::IsMiscellaneous(item.name);
    item.marketPrice = row->boolean(QStringLiteral("MarketPrice")) && !item.miscellaneous;
    if (entertainmentAccount && !item.miscellaneous) {
        item.price = ToCents(row->money(QStringLiteral("Cost")));
        item.atCost = true;
        item.marketPrice = false;
    }
    return item;
}

bool HasMiscellaneousLine(Database& db, const QString& bill) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM BillB WHERE BillBBillA = ? AND %1 = ?")
                         .arg(SqlName(QStringLiteral("Item"))),
                     {bill, billingdetail::MiscellaneousItem})
               .toLongLong() > 0;
}

std::optional<MiscellaneousEntry> ReadMiscellaneous(Prompter& prompter, const QString& price,
                                                    const QString& cost, const QString& quantity,
                                                    const QString& remark) {
    if (price.trimmed().isEmpty() || cost.trimmed().isEmpty() || quantity.trimmed().isEmpty() ||
        remark.trimmed().isEmpty())
        return std::nullopt;
    const auto p = readAmount(price);
    const auto c = readAmount(cost);
    const auto q = ParseQuantity(quantity);
    if (!p || !c || !q) {
        const auto m = BillingMessage::InvalidInput();
        prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    const QString text = remark.trimmed();
    if (text.size() < 15) {
        prompter.showMessage(QStringLiteral("More detail please....      "), QStringLiteral("  Remarks"),
                             Prompter::Icon::Exclamation);
        return std::nullopt;
    }
    MiscellaneousEntry entry;
    entry.price = ToCents(*p);
    entry.cost = ToCents(*c);
    entry.quantity = *q;
    entry.comment = QStringLiteral("P") + AmountText(entry.price) + QStringLiteral("/C") +
                    AmountText(entry.cost) + QStringLiteral("/Q") + QString::number(entry.quantity) +
                    QStringLiteral(" - ") + text;
    return entry;
}

} // namespace vantorel
