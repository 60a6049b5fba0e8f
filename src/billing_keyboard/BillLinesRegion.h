#pragma once

#include "Bills.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vantorel {

// The bottom of the keyboard billing screen ("Today's Account"): the selected bill's lines, their total and
// the buttons of the side functions.
class BillLinesRegion : public QWidget {
    Q_OBJECT
public:
    explicit BillLinesRegion(QWidget* parent);

    void showBill(const BillView& view, bool wholeAccount);
    void clear();
    bool selectLine(const QString& lineNumber);
    void showLineButtons(bool shown);
    // The line under the cursor, or none.
    std::optional<BillLine> currentLine() const;

    QTreeWidget* list() const { return m_list; }
    QPushButton* billComment() const { return m_billComment; }
    QPushButton* cashDrawer() const { return m_cashDrawer; }
    QPushButton* salesToday() const { return m_salesToday; }
    QPushButton* calculator() const { return m_calculator; }
    QPushButton* orderSlip() const { return m_orderSlip; }
    QPushButton* closeAccount() const { return m_closeAccount; }
    QPushButton* totalAccount() const { return m_totalAccount; }
    QPushButton* printVipBill() const { return m_printVipBill; }
    QPushButton* incentive() const { return m_incentive; }
    QPushButton* lockScreen() const { return m_lockScreen; }
    QPushButton* editLine() const { return m_edit; }
    QPushButton* deleteLine() const { return m_delete; }
    QPushButton* transferLine() const { return m_transfer; }
    void setOrderSlipShown(bool shown);

private:
    QLabel* m_header = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_total = nullptr;
    QLabel* m_orderSlipKey = nullptr;
    std::vector<BillLine> m_lines;
    QPushButton* m_billComment = nullptr;
    QPushButton* m_cashDrawer = nullptr;
    QPushButton* m_salesToday = nullptr;
    QPushButton* m_calculator = nullptr;
    QPushButton* m_orderSlip = nullptr;
    QPushButton* m_closeAccount = nullptr;
    QPushButton* m_totalAccount = nullptr;
    QPushButton* m_printVipBill = nullptr;
    QPushButton* m_incentive = nullptr;
    QPushButton* m_lockScreen = nullptr;
    QPushButton* m_edit = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_transfer = nullptr;
};

} // namespace vantorel
