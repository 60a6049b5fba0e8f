#pragma once

#include "Bills.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vantorel {

// The top of the keyboard billing screen ("Open Accounts"): the open bills by table, the buttons that open,
// allocate and settle bills, and the checked-in user with his photo.
class OpenAccountsRegion : public QWidget {
    Q_OBJECT
public:
    static constexpr int PhotoWidth = 80;
    static constexpr int PhotoHeight = 103;

    explicit OpenAccountsRegion(QWidget* parent);

    void showBills(const std::vector<OpenBillEntry>& bills);
    // Makes the bill the current row without announcing it; false when it is not listed.
    bool markBill(const QString& number);
    QString currentBill() const;
    QString firstBill() const;
    int billCount() const;
    // "Settle Account" while the first bill is to be printed, "Payment" (red) once it was printed.
    void setSettleCaption(bool payment);
    // The user's name and photo; an empty path hides the photo.
    void showUser(const QString& name, const QString& photoPath);
    // Shows a text on the VIP button for a moment.
    void flashVipButton(const QString& text, int milliseconds);

    QTreeWidget* list() const { return m_list; }
    QPushButton* tableButton() const { return m_table; }
    QPushButton* newAccountButton() const { return m_newAccount; }
    QPushButton* vipButton() const { return m_vip; }
    QPushButton* settleButton() const { return m_settle; }
    QPushButton* closeButton() const { return m_close; }
    QPushButton* changeTableButton() const { return m_changeTable; }
    QPushButton* changeAliasButton() const { return m_changeAlias; }
    QPushButton* changePaxButton() const { return m_changePax; }

private:
    QTreeWidget* m_list = nullptr;
    QPushButton* m_table = nullptr;
    QPushButton* m_newAccount = nullptr;
    QPushButton* m_vip = nullptr;
    QPushButton* m_settle = nullptr;
    QPushButton* m_close = nullptr;
    QPushButton* m_changeTable = nullptr;
    QPushButton* m_changeAlias = nullptr;
    QPushButton* m_changePax = nullptr;
    QLabel* m_userName = nullptr;
    QLabel* m_photo = nullptr;
};

} // namespace vantorel
