#pragma once

#include <QString>

// Every event text the program records, built in one place so that no screen spells one by hand.
// Values (amounts, quantities, percentages, dates) are passed as the caller shows them.
namespace vantorel::EventText {

using namespace Qt::Literals::StringLiterals;

// --- Check-in and startup cash --------------------------------------------------------------------
inline QString CheckInFailed(const QString& typedId) {
    return u"CheckIn - Failed: User ID used: "_s + typedId;
}
inline QString StartupCashEntered(const QString& amount, const QString& userName) {
    return u"Startup Cash - "_s + amount + u" entered by "_s + userName;
}
inline QString StartupCashAccepted(const QString& userName, const QString& amount) {
    return u"Startup Cash - "_s + userName + u": "_s + amount + u" ACCEPTED"_s;
}
inline QString StartupCashNotAccepted(const QString& userName, const QString& amount) {
    return u"Startup Cash - "_s + userName + u": "_s + amount + u" NOT ACCEPTED"_s;
}
inline QString CarryForwardAccepted(const QString& amount, const QString& userName) {
    return u"Billing - Carry forward of "_s + amount + u" ACCEPTED by "_s + userName;
}
inline QString CarryForwardNotAccepted(const QString& amount, const QString& userName) {
    return u"Billing - Carry forward of "_s + amount + u" NOT ACCEPTED by "_s + userName;
}

// --- System ------------------------------------------------------------------------------------------
inline QString InvoiceNumberMismatch(const QString& lastClosed, const QString& registryBill) {
    return u"Management - Serious! No match of invoice numbers! Last closed: "_s + lastClosed +
           u" versus DB: "_s + registryBill;
}
// Subject: the customer.
inline QString VipAccountBlocked(const QString& customer) {
    return u"System - has blocked VIP account "_s + customer;
}
// Subject: IncentiveResetSubject().
inline QString IncentiveMonthlyReset() {
    return u"Incentive - Monthly records reset, because of pending bills!"_s;
}
inline QString IncentiveResetSubject() {
    return u"Admin"_s;
}
inline QString MaintenanceRunByUser() {
    return u"Maintenance - Run by User"_s;
}

// --- Users, rights and authorization ----------------------------------------------------------------
inline QString UserSaved(const QString& name) {
    return u"UserID - Saved or Changed User = "_s + name;
}
inline QString UserDeleted(const QString& name) {
    return u"UserID - Deleted User = "_s + name;
}
inline QString RightsSaved(const QString& userName) {
    return u"Utility Access - Authorization Saved for User = "_s + userName;
}
inline QString OwnerRightsChangeAttempt() {
    return u"Authori - Attempt to change owner settings."_s;
}
// Subject: the bill number or account.
inline QString AuthorizationIncorrectCode(const QString& typedId) {
    return u"Authori - "_s + typedId + u": Incorrect Code"_s;
}
inline QString AuthorizationGranted(const QString& approverName, const QString& actionText) {
    return u"Authori - "_s + approverName + u": "_s + actionText;
}

// --- Input mode ---------------------------------------------------------------------------------------
inline QString TouchscreenEnabled() {
    return u"Touchscreen - Enabled"_s;
}
inline QString TouchscreenDisabled() {
    return u"Touchscreen - Disabled"_s;
}
inline QString UserIdEnabled() {
    return u"UserID - Enabled"_s;
}
inline QString UserIdDisabled() {
    return u"UserID - Disabled"_s;
}
inline QString BillAuthorizationEnabled() {
    return u"Authori - Bill Authorization Enabled"_s;
}
inline QString BillAuthorizationDisabled() {
    return u"Authori - Bill Authorization Disabled"_s;
}

// --- Settings screens ---------------------------------------------------------------------------------
inline QString CompanyProfileSaved() {
    return u"Company Profile - Saved"_s;
}
inline QString TaxesSaved() {
    return u"Taxes & Charges - Saved"_s;
}
inline QString CreditCardsSaved() {
    return u"Credit Cards - Saved"_s;
}
inline QString PrintSetupSaved() {
    return u"Invoice - Print Setup or Text on Receipt Saved"_s;
}

// --- Billing: refused functions ----------------------------------------------------------------------
// Keyboard billing's sales summary.
inline QString TodaysSalesRefused(const QString& typedCode, const QString& userName) {
    return u"Billing - Attempt by "_s + typedCode + u" to open Today's Sales by "_s + userName;
}
// Touch billing's sales summary.
inline QString DailySalesRefused(const QString& typedId, const QString& userName, const QString& userId) {
    return u"Billing - Attempt by "_s + typedId + u" to open daily sales by "_s + userName + u" ("_s +
           userId + u")"_s;
}
inline QString CashDrawerRefused(const QString& typedId, const QString& userName, const QString& userId) {
    return u"Billing - Attempt by "_s + typedId + u" to open cash drawer during operation by "_s + userName +
           u" ("_s + userId + u")"_s;
}

// --- Billing: transfers (subject: the source bill) ----------------------------------------------------
// Keyboard billing, some units of one line.
inline QString ItemsTransferred(const QString& quantity, const QString& item, const QString& fromBill,
                                const QString& toBill, const QString& value) {
    return u"Billing - Transfer "_s + quantity + u" "_s + item + u" from "_s + fromBill + u" to "_s + toBill +
           u" ("_s + value + u")"_s;
}
// Keyboard billing, the whole bill.
inline QString AllItemsTransferred(const QString& lineCount, const QString& fromBill, const QString& toBill,
                                   const QString& total) {
    return u"Billing - Transfer all ("_s + lineCount + u") items from "_s + fromBill + u" to "_s + toBill +
           u" ("_s + total + u")"_s;
}
// Touch billing, some units of one line.
inline QString ItemTransfer(const QString& quantity, const QString& item, const QString& toBill) {
    return u"Billing - Item Transfer "_s + quantity + u" "_s + item + u" to "_s + toBill;
}
// Touch billing, one line of a whole-bill transfer.
inline QString BillTransfer(const QString& quantity, const QString& item, const QString& toBill) {
    return u"Billing - Bill Transfer "_s + quantity + u" "_s + item + u" to "_s + toBill;
}

// --- Billing: totals and settlement -------------------------------------------------------------------
inline QString BillDiscount(const QString& percent, const QString& total, const QString& discountedTotal) {
    return u"Billing - Bill discount: "_s + percent + u"%. Item value from "_s + total + u" to "_s +
           discountedTotal;
}
inline QString ServiceChargeCancelled() {
    return u"Billing - Service Charge cancelled"_s;
}
inline QString MaxItemValue(const QString& maximum, const QString& billed, const QString& difference) {
    return u"Billing - Max Item Value: "_s + maximum + u"; Billed Item Value: "_s + billed + u" ("_s +
           difference + u")"_s;
}
inline QString EmptyAccountClosed() {
    return u"Billing - Empty account closed"_s;
}
// Not an event: the void reason stored with a closed empty bill.
inline QString EmptyAccountVoidReason() {
    return u"Billing - Empty Account Closed"_s;
}

// --- Billing: lines ---------------------------------------------------------------------------------------
inline QString QuantityChanged(const QString& item, const QString& oldQuantity, const QString& newQuantity) {
    return u"Billing - Changed "_s + item + u": Qty from "_s + oldQuantity + u" to "_s + newQuantity;
}
inline QString DiscountChanged(const QString& item, const QString& oldPercent, const QString& newPercent) {
    return u"Billing - Changed "_s + item + u": Discount from "_s + oldPercent + u" to "_s + newPercent +
           u"%"_s;
}
inline QString ItemsEdited(const QString& item, const QString& oldValue, const QString& newValue) {
    return u"Billing - Items Edited "_s + item + u" from "_s + oldValue + u" to "_s + newValue;
}
inline QString ItemDeleted(const QString& item, const QString& price, const QString& quantity,
                           const QString& amount) {
    return u"Billing - Deleted "_s + item + u": "_s + price + u" x "_s + quantity + u" = "_s + amount;
}
// An empty discount leaves the "/D" part out.
inline QString MiscChanged(const QString& price, const QString& cost, const QString& quantity,
                           const QString& discount = QString()) {
    QString text = u"Billing - Changed Misc. to "_s + u"P"_s + price + u"/C"_s + cost + u"/Q"_s + quantity;
    if (!discount.isEmpty())
        text += u"/D"_s + discount;
    return text;
}
inline QString MiscBooked(const QString& comment) {
    return u"Billing/Misc - "_s + comment + u" Inventory?? "_s;
}
// Keyboard billing; an empty incentive leaves the incentive part out.
inline QString MarketPriceChanged(const QString& item, const QString& oldPrice, const QString& newPrice,
                                  const QString& newIncentive = QString()) {
    QString text = u"MarketPrice: "_s + item + u" from "_s + oldPrice + u" to "_s + newPrice;
    if (!newIncentive.isEmpty())
        text += u"; Incentive: "_s + newIncentive;
    return text;
}
// Touch billing writes the incentive straight after the price.
inline QString TouchMarketPriceChanged(const QString& item, const QString& oldPrice, const QString& newPrice,
                                       const QString& newIncentive = QString()) {
    QString text = u"MarketPrice: "_s + item + u" from "_s + oldPrice + u" to "_s + newPrice;
    if (!newIncentive.isEmpty())
        text += u"Incentive: "_s + newIncentive;
    return text;
}

// --- Customer accounts (subject: the account name) ----------------------------------------------------
inline QString VipAccountSettled(const QString& account, const QString& amount) {
    return u"VIP     - "_s + account + u" settled account: "_s + amount;
}
inline QString VipNewAccount(const QString& name, const QString& deposit, const QString& credit,
                             const QString& discountPercent) {
    return u"VIP - New Account: "_s + name + u" - Dep: "_s + deposit + u" - Cr: "_s + credit +
           u" - Disc: "_s + discountPercent + u"%"_s;
}
inline QString VipDiscountChanged(const QString& name, const QString& oldPercent, const QString& newPercent) {
    return u"VIP - Discount changed "_s + name + u" from "_s + oldPercent + u" to "_s + newPercent;
}
inline QString VipCreditAdded(const QString& name, const QString& amount) {
    return u"VIP - Credit added "_s + name + u" by "_s + amount;
}
inline QString VipDepositAdded(const QString& name, const QString& amount) {
    return u"VIP - Deposit added "_s + name + u" by "_s + amount;
}
inline QString VipAccountClosed(const QString& userName, const QString& account,
                                const QString& availableCredit) {
    return u"VIP - Account Closed by "_s + userName + u" "_s + account + u" had credit of "_s +
           availableCredit;
}
inline QString VipPendingBillVoided(const QString& amount, const QString& userName) {
    return u"VIP - Account Closed, Pending Bill of "_s + amount + u" voided by "_s + userName;
}
inline QString VipAccountRefund(const QString& amount, const QString& account) {
    return u"VIP - Account Refund "_s + amount + u" to "_s + account + u", account closed"_s;
}

// --- Incentives ---------------------------------------------------------------------------------------
inline QString IncentiveDiscountGranted(const QString& percent, const QString& quantity,
                                        const QString& item) {
    return u"Incentive - Discount granted of "_s + percent + u"% on "_s + quantity + u"x"_s + item;
}
inline QString IncentiveSet(const QString& item, const QString& amount, bool alsoForSetMenu) {
    QString text = u"Incentive - "_s + item + u" set to "_s + amount;
    if (alsoForSetMenu)
        text += u" (also for Set Menu - percentual)"_s;
    return text;
}
inline QString IncentiveUserIdActivated() {
    return u"Incentive - Setting: 'UserID-input' activated"_s;
}
inline QString IncentivesAllZero() {
    return u"Incentive - Setting: All incentives set to zero"_s;
}

// --- Void and reprint ---------------------------------------------------------------------------------
inline QString AccountVoided() {
    return u"Void - Account voided"_s;
}
inline QString AccountReactivated() {
    return u"Void - Reactivated Account"_s;
}
inline QString InvoiceReprinted(const QString& bill) {
    return u"Reprint - Invoice "_s + bill;
}

// --- Reports ------------------------------------------------------------------------------------------
inline QString SalesPerformanceReport(const QString& period) {
    return u"Report - Sales Performance "_s + period + u" generated"_s;
}
inline QString SalesPerformanceAtClosing() {
    return u"Report - Sales Performance upon closing"_s;
}
inline QString SalesByAllMenuItems() {
    return u"Report - Sales by Menu Item - All Items"_s;
}
inline QString SalesByMenuItem(const QString& item) {
    return u"Report - Sales by Menu Item - "_s + item;
}

// --- Menu items ---------------------------------------------------------------------------------------
inline QString MenuItemAdded(const QString& name, const QString& price) {
    return u"Menu Item added: "_s + name + u" @ "_s + price;
}
inline QString MenuItemRenamed(const QString& oldName, const QString& newName) {
    return u"Menu Item - changed from "_s + oldName + u" to "_s + newName;
}
inline QString MenuItemChanged(const QString& name, const QString& price) {
    return u"Menu Item - changed "_s + name + u" @ "_s + price;
}
inline QString MenuItemReactivated(const QString& name, const QString& price, const QString& cost) {
    return u"Menu Item reactivated: "_s + name + u" - Price: "_s + price + u" - Cost: "_s + cost;
}
inline QString MenuItemDeactivatedWithSales(const QString& name) {
    return u"Menu Item - with previous sales deactivated: "_s + name;
}
inline QString MenuItemDeactivatedWithoutSales(const QString& name) {
    return u"Menu Item - without previous sales deactivated: "_s + name;
}

// --- Menu composition ---------------------------------------------------------------------------------
inline QString IngredientAdded(const QString& ingredient, const QString& menuItem) {
    return u"MenuComp - "_s + ingredient + u" added to "_s + menuItem;
}
inline QString IngredientRemoved(const QString& ingredient, const QString& menuItem) {
    return u"MenuComp - "_s + ingredient + u" deleted from "_s + menuItem;
}
inline QString IngredientUopChanged(const QString& ingredient, const QString& oldUop, const QString& newUop) {
    return u"MenuComp - "_s + ingredient + u" UOP changed from "_s + oldUop + u" to "_s + newUop;
}
inline QString IngredientCostChanged(const QString& ingredient, const QString& oldCost,
                                     const QString& newCost) {
    return u"MenuComp - "_s + ingredient + u" cost from "_s + oldCost + u" to "_s + newCost;
}
inline QString IngredientUomChanged(const QString& ingredient, const QString& oldConversion,
                                    const QString& newConversion) {
    return u"MenuComp - "_s + ingredient + u" UOM changed from "_s + oldConversion + u" to "_s +
           newConversion;
}
inline QString IngredientUnitsPerServingChanged(const QString& ingredient, const QString& oldUnits,
                                                const QString& newUnits) {
    return u"MenuComp - "_s + ingredient + u" unit per serving from "_s + oldUnits + u" to "_s + newUnits;
}

// --- Set menus ----------------------------------------------------------------------------------------
inline QString SetMenuSaved(const QString& name) {
    return u"Set Menu - Edit/Save: "_s + name;
}
inline QString SetMenuDeleted(const QString& name) {
    return u"Set Menu - Deleted: "_s + name;
}
inline QString SetMenuPricesEdited() {
    return u"Set Menu - Price(s) edited"_s;
}

// --- Inventory ----------------------------------------------------------------------------------------
// The price part only when the delivery price deviates (both prices given).
inline QString InventoryAdded(const QString& ingredient, const QString& quantity, const QString& unit,
                              const QString& oldPrice = QString(), const QString& newPrice = QString()) {
    QString text = u"InvAdd - "_s + ingredient + u" "_s + quantity + u" "_s + unit;
    if (!oldPrice.isEmpty() || !newPrice.isEmpty())
        text += u" Old Price:"_s + oldPrice + u" New Price:"_s + newPrice;
    return text;
}
inline QString InventoryAdditionEdited(const QString& invoiceNumber, const QString& invoiceDate,
                                       const QString& quantity, const QString& unit,
                                       const QString& ingredient) {
    return u"InvAdd - Edit: Invoice "_s + invoiceNumber + u" from "_s + invoiceDate + u" ("_s + quantity +
           u" "_s + unit + u" "_s + ingredient + u")"_s;
}
inline QString InventoryRemoved(const QString& units, const QString& ingredient) {
    return u"InvAdj - Deleted "_s + units + u" "_s + ingredient;
}
inline QString InventoryAdjustedUp(const QString& units, const QString& ingredient) {
    return u"InvAdj - Added "_s + units + u" "_s + ingredient;
}
inline QString InventoryItemCreated(const QString& name) {
    return u"InvCtrl - New Inventory Item: "_s + name;
}
inline QString NewInventoryItemDeleted(const QString& name) {
    return u"InvCtrl - Inventory Item deleted: "_s + name;
}
inline QString InventoryAssociation(const QString& menuItem, const QString& inventoryItem) {
    return u"InvCtrl - Association: "_s + menuItem + u" to "_s + inventoryItem;
}
inline QString InventoryAssociationSaved(const QString& menuItem) {
    return u"InvCtrl - "_s + menuItem + u" saved"_s;
}
inline QString InventoryMenuItemDetached(const QString& menuItem) {
    return u"InvCtrl - "_s + menuItem + u" detached"_s;
}
// The inventory item went with its last associated menu item.
inline QString InventoryItemRevoked(const QString& inventoryItem) {
    return u"InvCtrl - "_s + inventoryItem + u" deleted"_s;
}
inline QString InventoryItemCancelled(const QString& inventoryItem) {
    return u"InvCtrl - "_s + inventoryItem + u" deleted and all Menu Items detached"_s;
}

} // namespace vantorel::EventText
