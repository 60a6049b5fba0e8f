#pragma once

#include "BillLines.h"
#include "BillingContext.h"
#include "BillingTypes.h"
#include "MenuItems.h"

#include <QWidget>
#include <optional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace vantorel {

// The middle of the keyboard billing screen ("Add to Account No."): finding an item by speed code, by
// name or through the menu groups while typing, choosing it, its quantity, discount or FOC, and booking
// it on the selected bill.
class OrderEntryRegion : public QWidget {
    Q_OBJECT
public:
    enum class Mode { SpeedCode, Name, Groups };

    OrderEntryRegion(BillingContext& context, QWidget* parent);

    void loadMenu();
    // The selected bill (none: typing asks to select or open one); anyBillOpen tells which of the two.
    void setBill(const std::optional<BillHeader>& bill, const std::optional<CustomerAccountStatus>& account,
                 bool anyBillOpen);
    void setAccount(const std::optional<CustomerAccountStatus>& account);
    const std::optional<BillHeader>& bill() const { return m_bill; }
    bool accountBlocked() const;

    // Quantity "1", discount "0", nothing chosen, the search of the mode in use shown again.
    void resetEntry();
    // The focus to where typing goes in the mode in use.
    void focusEntry();
    void setSearchMode(Mode mode);
    Mode mode() const { return m_mode; }
    void setSetMenuAvailable(bool available);
    bool setMenuMode() const { return m_setMenuMode; }
    void toggleSetMenu();

    // The Miscellaneous dialog answered: books the item with its price, cost, quantity and remark.
    void bookMiscellaneous(const MiscellaneousEntry& entry);
    void okClick();

    QLineEdit* codeField() const { return m_code; }
    QTreeWidget* itemList() const { return m_items; }
    // Installs a filter on every control that takes keys, so that the screen's own keys are seen first.
    void installKeyFilter(QObject* filter);

signals:
    void booked(const vantorel::LineResult& result, const QString& bill);
    // The bill was settled, closed or changed elsewhere meanwhile.
    void billGone(vantorel::BillingOutcome outcome);
    void miscellaneousRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void showItems(const std::vector<MenuEntry>& items);
    void search();
    void flashNoBill();
    void chooseItem();
    void priceEntered();
    void quantityEntered();
    void discountEntered();
    void focToggled(bool checked);
    void updateTotal();
    void backToSearch();
    void fillMainGroups();
    void fillMenuGroups();
    void fillGroupItems();
    void book(const BookItemRequest& request);
    void showHeader();
    std::optional<Money> typedPrice() const;
    int typedQuantity() const;
    int typedDiscount() const;

    bool codeKey(QKeyEvent* key);
    bool itemListKey(QKeyEvent* key);
    bool groupListKey(QObject* watched, QKeyEvent* key);
    bool quantityKey(QKeyEvent* key);
    bool discountKey(QKeyEvent* key);
    bool priceKey(QKeyEvent* key);

    BillingContext& m_context;
    std::vector<MenuEntry> m_menu;
    std::optional<BillHeader> m_bill;
    std::optional<CustomerAccountStatus> m_account;
    bool m_anyBillOpen = false;
    Mode m_mode = Mode::SpeedCode;
    bool m_setMenuAvailable = false;
    bool m_setMenuMode = false;
    std::optional<ChosenItem> m_chosen;
    bool m_flashing = false;

    QLabel* m_header = nullptr;
    QLabel* m_accountLabel = nullptr;
    QLabel* m_creditLabel = nullptr;
    QLabel* m_codeLabel = nullptr;
    QLineEdit* m_code = nullptr;
    QLabel* m_setMenuLabel = nullptr;
    QList<QLabel*> m_hints;
    QLabel* m_setMenuHint = nullptr;
    QTreeWidget* m_items = nullptr;
    QListWidget* m_mainGroups = nullptr;
    QListWidget* m_menuGroups = nullptr;
    QLabel* m_priceLabel = nullptr;
    QLineEdit* m_price = nullptr;
    QLineEdit* m_quantity = nullptr;
    QLabel* m_total = nullptr;
    QLineEdit* m_discount = nullptr;
    QCheckBox* m_foc = nullptr;
    QPushButton* m_ok = nullptr;
    QLabel* m_customerNote = nullptr;
    QLabel* m_blockedNote = nullptr;
    QLabel* m_costNote = nullptr;
    QProgressBar* m_gauge = nullptr;
};

} // namespace vantorel
