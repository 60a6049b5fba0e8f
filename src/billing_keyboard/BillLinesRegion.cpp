#include "BillLinesRegion.h"

#include "AmountText.h"
#include "KeyboardControls.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

namespace vantorel {

namespace {

constexpr int ButtonWidth = 84;
constexpr int ButtonHeight = 30;

QPushButton* sideButton(QWidget* parent, const QString& text, const QString& name, int column, int row,
                        const QString& functionKey = QString()) {
    const int x = column == 0 ? 622 : 708;
    const int y = 4 + row * 32;
    QPushButton* b = MakeButton(parent, text, name, QRect(x, y, ButtonWidth, ButtonHeight), 11);
    b->setFocusPolicy(Qt::NoFocus);
    if (!functionKey.isEmpty())
        MakeLabel(parent, functionKey, QRect(column == 0 ? 607 : 693, y + 8, 16, 14), 10, true,
                  name + QStringLiteral("Key"));
    return b;
}

} // namespace

BillLinesRegion::BillLinesRegion(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("BillLinesRegion"));
    m_header = MakeLabel(this, QStringLiteral("Today's Account"), QRect(8, 2, 300, 20), 15, true,
                         QStringLiteral("LinesHeader"));
    m_list = MakeList(this, QStringLiteral("LineList"), QRect(8, 24, 596, 142),
                      {QStringLiteral("No."), QStringLiteral("Date"), QStringLiteral("Time"),
                       QStringLiteral("Menu Item"), QStringLiteral("Price"), QStringLiteral("Qty"),
                       QStringLiteral("Amount"), QStringLiteral("FOC"), QStringLiteral("Disc%"),
                       QStringLiteral("Total")});
    // Every column fixed, so that the amounts on the right stay in view.
    const int widths[] = {32, 58, 42, 148, 60, 32, 64, 32, 40, 80};
    m_list->header()->setStretchLastSection(false);
    for (int i = 0; i < 10; ++i) {
        m_list->header()->setSectionResizeMode(i, QHeaderView::Fixed);
        m_list->setColumnWidth(i, widths[i]);
    }
    m_total = MakeLabel(this, QString(), QRect(424, 168, 180, 24), 15, true, QStringLiteral("LinesTotal"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_edit =
        MakeButton(this, QStringLiteral("&Edit"), QStringLiteral("EditLineBut"), QRect(8, 168, 80, 26), 12);
    m_delete = MakeButton(this, QStringLiteral("&Delete"), QStringLiteral("DeleteLineBut"),
                          QRect(94, 168, 80, 26), 12);
    m_transfer = MakeButton(this, QStringLiteral("&Merge && Split"), QStringLiteral("TransferLineBut"),
                            QRect(180, 168, 120, 26), 12);
    showLineButtons(false);

    m_billComment = sideButton(this, QStringLiteral("Bill comment"), QStringLiteral("BillCommentBut"), 0, 0,
                               QStringLiteral("F6"));
    m_cashDrawer = sideButton(this, QStringLiteral("Cash drawer"), QStringLiteral("CashDrawerBut"), 0, 1,
                              QStringLiteral("F7"));
    m_salesToday = sideButton(this, QStringLiteral("Sales today"), QStringLiteral("SalesTodayBut"), 0, 2,
                              QStringLiteral("F5"));
    m_calculator = sideButton(this, QStringLiteral("Calculator"), QStringLiteral("CalculatorBut"), 0, 3,
                              QStringLiteral("F8"));
    m_orderSlip = sideButton(this, QStringLiteral("Order Slip"), QStringLiteral("OrderSlipBut"), 0, 4,
                             QStringLiteral("F9"));
    m_orderSlipKey = findChild<QLabel*>(QStringLiteral("OrderSlipButKey"));
    m_closeAccount =
        sideButton(this, QStringLiteral("Close Account"), QStringLiteral("CloseAccountBut"), 1, 0);
    m_totalAccount =
        sideButton(this, QStringLiteral("Total Account"), QStringLiteral("TotalAccountBut"), 1, 1);
    m_printVipBill =
        sideButton(this, QStringLiteral("Print VIP Bill"), QStringLiteral("PrintVipBillBut"), 1, 2);
    m_incentive = sideButton(this, QStringLiteral("Incentive"), QStringLiteral("IncentiveBut"), 1, 3);
    m_lockScreen = sideButton(this, QStringLiteral("Lock Screen"), QStringLiteral("LockScreenBut"), 1, 4);
    setOrderSlipShown(false);
    m_closeAccount->hide();
    m_totalAccount->hide();
    m_printVipBill->hide();
    m_incentive->hide();
    m_lockScreen->hide();
}

void BillLinesRegion::setOrderSlipShown(bool shown) {
    m_orderSlip->setVisible(shown);
    m_orderSlipKey->setVisible(shown);
}

void BillLinesRegion::showBill(const BillView& view, bool wholeAccount) {
    m_lines = view.lines;
    m_header->setText(wholeAccount ? QStringLiteral("Total Account") : QStringLiteral("Today's Account"));
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const BillLine& l : m_lines) {
        const bool foc = l.discountPercent >= 100;
        auto* row = new QTreeWidgetItem(
            QStringList{l.lineNumber, l.orderDate.toString(QStringLiteral("dd/MM/yy")),
                        l.orderDate.toString(QStringLiteral("HH:mm")), l.item, FormatAmount(l.price),
                        QString::number(l.quantity), FormatAmount(l.sumItem),
                        foc ? QStringLiteral("Y") : QStringLiteral("N"),
                        QString::number(foc ? 0 : l.discountPercent), FormatAmount(l.amount)});
        for (int c : {4, 5, 6, 8, 9})
            row->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    m_total->setText(view.shownTotal.isZero() ? QString() : FormatAmount(view.shownTotal));
    const bool customer = view.header && view.header->isCustomerBill();
    m_closeAccount->setVisible(view.mayCloseEmpty && !customer);
    m_totalAccount->setVisible(view.hasEarlierLines || wholeAccount);
    m_totalAccount->setText(wholeAccount ? QStringLiteral("Today") : QStringLiteral("Total Account"));
    m_printVipBill->setVisible(customer && view.lineCount > 0);
    showLineButtons(false);
}

void BillLinesRegion::clear() {
    m_lines.clear();
    m_list->clear();
    m_total->clear();
    m_header->setText(QStringLiteral("Today's Account"));
    m_closeAccount->hide();
    m_totalAccount->hide();
    m_printVipBill->hide();
    showLineButtons(false);
}

bool BillLinesRegion::selectLine(const QString& lineNumber) {
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (m_list->topLevelItem(i)->text(0) == lineNumber) {
            m_list->setCurrentItem(m_list->topLevelItem(i));
            m_list->scrollToItem(m_list->topLevelItem(i));
            return true;
        }
    }
    return false;
}

void BillLinesRegion::showLineButtons(bool shown) {
    m_edit->setVisible(shown);
    m_delete->setVisible(shown);
    m_transfer->setVisible(shown);
}

std::optional<BillLine> BillLinesRegion::currentLine() const {
    const int row = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    if (row < 0 || row >= static_cast<int>(m_lines.size()))
        return std::nullopt;
    return m_lines[static_cast<size_t>(row)];
}

} // namespace vantorel
