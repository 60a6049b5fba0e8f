#include "TF02.h"

#include "BillLines.h"
#include "BillLinesRegion.h"
#include "BillStore.h"
#include "BillingMessages.h"
#include "CashDrawer.h"
#include "CashReturnPanel.h"
#include "CupsPrintSink.h"
#include "Database.h"
#include "DialogState.h"
#include "FirstInvoicePanel.h"
#include "KeyboardControls.h"
#include "MiscellaneousDialog.h"
#include "NewAccountPanel.h"
#include "OpenAccountsRegion.h"
#include "OrderEntryRegion.h"
#include "OrderSlips.h"
#include "PaymentPanel.h"
#include "PrintServices.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReceiptPrinting.h"
#include "Settings.h"
#include "Settlement.h"
#include "StartupCashPanel.h"
#include "TFuserID.h"
#include "TableBox.h"
#include "TableLabels.h"
#include "TaxSettings.h"
#include "TextHelpers.h"
#include "UnitOfWork.h"
#include "UserPhoto.h"
#include "VipAccountPanel.h"
#include "WorkstationIni.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace vantorel {

namespace {

constexpr int NoVipFlashMilliseconds = 800;

const QString MiscellaneousInventoryNote = QStringLiteral(
    "If the miscellaneous item contains Menu Items that are under     \nInventory Control you MUST adjust "
    "inventory of that item!     \n\nPlease go to Utilities/Inventory/Adjust Inventory.");

QString functionKeyName(int key) {
    return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
}

} // namespace

TF02::TF02(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock, QWidget* parent)
    : FullScreenForm(clock, parent), m_db(db), m_state(state), m_prompter(prompter), m_clock(clock),
      m_gate(this, canvas()),
      m_devices(prompter), m_context{db, state, prompter, clock, m_gate, m_devices, [this]() -> PrintSink& {
                                         return m_sink ? *m_sink
                                                       : static_cast<PrintSink&>(CupsPrintSink::instance());
                                     }} {
    setWindowTitle(QStringLiteral("Billing"));
    setTitle(QStringLiteral("Billing"));
    buildControls();
    wireControls();
    RunAction(m_context, [this] { formCreate(); });
}

TF02::~TF02() = default;

void TF02::buildControls() {
    QWidget* c = canvas();
    c->setStyleSheet(ButtonStyle());
    m_top = new OpenAccountsRegion(c);
    m_top->setGeometry(0, TitleBarHeight + 2, DesignWidth, 168);
    m_entry = new OrderEntryRegion(m_context, c);
    m_entry->setGeometry(0, 208, DesignWidth, 176);
    m_lines = new BillLinesRegion(c);
    m_lines->setGeometry(0, 386, DesignWidth, 198);

    m_tableBox = new TableBox(m_prompter, c);
    m_newAccount = new NewAccountPanel(m_context, c);
    m_vipAccount = new VipAccountPanel(m_context, c);
    m_firstPrint = new FirstInvoicePanel(m_context, c);
    m_payment = new PaymentPanel(m_context, c);
    m_cashReturn = new CashReturnPanel(m_context, c);
    m_miscellaneous = new MiscellaneousDialog(m_prompter, c);
    m_startupCash = new StartupCashPanel(c);

    m_entry->installKeyFilter(this);
    m_top->list()->installEventFilter(this);
    m_lines->list()->installEventFilter(this);
}

void TF02::wireControls() {
    connect(m_top->list(), &QTreeWidget::currentItemChanged, this, [this] {
        const QString number = m_top->currentBill();
        if (!number.isEmpty() && number != m_bill)
            selectBill(number);
    });
    connect(m_top->list(), &QTreeWidget::itemClicked, this, [this] {
        const QString number = m_top->currentBill();
        if (!number.isEmpty() && number != m_bill)
            selectBill(number);
    });
    connect(m_top->tableButton(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F1); });
    connect(m_top->newAccountButton(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F2); });
    connect(m_top->vipButton(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F3); });
    connect(m_top->settleButton(), &QPushButton::clicked, this, &TF02::settleAccount);
    connect(m_top->closeButton(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F10); });
    connect(m_top->changeTableButton(), &QPushButton::clicked, this, &TF02::changeTable);
    connect(m_top->changeAliasButton(), &QPushButton::clicked, this, &TF02::changeAlias);
    connect(m_top->changePaxButton(), &QPushButton::clicked, this, &TF02::changePax);

    connect(m_lines->salesToday(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F5); });
    connect(m_lines->billComment(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F6); });
    connect(m_lines->cashDrawer(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F7); });
    connect(m_lines->calculator(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F8); });
    connect(m_lines->orderSlip(), &QPushButton::clicked, this, [this] { functionKey(Qt::Key_F9); });
    connect(m_lines->closeAccount(), &QPushButton::clicked, this, &TF02::closeAccount);
    connect(m_lines->totalAccount(), &QPushButton::clicked, this, &TF02::toggleWholeAccount);
    connect(m_lines->printVipBill(), &QPushButton::clicked, this, &TF02::printVipBill);
    connect(m_lines->incentive(), &QPushButton::clicked, this,
            [this] { notAvailable(QStringLiteral("The incentive figures")); });
    connect(m_lines->lockScreen(), &QPushButton::clicked, this,
            [this] { notAvailable(QStringLiteral("Lock Screen")); });
    connect(m_lines->editLine(), &QPushButton::clicked, this, [this] { lineAction(QLatin1Char('E')); });
    connect(m_lines->deleteLine(), &QPushButton::clicked, this, [this] { lineAction(QLatin1Char('D')); });
    connect(m_lines->transferLine(), &QPushButton::clicked, this, [this] { lineAction(QLatin1Char('M')); });

    connect(m_entry, &OrderEntryRegion::booked, this, &TF02::booked);
    connect(m_entry, &OrderEntryRegion::billGone, this, &TF02::billGone);
    connect(m_entry, &OrderEntryRegion::miscellaneousRequested, this, &TF02::openMiscellaneous);

    connect(m_tableBox, &TableBox::tableEntered, this, &TF02::tableEntered);
    connect(m_tableBox, &TableBox::paxEntered, this, &TF02::tablePaxEntered);
    connect(m_tableBox, &TableBox::emptyEntered, this, [this] { tableBoxClosed(true); });
    connect(m_tableBox, &TableBox::escaped, this, [this] { tableBoxClosed(false); });
    connect(m_newAccount, &NewAccountPanel::opened, this, &TF02::billOpened);
    connect(m_newAccount, &NewAccountPanel::cancelled, this, &TF02::backToEntry);
    connect(m_vipAccount, &VipAccountPanel::opened, this, &TF02::billOpened);
    connect(m_vipAccount, &VipAccountPanel::cancelled, this, &TF02::backToEntry);
    connect(m_firstPrint, &FirstInvoicePanel::firstBillPrinted, this, [this](const QString& bill) {
        setRegionsEnabled(true);
        reloadOpenBills(bill);
        backToEntry();
    });
    connect(m_firstPrint, &FirstInvoicePanel::directPaymentChosen, this,
            [this](const QString& bill) { openPayment(bill, true); });
    connect(m_firstPrint, &FirstInvoicePanel::closedWithout, this, &TF02::panelClosed);
    connect(m_payment, &PaymentPanel::settled, this, &TF02::settled);
    connect(m_payment, &PaymentPanel::closedWithout, this, &TF02::panelClosed);
    connect(m_cashReturn, &CashReturnPanel::finished, this, &TF02::cashReturnFinished);
    connect(m_miscellaneous, &MiscellaneousDialog::saved, this, [this](const MiscellaneousEntry& entry) {
        setRegionsEnabled(true);
        m_entry->bookMiscellaneous(entry);
    });
    connect(m_miscellaneous, &MiscellaneousDialog::cancelled, this, [this] {
        setRegionsEnabled(true);
        m_entry->resetEntry();
        m_entry->focusEntry();
    });
    connect(m_startupCash, &StartupCashPanel::answered, this, &TF02::startupCashAnswered);
}

void TF02::formCreate() {
    m_devices.load(m_db);
    m_devices.clearPole();
    {
        UnitOfWork work(m_db);
        SetSetMenuNote(m_db, QString());
        NormalizeStoredDelay(m_db);
        work.commit();
    }
    CleanOpenBillList(m_db);
    SetPrintBillOnOpenBills(m_db);
    m_billRounding = LoadBillRounding(m_db);
    m_startupCashChecked = BillsOfBusinessDayExist(m_db, m_clock);
    m_entry->loadMenu();
    m_openBills = LoadOpenBillList(m_db);
    m_top->showBills(m_openBills.bills);
}

void TF02::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // Once the screen is on view, so that the prompts and panels appear over it.
    QTimer::singleShot(0, this, [this] { formActivate(); });
}

void TF02::formActivate() {
    RunAction(m_context, [this] {
        CleanBarslip(m_db, m_state);
        RegisterPaidBills(m_db, m_state, m_clock);
    });
    m_lines->setOrderSlipShown(false);
    int idleTimeout = 0;
    RunAction(m_context, [&] { idleTimeout = ReadUtility(m_db).billingTimer; });
    m_lines->incentive()->setVisible(m_state.settings.incentivesInUse);
    m_lines->lockScreen()->setVisible(m_state.settings.userIdMode && idleTimeout > 0);
    m_entry->setSearchMode(OrderEntryRegion::Mode::SpeedCode);
    m_entry->setSetMenuAvailable(m_state.settings.setMenuPricesActive);
    if (m_state.settings.userIdMode)
        askUserId(false);
    showUser();
    if (m_top->billCount() == 0) {
        m_entry->setBill(std::nullopt, std::nullopt, false);
        openTableBox();
        return;
    }
    selectBill(m_top->firstBill());
    backToEntry();
}

void TF02::askUserId(bool exitOffered) {
    TFuserID prompt(this, m_state, m_clock, m_prompter);
    prompt.setExitVisible(exitOffered);
    DialogAnswer().clear();
    prompt.exec();
    const QString answer = DialogAnswer();
    DialogAnswer().clear();
    if (answer == QLatin1String("CloseBilling"))
        done(0);
}

void TF02::showUser() {
    m_top->showUser(CapitalizeName(m_state.currentUserName),
                    FindUserPhoto(m_state.dataFolder, m_state.currentUserName));
}

// --- Bills ----------------------------------------------------------------------------------------------

void TF02::reloadOpenBills(const QString& select) {
    if (!RunAction(m_context, [this] { m_openBills = LoadOpenBillList(m_db); }))
        return;
    m_top->showBills(m_openBills.bills);
    const QString wanted = select.isEmpty() ? m_bill : select;
    bool listed = false;
    for (const OpenBillEntry& e : m_openBills.bills)
        listed = listed || e.number == wanted;
    if (wanted.isEmpty() || !listed) {
        clearSelection();
        return;
    }
    if (wanted == m_bill && select.isEmpty()) {
        m_top->markBill(wanted);
        refreshBill();
        return;
    }
    selectBill(wanted);
}

void TF02::selectBill(const QString& number) {
    BillView view;
    if (!RunAction(m_context, [&] {
            CleanBarslip(m_db, m_state);
            RenumberItems(m_db, m_prompter, number);
            view = LoadBill(m_db, m_clock, number, false);
        }))
        return;
    if (!view.header || !view.header->isOpen()) {
        m_bill.clear();
        reloadOpenBills();
        return;
    }
    m_bill = number;
    m_view = view;
    m_wholeAccount = false;
    m_top->markBill(number);
    m_top->setSettleCaption(view.header->firstPrint);
    m_lines->showBill(view, false);
    m_lines->setOrderSlipShown(false);
    m_entry->setBill(view.header, view.account, true);
}

void TF02::refreshBill(const QString& lineToSelect) {
    if (m_bill.isEmpty())
        return;
    BillView view;
    bool pending = false;
    if (!RunAction(m_context, [&] {
            view = LoadBill(m_db, m_clock, m_bill, m_wholeAccount);
            pending = UserOrderSlipPending(m_db, m_state);
        }))
        return;
    if (!view.header || !view.header->isOpen()) {
        m_bill.clear();
        reloadOpenBills();
        return;
    }
    m_view = view;
    m_top->setSettleCaption(view.header->firstPrint);
    m_lines->showBill(view, m_wholeAccount);
    m_lines->setOrderSlipShown(pending);
    if (!lineToSelect.isEmpty())
        m_lines->selectLine(lineToSelect);
    m_entry->setAccount(view.account);
}

void TF02::clearSelection() {
    m_bill.clear();
    m_view = BillView();
    m_top->markBill(QString());
    m_top->setSettleCaption(false);
    m_lines->clear();
    m_lines->setOrderSlipShown(false);
    m_entry->setBill(std::nullopt, std::nullopt, m_top->billCount() > 0);
}

void TF02::selectFirstBill(bool beepWhenNone) {
    if (m_top->billCount() == 0) {
        if (beepWhenNone)
            m_prompter.beep(0);
        clearSelection();
        return;
    }
    selectBill(m_top->firstBill());
}

void TF02::setRegionsEnabled(bool enabled) {
    m_top->setEnabled(enabled);
    m_entry->setEnabled(enabled);
    m_lines->setEnabled(enabled);
}

void TF02::backToEntry() {
    setRegionsEnabled(true);
    if (m_bill.isEmpty() && m_top->billCount() > 0) {
        m_top->list()->setFocus();
        return;
    }
    m_entry->focusEntry();
}

bool TF02::anyPanelOpen() const {
    for (const KeyboardPanel* p : std::initializer_list<const KeyboardPanel*>{
             m_tableBox, m_newAccount, m_vipAccount, m_firstPrint, m_payment, m_cashReturn, m_miscellaneous,
             m_startupCash}) {
        if (p->isOpen())
            return true;
    }
    return false;
}

// --- Keys -----------------------------------------------------------------------------------------------

bool TF02::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return FullScreenForm::eventFilter(watched, event);
    return globalKey(watched, static_cast<QKeyEvent*>(event));
}

bool TF02::globalKey(QObject* watched, QKeyEvent* key) {
    if (anyPanelOpen())
        return false;
    const int k = key->key();
    if (k >= Qt::Key_F1 && k <= Qt::Key_F10 &&
        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        functionKey(k);
        return true;
    }
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const bool inEntry = watched == m_entry->codeField() || watched == m_entry->itemList() ||
                         watched->objectName() == QLatin1String("MainGroupList") ||
                         watched->objectName() == QLatin1String("MenuGroupList");
    if (ctrl) {
        switch (k) {
        case Qt::Key_T:
            changeTable();
            return true;
        case Qt::Key_N:
            changeAlias();
            return true;
        case Qt::Key_P:
            changePax();
            return true;
        case Qt::Key_Down:
            if (m_lines->list()->topLevelItemCount() > 0) {
                m_lines->list()->setFocus();
                if (!m_lines->list()->currentItem())
                    m_lines->list()->setCurrentItem(m_lines->list()->topLevelItem(0));
            }
            return true;
        case Qt::Key_Up:
            m_top->list()->setFocus();
            return true;
        case Qt::Key_A:
            if (inEntry) {
                m_entry->setSearchMode(m_entry->mode() == OrderEntryRegion::Mode::Name
                                           ? OrderEntryRegion::Mode::SpeedCode
                                           : OrderEntryRegion::Mode::Name);
                m_entry->resetEntry();
                m_entry->focusEntry();
            }
            return true;
        case Qt::Key_M:
            if (inEntry) {
                m_entry->setSearchMode(OrderEntryRegion::Mode::Groups);
                m_entry->resetEntry();
                m_entry->focusEntry();
            }
            return true;
        default:
            break;
        }
    }
    if (k == Qt::Key_Alt && watched == m_entry->codeField()) {
        m_entry->toggleSetMenu();
        return true;
    }
    if (watched == m_top->list()) {
        if (IsEnter(key)) {
            const QString number = m_top->currentBill();
            if (!number.isEmpty() && number != m_bill)
                selectBill(number);
            backToEntry();
            return true;
        }
        if (k == Qt::Key_Escape) {
            backToEntry();
            return true;
        }
        return false;
    }
    if (watched == m_lines->list()) {
        if (k == Qt::Key_Tab || k == Qt::Key_Backtab)
            return true;
        if (IsEnter(key)) {
            if (m_lines->currentLine())
                m_lines->showLineButtons(true);
            return true;
        }
        if (k == Qt::Key_Escape) {
            m_lines->showLineButtons(false);
            backToEntry();
            return true;
        }
        const QString text = key->text().toUpper();
        if (text == QLatin1String("E") || text == QLatin1String("D") || text == QLatin1String("M")) {
            lineAction(text.at(0));
            return true;
        }
    }
    return false;
}

void TF02::functionKey(int key) {
    if (anyPanelOpen())
        return;
    const bool blocked = m_entry->accountBlocked();
    const bool needsBill = key == Qt::Key_F4 || key == Qt::Key_F6 || key == Qt::Key_F9;
    if (needsBill && m_bill.isEmpty()) {
        m_prompter.beep(0);
        return;
    }
    // A blocked customer account can still be settled and the screen closed.
    if (blocked && key != Qt::Key_F1 && key != Qt::Key_F4 && key != Qt::Key_F10) {
        m_prompter.beep(0);
        return;
    }
    switch (key) {
    case Qt::Key_F1:
        openTableBox();
        break;
    case Qt::Key_F2:
        newAccount();
        break;
    case Qt::Key_F3:
        vipAccount();
        break;
    case Qt::Key_F4:
        settleAccount();
        break;
    case Qt::Key_F5:
        notAvailable(QStringLiteral("Today's sales summary"));
        break;
    case Qt::Key_F6:
        notAvailable(QStringLiteral("The bill comment"));
        break;
    case Qt::Key_F7:
        cashDrawer();
        break;
    case Qt::Key_F8:
        notAvailable(QStringLiteral("The calculator"));
        break;
    case Qt::Key_F9:
        orderSlip();
        break;
    case Qt::Key_F10:
        closeScreen();
        break;
    default:
        notAvailable(functionKeyName(key));
        break;
    }
}

// --- Table box, new bills --------------------------------------------------------------------------------

void TF02::openTableBox() {
    setRegionsEnabled(false);
    m_tableBox->openBox();
}

void TF02::tableBoxClosed(bool beepWhenNone) {
    m_tableBox->close();
    setRegionsEnabled(true);
    reloadOpenBills();
    selectFirstBill(beepWhenNone);
    backToEntry();
}

void TF02::tableEntered(const QString& typed) {
    QString digits = typed;
    QChar letter;
    if (!digits.isEmpty() && digits.back().isLetter()) {
        letter = digits.back().toLower();
        digits.chop(1);
    }
    const TableInput input = ParseTableInput(digits);
    if (input.table.isEmpty())
        return;
    if (!RunAction(m_context, [this] { m_openBills = LoadOpenBillList(m_db); }))
        return;
    m_top->showBills(m_openBills.bills);
    const QString wanted = letter.isNull() ? input.table : input.table + letter;
    QString found;
    QStringList atTable;
    for (const OpenBillEntry& e : m_openBills.bills) {
        if (e.table.compare(wanted, Qt::CaseInsensitive) == 0)
            found = e.number;
        if (TableOfLabel(e.table) == input.table)
            atTable << e.number;
    }
    if (found.isEmpty() && !atTable.isEmpty()) {
        m_prompter.showMessage(
            QStringLiteral("To add another account to a table,  \rgoto [New Accounts] --> F2"),
            QStringLiteral("Multiple accounts"), Prompter::Icon::Information);
        found = atTable.front();
    }
    if (!found.isEmpty()) {
        m_tableBox->close();
        setRegionsEnabled(true);
        selectBill(found);
        backToEntry();
        return;
    }
    m_tableBox->askPax(input.table);
}

void TF02::tablePaxEntered(const QString& table, const QString& pax) {
    BillOpenResult opened;
    if (!RunAction(m_context,
                   [&] { opened = CreateQuickBill(m_db, m_state, m_prompter, m_clock, table, pax); }))
        return;
    if (opened.outcome != BillingOutcome::Done) {
        m_tableBox->openBox();
        return;
    }
    m_tableBox->close();
    setRegionsEnabled(true);
    reloadOpenBills(opened.billNumber);
    backToEntry();
    if (!m_startupCashChecked)
        runStartupCashCheck();
}

void TF02::newAccount() {
    setRegionsEnabled(false);
    m_newAccount->openPanel();
    if (!m_newAccount->isOpen())
        backToEntry();
}

void TF02::vipAccount() {
    if (!RunAction(m_context, [this] { m_openBills = LoadOpenBillList(m_db); }))
        return;
    if (m_openBills.accountsForAllocation.isEmpty()) {
        m_top->flashVipButton(QStringLiteral("No VIP Account"), NoVipFlashMilliseconds);
        return;
    }
    setRegionsEnabled(false);
    m_vipAccount->openPanel(m_openBills.accountsForAllocation);
}

void TF02::billOpened(const QString& bill) {
    setRegionsEnabled(true);
    reloadOpenBills(bill);
    backToEntry();
}

// --- Settlement -----------------------------------------------------------------------------------------

void TF02::settleAccount() {
    if (anyPanelOpen())
        return;
    if (m_bill.isEmpty() || !m_view.header || m_view.lineCount == 0) {
        m_prompter.beep(0);
        return;
    }
    RunAction(m_context, [this] { CleanBarslip(m_db, m_state); });
    m_lines->setOrderSlipShown(false);
    if (m_view.header->firstPrint) {
        openPayment(m_bill, false);
        return;
    }
    setRegionsEnabled(false);
    if (!m_firstPrint->openBill(m_bill, m_billRounding)) {
        setRegionsEnabled(true);
        reloadOpenBills();
        backToEntry();
    }
}

void TF02::openPayment(const QString& bill, bool afterDirectPayment) {
    setRegionsEnabled(false);
    BillingOutcome outcome = BillingOutcome::Refused;
    if (m_payment->openBill(bill, afterDirectPayment, &outcome))
        return;
    if (outcome == BillingOutcome::BillChanged && m_firstPrint->openBill(bill, m_billRounding))
        return;
    setRegionsEnabled(true);
    reloadOpenBills();
    backToEntry();
}

void TF02::panelClosed(BillingOutcome outcome) {
    setRegionsEnabled(true);
    if (outcome == BillingOutcome::BillClosed || outcome == BillingOutcome::BillChanged)
        reloadOpenBills();
    else
        refreshBill();
    backToEntry();
}

void TF02::settled(const SettlementResult& result, const QString& bill, bool afterDirectPayment) {
    m_bill.clear();
    reloadOpenBills();
    m_cashReturn->openFor(result, bill, afterDirectPayment);
}

void TF02::cashReturnFinished() {
    setRegionsEnabled(true);
    if (m_top->billCount() == 0) {
        openTableBox();
        return;
    }
    m_top->list()->setFocus();
}

void TF02::runStartupCashCheck() {
    Money amount;
    if (!RunAction(m_context, [&] { amount = StartupCashToCheck(m_db); }))
        return;
    if (amount <= Money())
        return;
    m_devices.openCashDrawer();
    setRegionsEnabled(false);
    m_startupCash->openFor(amount);
}

void TF02::startupCashAnswered(bool accepted) {
    RunAction(m_context,
              [&] { RecordStartupCashAnswer(m_db, m_state, m_clock, m_startupCash->amount(), accepted); });
    m_startupCashChecked = true;
    backToEntry();
}

// --- Booking --------------------------------------------------------------------------------------------

void TF02::booked(const LineResult& result, const QString& bill) {
    if (bill != m_bill)
        return;
    refreshBill(result.lineNumber);
    m_entry->resetEntry();
    m_entry->focusEntry();
    for (const BillLine& l : m_view.lines) {
        if (l.lineNumber == result.lineNumber && billingdetail::IsMiscellaneous(l.item)) {
            m_prompter.showMessage(MiscellaneousInventoryNote, QStringLiteral("  Miscellaneous"),
                                   Prompter::Icon::Information);
            break;
        }
    }
}

void TF02::billGone(BillingOutcome outcome) {
    if (outcome == BillingOutcome::BillClosed) {
        m_bill.clear();
        reloadOpenBills();
    } else {
        refreshBill();
    }
    m_entry->resetEntry();
    backToEntry();
}

void TF02::openMiscellaneous() {
    setRegionsEnabled(false);
    m_miscellaneous->openDialog();
}

// --- Side functions -------------------------------------------------------------------------------------

void TF02::notAvailable(const QString& function) {
    m_prompter.showMessage(function + QStringLiteral(" is not part of this version of Vantorel yet."),
                           QStringLiteral("  Not available yet"), Prompter::Icon::Information);
}

void TF02::cashDrawer() {
    RunAction(m_context, [this] { CleanBarslip(m_db, m_state); });
    m_lines->setOrderSlipShown(false);
    const auto code =
        m_prompter.askText(QStringLiteral("Enter User Code"), QStringLiteral("Open Cash Drawer"), 6, true);
    if (!code || code->isEmpty()) {
        backToEntry();
        return;
    }
    bool allowed = false;
    RunAction(m_context, [&] { allowed = MayOpenCashDrawer(m_db, m_state, m_clock, *code); });
    if (allowed)
        m_devices.openCashDrawer();
    backToEntry();
}

void TF02::orderSlip() {
    bool pending = false;
    if (!RunAction(m_context, [&] { pending = UserOrderSlipPending(m_db, m_state); }) || !pending)
        return;
    if (LinePrinterSettings::read(WorkstationIni(m_state.dataFolder)).inUse()) {
        notAvailable(QStringLiteral("Sending order slips to the kitchen and bar printers"));
        return;
    }
    RunAction(m_context, [&] {
        PrintServices services{m_db, m_state, m_clock, m_prompter, m_context.printSink()};
        PrintOrderSlip(services);
        pending = UserOrderSlipPending(m_db, m_state);
    });
    m_lines->setOrderSlipShown(pending);
    backToEntry();
}

void TF02::closeScreen() {
    if (!m_state.settings.userIdMode) {
        done(0);
        return;
    }
    askUserId(true);
    if (isVisible()) {
        showUser();
        backToEntry();
    }
}

void TF02::changeTable() {
    if (m_bill.isEmpty() || !m_view.header)
        return;
    const auto typed =
        m_prompter.askText(QStringLiteral("New Table Number"), QStringLiteral("  Table"), 2, false);
    if (!typed || typed->trimmed().isEmpty() || typed->trimmed().toInt() == 0) {
        backToEntry();
        return;
    }
    BillOpenResult moved;
    if (RunAction(m_context, [&] { moved = MoveBillToTable(m_db, m_prompter, m_bill, *typed); }))
        reloadOpenBills(moved.outcome == BillingOutcome::BillClosed ? QString() : m_bill);
    backToEntry();
}

void TF02::changeAlias() {
    if (m_bill.isEmpty() || !m_view.header)
        return;
    const auto typed =
        m_prompter.askText(QStringLiteral("Customer Name"), QStringLiteral("  Customer Alias"), 12, false);
    if (typed && RunAction(m_context, [&] { ChangeAlias(m_db, m_prompter, m_bill, *typed); }))
        reloadOpenBills(m_bill);
    backToEntry();
}

void TF02::changePax() {
    if (m_bill.isEmpty() || !m_view.header)
        return;
    const auto typed = m_prompter.askText(QStringLiteral("Number of Pax"), QStringLiteral("  Pax"), 3, false);
    if (typed && RunAction(m_context, [&] { ChangePax(m_db, m_prompter, m_bill, *typed); }))
        reloadOpenBills(m_bill);
    backToEntry();
}

void TF02::closeAccount() {
    if (m_bill.isEmpty())
        return;
    BillingOutcome outcome = BillingOutcome::Refused;
    if (!RunAction(m_context, [&] { outcome = CloseEmptyBill(m_db, m_state, m_prompter, m_clock, m_bill); }))
        return;
    if (outcome == BillingOutcome::Done || outcome == BillingOutcome::BillClosed) {
        m_bill.clear();
        reloadOpenBills();
        if (m_top->billCount() == 0) {
            openTableBox();
            return;
        }
    }
    backToEntry();
}

void TF02::toggleWholeAccount() {
    if (m_bill.isEmpty())
        return;
    m_wholeAccount = !m_wholeAccount;
    refreshBill();
    backToEntry();
}

void TF02::printVipBill() {
    if (m_bill.isEmpty() || !m_view.header || !m_view.header->isCustomerBill())
        return;
    RunAction(m_context, [this] {
        PrintServices services{m_db, m_state, m_clock, m_prompter, m_context.printSink()};
        PrintCustomerStatement(services, m_bill);
    });
    backToEntry();
}

void TF02::lineAction(QChar action) {
    const auto line = m_lines->currentLine();
    if (!line) {
        m_prompter.showMessage(QStringLiteral("Please select an item from the bill!  "), QString(),
                               Prompter::Icon::Exclamation);
        return;
    }
    const bool customer = m_view.header && m_view.header->isCustomerBill();
    if (!IsTodaysLine(*line, m_clock)) {
        const auto m = BillingMessage::OnlyTodaysOrders(customer, line->orderDate);
        m_prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
        m_wholeAccount = true;
        refreshBill();
        return;
    }
    if (action == QLatin1Char('D')) {
        DeleteRequest request;
        request.line = BillLineRef{line->billNumber, line->lineNumber,      line->item,
                                   line->price,      line->discountPercent, line->quantity};
        request.quantity = line->quantity;
        LineResult result;
        if (!RunAction(m_context,
                       [&] { result = DeleteItemFromBill(m_db, m_state, m_prompter, m_clock, request); }))
            return;
        if (result.outcome == BillingOutcome::BillClosed)
            m_bill.clear();
        reloadOpenBills();
        backToEntry();
        return;
    }
    if (action == QLatin1Char('M') && billingdetail::IsMiscellaneous(line->item)) {
        m_prompter.beep(0);
        return;
    }
    notAvailable(action == QLatin1Char('E') ? QStringLiteral("Changing a line")
                                            : QStringLiteral("Merge & Split"));
}

} // namespace vantorel
