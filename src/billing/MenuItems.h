#pragma once

#include "BillingTypes.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace vantorel {

class Database;
class Prompter;

// The menu as the billing screens search it while the user types, and an item as it is chosen for booking.

struct MenuEntry {
    QString code;         // Items.Item, the speed code
    QString name;         // Items.Desc1
    QString mainGroup;    // Items.MainGroup
    QString menuGroup;    // Items.SCName
    bool setMenu = false; // a set-menu item: its name ends in "*"
};

// Every item not deleted, ordered by speed code, last first.
std::vector<MenuEntry> LoadMenu(Database& db);

bool IsSetMenuName(const QString& name);

// Items whose speed code starts with the typed text (without regard to case), or whose name contains it;
// "/" in the typed text is ignored, and set-menu items are kept only in set-menu mode (and then only they).
std::vector<MenuEntry> FindBySpeedCode(const std::vector<MenuEntry>& menu, const QString& typed,
                                       bool setMenuMode);
std::vector<MenuEntry> FindByName(const std::vector<MenuEntry>& menu, const QString& typed, bool setMenuMode);
// The whole list as the mode shows it.
std::vector<MenuEntry> MenuForMode(const std::vector<MenuEntry>& menu, bool setMenuMode);

// The main groups, sorted, and the menu groups of one main group, sorted; only groups holding an item of the
// mode.
QStringList MainGroups(const std::vector<MenuEntry>& menu, bool setMenuMode);
QStringList MenuGroups(const std::vector<MenuEntry>& menu, const QString& mainGroup, bool setMenuMode);
std::vector<MenuEntry> ItemsOfMenuGroup(const std::vector<MenuEntry>& menu, const QString& menuGroup,
                                        bool setMenuMode);

// An item chosen for booking, read afresh.
struct ChosenItem {
    QString name;
    Money price;
    bool marketPrice = false;   // the price must be typed
    bool miscellaneous = false; // asks price, cost, quantity and a remark
    bool atCost = false;        // the entertainment account books items at their cost
};
// The price is the selling price; a set-menu item with a set-menu price or addition takes the set-menu price,
// or the selling price plus the addition; the entertainment account takes the cost rounded to cents.
// Nothing when the item is gone (deleted meanwhile).
std::optional<ChosenItem> ChooseItem(Database& db, const QString& name, bool entertainmentAccount);

// True when the bill holds a Miscellaneous line already.
bool HasMiscellaneousLine(Database& db, const QString& bill);

// The Miscellaneous dialog: price, cost, quantity and a remark of at least 15 characters.
struct MiscellaneousEntry {
    Money price;
    Money cost;
    int quantity = 0;
    QString comment; // "P" price "/C" cost "/Q" quantity " - " remark
};
// Nothing when a field is empty (the dialog stays open); refusals are shown.
std::optional<MiscellaneousEntry> ReadMiscellaneous(Prompter& prompter, const QString& price,
                                                    const QString& cost, const QString& quantity,
                                                    const QString& remark);

} // namespace vantorel
