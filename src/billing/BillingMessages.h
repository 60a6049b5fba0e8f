#pragma once

#include <QDateTime>
#include <QString>

// The fixed texts billing shows: refusals, questions and the approval requests. One function per text so
// that the engine and both billing screens show the same words.
namespace vantorel::BillingMessage {

struct Text {
    QString text;
    QString caption;
};

inline Text InvalidInput() {
    return {QStringLiteral("Invalid numeric input. Please try again!   "), QStringLiteral("  Invalid Input")};
}
inline Text NoTable() {
    return {QStringLiteral("Please allocate a table to this customer.  "), QStringLiteral("   Table number")};
}
inline Text NoTableForCustomerAccount() {
    return {QStringLiteral("Please allocate a table to this VIP customer.  "),
            QStringLiteral("   Table number")};
}
inline Text MaximumTables() {
    return {QStringLiteral("Maximum number of tables is 999     "), QStringLiteral("   Table number")};
}
inline Text DuplicateAlias() {
    return {QStringLiteral("No duplicate names allowed!\nPlease choose a unique name.    "),
            QStringLiteral("  Duplicate Name")};
}
inline Text AccountLimit() {
    return {QStringLiteral("You have reached the maximum number of accounts on this table!\n\n"),
            QStringLiteral("   Account limit")};
}
inline Text SeparateBillAlias() {
    return {
        QStringLiteral("Enter Customer Alias for separate bill on same table or press [Esc] and enter new "
                       "Table Number"),
        QString()};
}

// A bill that another workstation settled or closed while this one was working on it.
inline Text AccountClosedMeanwhile() {
    return {
        QStringLiteral("This account has been settled or closed at another workstation in the meantime.   "
                       "\n\nNothing was changed. The list of open accounts will be reloaded."),
        QStringLiteral("  Account closed")};
}
// A line that another workstation changed while this one showed it.
inline Text AccountChangedMeanwhile() {
    return {QStringLiteral("This account has been changed at another workstation in the meantime.   \n\n"
                           "Nothing was changed. Please check the account and try again."),
            QStringLiteral("  Account changed")};
}

inline Text EntertainmentLimit() {
    return {QStringLiteral(
                "If you book this order, you will surpass your limit of entertainment!   \n\nDo you want "
                "to continue?"),
            QStringLiteral("   Entertainment Limit")};
}
inline Text CustomerAccountNoDiscount() {
    return {QStringLiteral(
                "VIP account! No FOC, No item discount\rVIP discount wil be automatically calculated."),
            QStringLiteral("  VIP Account")};
}
inline Text BlockedAccount() {
    return {QStringLiteral("Please request customer to settle this account as soon as possible!"),
            QStringLiteral("Blocked VIP Account")};
}
inline Text SecondMiscellaneous() {
    return {QStringLiteral(
                "The selected account contains an item \"Miscellaneous\" already!    \nIt cannot contain "
                "two of these items.\n\nPlease open a new account to book this item to."),
            QString()};
}
inline Text UnknownItem(const QString& item) {
    return {QStringLiteral("The menu item \"%1\" cannot be found.   \n\nPlease reload the menu.").arg(item),
            QStringLiteral("  Menu Item")};
}
inline Text AccountAlreadyAtTable(const QString& account) {
    return {QStringLiteral("The VIP account %1 has an open account at a table already.   ").arg(account),
            QStringLiteral("  VIP Account")};
}
inline Text UnknownAccount(const QString& account) {
    return {QStringLiteral("The VIP account %1 cannot be found.   ").arg(account),
            QStringLiteral("  VIP Account")};
}

inline Text DeleteQuestion(int quantity, const QString& item) {
    return {QStringLiteral("Deletion cannot be undone!  \r\rDelete this item?"),
            QStringLiteral("%1 %2").arg(quantity).arg(item)};
}
inline Text CloseEmptyAccountQuestion() {
    return {QStringLiteral(
                "Close an empty account only when you are certain  \rthat you will not use it anymore "
                "today!  \r\rDo this preferrably at the end of your service.\r\rAre you certain that you "
                "want to close this acccount?  "),
            QStringLiteral("  Empty Account")};
}
inline Text AccountNotEmpty() {
    return {QStringLiteral("This account holds items and cannot be closed as an empty account.   "),
            QStringLiteral("  Empty Account")};
}

inline Text TransferSameTable() {
    return {QStringLiteral("You cannot transfer to the same table!  "), QStringLiteral("   Transfer")};
}
inline Text TransferNoTarget() {
    return {QStringLiteral(
                "You can only transfer between existing tables and accounts.\nPlease enter the table to "
                "transfer to, carefully!  \n\nIf you would like to transfer to a new account, create this "
                "first  \nand then transfer."),
            QStringLiteral("   Transfer")};
}
inline Text TransferToCustomerAccount() {
    return {QStringLiteral("You cannot transfer to a VIP account!  "), QStringLiteral("   Transfer")};
}
inline Text TransferFromCustomerAccount() {
    return {QStringLiteral("You cannot transfer from a VIP account!  "), QStringLiteral("   Transfer")};
}
inline Text TransferLimit(int quantity) {
    return {QStringLiteral("Transfer is limited to %1  item(s)  ").arg(quantity),
            QStringLiteral("   Transfer")};
}
inline Text TransferNothing() {
    return {QStringLiteral("There are no items on this account that can be transferred.  "),
            QStringLiteral("   Transfer")};
}
inline Text OnlyOneAccount() {
    return {QStringLiteral(
                "Use this Utility to transfer items from one account to another.  \n\nYou have only one "
                "open account!"),
            QStringLiteral("   Merge & Split")};
}
inline Text TransferQuestion(int quantity, const QString& item, const QString& fromTable,
                             const QString& toTable) {
    return {QStringLiteral("Please confirm to transfer:\r\r%1 %2 from Table   %3  ----->  %4      ")
                .arg(quantity)
                .arg(item, fromTable, toTable),
            QStringLiteral("Transfer %1 %2").arg(quantity).arg(item)};
}
inline Text TransferAllQuestion(const QString& fromTable, const QString& toTable) {
    return {QStringLiteral(
                "Please confirm to transfer:\r\rAll Items on this Bill from Table   %1  ----->  %2      ")
                .arg(fromTable, toTable),
            QStringLiteral("Transfer ALL items on this Bill")};
}

// A line booked before the business day began (the touch screen and customer accounts keep such lines).
inline Text OnlyTodaysOrders(bool customerAccount, const QDateTime& orderDate) {
    return {customerAccount ? QStringLiteral("You can print only today's orders!     \n")
                            : QStringLiteral("You can change only today's orders!     \n"),
            QStringLiteral("Order date ") + orderDate.toString(QStringLiteral("dd/MM/yy"))};
}

inline Text NoDecimals() {
    return {QStringLiteral("No decimals allowed!     "), QStringLiteral("  Input")};
}

// Incentive restrictions: the caption of the question whether to delete is the item itself.
inline Text IncentiveDeleteQuestion(const QString& item) {
    return {QStringLiteral("Delete cannot be undone. Are you certain to delete this item?    "),
            QStringLiteral("   ") + item};
}
inline QString IncentiveConflictCaption() {
    return QStringLiteral("   Incentive conflict");
}

// Texts of the bill-authorization dialog: its title and the action to approve.
inline QString PrintedOnceTitle(const QString& billNumber) {
    return QStringLiteral("Account %1 has been printed once.\r\rPlease authorize:").arg(billNumber);
}
inline QString TransferPrintedOnceTitle(const QString& billNumber, const QString& table) {
    return QStringLiteral("Account %1 on Table %2 has been printed once.\rPlease authorize:")
        .arg(billNumber, table);
}
inline QString DeleteApprovalAction(int quantity, const QString& item, const QString& value) {
    return QStringLiteral("Delete \r%1 %2 = %3").arg(quantity).arg(item, value);
}
inline QString ChangeApprovalAction(int quantity, const QString& item, const QString& newValue) {
    return QStringLiteral("Change \r%1 %2 to %3").arg(quantity).arg(item, newValue);
}
inline QString TransferApprovalAction(int quantity, const QString& item, const QString& toTable) {
    return QStringLiteral("Transfer %1 %2 to Table %3").arg(quantity).arg(item, toTable);
}
inline QString TransferAllApprovalAction(const QString& toTable) {
    return QStringLiteral("Transfer all items to Table %1").arg(toTable);
}

// Notes of the first-print panel.
inline QString CustomerAccountDiscountNote(const QString& account) {
    return QStringLiteral("VIP Account ") + account;
}
inline QString BillDiscountNote() {
    return QStringLiteral(
        "Bill discount will cancel any discount already granted on individual menu items (FOC "
        "remains unchanged)!");
}

} // namespace vantorel::BillingMessage
