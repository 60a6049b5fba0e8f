#pragma once

#include "BillingContext.h"
#include "Bills.h"
#include "CustomerDevices.h"
#include "FullScreenForm.h"
#include "InputGate.h"

class QKeyEvent;

namespace vantorel {

class BillLinesRegion;
class CashReturnPanel;
class FirstInvoicePanel;
class MiscellaneousDialog;
class NewAccountPanel;
class OpenAccountsRegion;
class OrderEntryRegion;
class PaymentPanel;
class PrintSink;
class StartupCashPanel;
class TableBox;
class VipAccountPanel;
struct LineResult;
struct SettlementResult;

// The keyboard billing screen: open bills at the top, order entry in the middle, the selected bill's lines
// at the bottom; every function on a function key or a Ctrl shortcut.
class TF02 : public FullScreenForm {
    Q_OBJECT
public:
    TF02(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock,
         QWidget* parent = nullptr);
    ~TF02() override;

    // Where receipts and order slips go (the system's printers unless set).
    void setPrintSink(PrintSink& sink) { m_sink = &sink; }
    CustomerDevices& devices() { return m_devices; }
    InputGate& inputGate() { return m_gate; }
    // The bill whose lines are shown, or empty.
    QString selectedBill() const { return m_bill; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void wireControls();
    void formCreate();
    void formActivate();
    void askUserId(bool exitOffered);
    void showUser();

    void reloadOpenBills(const QString& select = QString());
    void selectBill(const QString& number);
    void refreshBill(const QString& lineToSelect = QString());
    void clearSelection();
    void selectFirstBill(bool beepWhenNone);
    void setRegionsEnabled(bool enabled);
    void backToEntry();
    bool anyPanelOpen() const;

    bool globalKey(QObject* watched, QKeyEvent* key);
    void functionKey(int key);

    void openTableBox();
    void tableEntered(const QString& typed);
    void tablePaxEntered(const QString& table, const QString& pax);
    void tableBoxClosed(bool beepWhenNone);
    void newAccount();
    void vipAccount();
    void billOpened(const QString& bill);
    void settleAccount();
    void openPayment(const QString& bill, bool afterDirectPayment);
    void settled(const SettlementResult& result, const QString& bill, bool afterDirectPayment);
    void panelClosed(BillingOutcome outcome);
    void cashReturnFinished();
    void runStartupCashCheck();
    void startupCashAnswered(bool accepted);
    void booked(const LineResult& result, const QString& bill);
    void billGone(BillingOutcome outcome);
    void openMiscellaneous();

    void cashDrawer();
    void orderSlip();
    void closeScreen();
    void changeTable();
    void changeAlias();
    void changePax();
    void closeAccount();
    void toggleWholeAccount();
    void printVipBill();
    void lineAction(QChar action);
    void notAvailable(const QString& function);

    Database& m_db;
    ProgramState& m_state;
    Prompter& m_prompter;
    const Clock& m_clock;
    InputGate m_gate;
    CustomerDevices m_devices;
    PrintSink* m_sink = nullptr;
    BillingContext m_context;

    OpenAccountsRegion* m_top = nullptr;
    OrderEntryRegion* m_entry = nullptr;
    BillLinesRegion* m_lines = nullptr;
    TableBox* m_tableBox = nullptr;
    NewAccountPanel* m_newAccount = nullptr;
    VipAccountPanel* m_vipAccount = nullptr;
    FirstInvoicePanel* m_firstPrint = nullptr;
    PaymentPanel* m_payment = nullptr;
    CashReturnPanel* m_cashReturn = nullptr;
    MiscellaneousDialog* m_miscellaneous = nullptr;
    StartupCashPanel* m_startupCash = nullptr;

    OpenBillList m_openBills;
    QString m_bill;
    BillView m_view;
    bool m_wholeAccount = false;
    int m_billRounding = 0;
    bool m_startupCashChecked = false;
    bool m_activated = false;
};

} // namespace vantorel
