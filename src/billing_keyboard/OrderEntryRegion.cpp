#include "OrderEntryRegion.h"

#include "AmountText.h"
#include "BillAmounts.h"
#include "BillingMessages.h"
#include "FullScreenForm.h"
#include "KeyboardControls.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "Quantities.h"
#include "TableLabels.h"
#include "WindowHelpers.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace vantorel {

namespace {

constexpr int SpeedCodeLength = 5;
constexpr int NameLength = 30;
constexpr int FlashMilliseconds = 1000;
constexpr int MaxDiscountDigits = 2;

const QString MarketPriceCaption = QStringLiteral("Market Price");

void showInvalidInput(Prompter& prompter) {
    const auto m = BillingMessage::InvalidInput();
    prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
}

bool ignoredInCodeField(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Delete:
        return true;
    default:
        return false;
    }
}

bool isTab(const QKeyEvent* key) {
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

} // namespace

OrderEntryRegion::OrderEntryRegion(BillingContext& context, QWidget* parent)
    : QWidget(parent), m_context(context) {
    setObjectName(QStringLiteral("OrderEntryRegion"));
    buildControls();
    for (QWidget* w : std::initializer_list<QWidget*>{m_code, m_items, m_mainGroups, m_menuGroups, m_price,
                                                      m_quantity, m_discount, m_foc, m_ok})
        w->installEventFilter(this);
}

void OrderEntryRegion::installKeyFilter(QObject* filter) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_code, m_items, m_mainGroups, m_menuGroups, m_price,
                                                      m_quantity, m_discount, m_foc, m_ok})
        w->installEventFilter(filter);
}

void OrderEntryRegion::buildControls() {
    m_header =
        MakeLabel(this, QString(), QRect(8, 2, 520, 22), 15, true, QStringLiteral("AddToAccountHeader"));
    m_accountLabel =
        MakeLabel(this, QString(), QRect(530, 2, 140, 22), 13, true, QStringLiteral("VipAccountName"));
    m_creditLabel = MakeLabel(this, QString(), QRect(672, 2, 116, 22), 13, true, QStringLiteral("VipCredit"));
    m_creditLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    m_codeLabel = MakeLabel(this, QStringLiteral("Speedcode"), QRect(8, 28, 150, 18), 13, true,
                            QStringLiteral("CodeLabel"));
    m_code = MakeEdit(this, QStringLiteral("CodeEdit"), QRect(8, 46, 130, 30), SpeedCodeLength, 17);
    m_setMenuLabel = MakeLabel(this, QStringLiteral("Set Menu"), QRect(146, 50, 90, 22), 14, true,
                               QStringLiteral("SetMenuLabel"));
    m_setMenuLabel->setStyleSheet(QStringLiteral("color: darkred;"));
    m_setMenuLabel->hide();
    const QStringList hints{QStringLiteral("Ctrl+M Menu Select"), QStringLiteral("Ctrl+A Alpha Input"),
                            QStringLiteral("Esc to reset")};
    for (int i = 0; i < hints.size(); ++i)
        m_hints << MakeLabel(this, hints[i], QRect(8, 84 + i * 18, 230, 17), 12);
    m_setMenuHint =
        MakeLabel(this, QStringLiteral("Press [Alt] to toggle Set Menu"), QRect(8, 84 + 3 * 18, 230, 17), 12);
    m_hints << m_setMenuHint;
    m_setMenuHint->hide();

    m_mainGroups = new QListWidget(this);
    m_mainGroups->setObjectName(QStringLiteral("MainGroupList"));
    m_mainGroups->setFont(FullScreenForm::designFont(13));
    m_mainGroups->setGeometry(8, 28, 114, 146);
    m_menuGroups = new QListWidget(this);
    m_menuGroups->setObjectName(QStringLiteral("MenuGroupList"));
    m_menuGroups->setFont(FullScreenForm::designFont(13));
    m_menuGroups->setGeometry(126, 28, 114, 146);
    m_mainGroups->hide();
    m_menuGroups->hide();
    connect(m_mainGroups, &QListWidget::currentRowChanged, this, &OrderEntryRegion::fillMenuGroups);
    connect(m_menuGroups, &QListWidget::currentRowChanged, this, &OrderEntryRegion::fillGroupItems);

    m_items = MakeList(this, QStringLiteral("ItemList"), QRect(246, 28, 302, 146),
                       {QStringLiteral("Code"), QStringLiteral("Menu Item")});
    m_items->setColumnWidth(0, 70);
    connect(m_items, &QTreeWidget::itemDoubleClicked, this, [this] { chooseItem(); });

    m_priceLabel = MakeLabel(this, QStringLiteral("Price"), QRect(556, 28, 84, 18), 13, true,
                             QStringLiteral("PriceLabel"));
    m_price = MakeEdit(this, QStringLiteral("PriceEdit"), QRect(556, 46, 84, 28), 7);
    m_price->setAlignment(Qt::AlignRight);
    m_price->setReadOnly(true);
    MakeLabel(this, QStringLiteral("Quantity"), QRect(644, 28, 60, 18), 13, true);
    m_quantity = MakeEdit(this, QStringLiteral("QtyEdit"), QRect(644, 46, 54, 28), 3);
    m_quantity->setAlignment(Qt::AlignRight);
    MakeLabel(this, QStringLiteral("Total"), QRect(702, 28, 86, 18), 13, true);
    m_total = MakeLabel(this, QString(), QRect(702, 46, 86, 28), 15, true, QStringLiteral("TotalValue"));
    m_total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_total->setStyleSheet(QStringLiteral("background: white; padding-right: 4px;"));
    MakeLabel(this, QStringLiteral("Disc %"), QRect(556, 80, 60, 18), 13, true);
    m_discount = MakeEdit(this, QStringLiteral("DiscEdit"), QRect(556, 98, 50, 28), 3);
    m_discount->setAlignment(Qt::AlignRight);
    m_foc = MakeCheck(this, QStringLiteral("FOC"), QStringLiteral("FocBox"), QRect(616, 98, 70, 28));
    connect(m_foc, &QCheckBox::clicked, this, &OrderEntryRegion::focToggled);
    m_ok = MakeButton(this, QStringLiteral("OK"), QStringLiteral("OkBut"), QRect(702, 92, 86, 36), 15);
    connect(m_ok, &QPushButton::clicked, this, &OrderEntryRegion::okClick);

    m_customerNote = MakeLabel(this, WithLineFeeds(BillingMessage::CustomerAccountNoDiscount().text),
                               QRect(556, 130, 232, 44), 11, true, QStringLiteral("VipNote"));
    m_customerNote->setWordWrap(true);
    m_customerNote->setStyleSheet(QStringLiteral("color: darkred;"));
    m_customerNote->hide();
    m_blockedNote = MakeLabel(this, BillingMessage::BlockedAccount().text, QRect(246, 28, 302, 146), 18, true,
                              QStringLiteral("BlockedNote"));
    m_blockedNote->setWordWrap(true);
    m_blockedNote->setAlignment(Qt::AlignCenter);
    m_blockedNote->setStyleSheet(QStringLiteral("color: darkred;"));
    m_blockedNote->hide();
    m_costNote = MakeLabel(this, QStringLiteral("You MUST input Item Cost"), QRect(556, 130, 232, 20), 12,
                           true, QStringLiteral("CostNote"));
    m_costNote->setStyleSheet(QStringLiteral("color: darkred;"));
    m_costNote->hide();
    m_gauge = new QProgressBar(this);
    m_gauge->setObjectName(QStringLiteral("EntertainmentGauge"));
    m_gauge->setGeometry(556, 154, 232, 18);
    m_gauge->setRange(0, 100);
    m_gauge->hide();

    connect(m_code, &QLineEdit::textEdited, this, [this](const QString& text) {
        if (m_mode == Mode::SpeedCode && text != text.toUpper()) {
            const int cursor = m_code->cursorPosition();
            m_code->setText(text.toUpper());
            m_code->setCursorPosition(cursor);
        }
        search();
    });
    connect(m_quantity, &QLineEdit::textEdited, this, [this] { updateTotal(); });
    setTabOrder(m_code, m_items);
    setTabOrder(m_items, m_quantity);
    setTabOrder(m_quantity, m_discount);
    setTabOrder(m_discount, m_foc);
    setTabOrder(m_foc, m_ok);
}

void OrderEntryRegion::loadMenu() {
    m_menu = LoadMenu(m_context.db);
    search();
}

void OrderEntryRegion::setBill(const std::optional<BillHeader>& bill,
                               const std::optional<CustomerAccountStatus>& account, bool anyBillOpen) {
    m_bill = bill;
    m_anyBillOpen = anyBillOpen;
    setAccount(account);
    resetEntry();
}

void OrderEntryRegion::setAccount(const std::optional<CustomerAccountStatus>& account) {
    m_account = m_bill && m_bill->isCustomerBill() ? account : std::nullopt;
    const bool customer = m_bill && m_bill->isCustomerBill();
    const bool blocked = accountBlocked();
    const bool entertainment = m_account && m_account->entertainment;
    m_accountLabel->setText(customer ? m_bill->account : QString());
    if (m_account && !entertainment) {
        m_creditLabel->setText(FormatAmount(m_account->availableCredit));
        m_creditLabel->setStyleSheet(m_account->creditLow ? QStringLiteral("color: red;")
                                                          : QStringLiteral("color: teal;"));
        QFont f = m_creditLabel->font();
        f.setWeight(m_account->creditExhausted ? QFont::Black : QFont::Normal);
        m_creditLabel->setFont(f);
    } else if (entertainment) {
        m_creditLabel->setText(m_account->usedPercent.toPlainString(1) + QStringLiteral("%"));
        m_creditLabel->setStyleSheet(QString());
    } else {
        m_creditLabel->clear();
    }
    m_discount->setEnabled(!customer);
    m_foc->setEnabled(!customer);
    m_customerNote->setVisible(customer && !blocked);
    m_blockedNote->setVisible(blocked);
    m_items->setVisible(!blocked);
    m_gauge->setVisible(entertainment);
    if (entertainment)
        m_gauge->setValue(std::clamp(m_account->gaugePercent, 0, 100));
    m_priceLabel->setText(entertainment ? QStringLiteral("Cost") : QStringLiteral("Price"));
    showHeader();
}

bool OrderEntryRegion::accountBlocked() const {
    return m_account && m_account->blocked;
}

void OrderEntryRegion::showHeader() {
    if (m_flashing)
        return;
    if (!m_bill) {
        m_header->setText(QStringLiteral("Add to Account No."));
        return;
    }
    if (accountBlocked()) {
        m_header->setText(BillingMessage::BlockedAccount().caption);
        return;
    }
    QString text = QStringLiteral("Add to Account No. ") + m_bill->number + QStringLiteral("    Table ") +
                   TableDisplayLabel(m_bill->table);
    if (!m_bill->alias.isEmpty())
        text += QStringLiteral("    ") + m_bill->alias;
    m_header->setText(text);
}

void OrderEntryRegion::setSetMenuAvailable(bool available) {
    m_setMenuAvailable = available;
    m_setMenuHint->setVisible(available && m_mode != Mode::Groups);
    if (!available && m_setMenuMode)
        toggleSetMenu();
}

void OrderEntryRegion::toggleSetMenu() {
    if (!m_setMenuAvailable && !m_setMenuMode)
        return;
    m_setMenuMode = !m_setMenuMode;
    m_setMenuLabel->setVisible(m_setMenuMode);
    if (m_mode == Mode::Groups)
        fillMainGroups();
    else
        search();
}

void OrderEntryRegion::setSearchMode(Mode mode) {
    m_mode = mode;
    const bool groups = mode == Mode::Groups;
    m_codeLabel->setText(mode == Mode::Name ? QStringLiteral(" Menu Item") : QStringLiteral("Speedcode"));
    m_code->setMaxLength(mode == Mode::Name ? NameLength : SpeedCodeLength);
    m_code->clear();
    m_code->setVisible(!groups);
    m_codeLabel->setVisible(!groups);
    for (QLabel* hint : std::as_const(m_hints))
        hint->setVisible(!groups && (hint != m_setMenuHint || m_setMenuAvailable));
    m_mainGroups->setVisible(groups);
    m_menuGroups->setVisible(groups);
    if (groups)
        fillMainGroups();
    else
        search();
}

void OrderEntryRegion::resetEntry() {
    m_chosen.reset();
    m_price->clear();
    m_price->setReadOnly(true);
    m_price->setStyleSheet(QString());
    m_priceLabel->setText(m_account && m_account->entertainment ? QStringLiteral("Cost")
                                                                : QStringLiteral("Price"));
    m_priceLabel->setStyleSheet(QString());
    m_quantity->setText(QStringLiteral("1"));
    m_discount->setText(QStringLiteral("0"));
    m_foc->setChecked(false);
    m_total->clear();
    m_costNote->hide();
    if (m_mode == Mode::Groups) {
        fillGroupItems();
    } else {
        m_code->clear();
        search();
    }
}

void OrderEntryRegion::focusEntry() {
    if (m_mode == Mode::Groups) {
        if (m_menuGroups->currentRow() >= 0)
            m_menuGroups->setFocus();
        else
            m_mainGroups->setFocus();
    } else {
        m_code->setFocus();
    }
}

void OrderEntryRegion::showItems(const std::vector<MenuEntry>& items) {
    m_items->clear();
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (const MenuEntry& e : items)
        rows << new QTreeWidgetItem(QStringList{e.code, e.name});
    m_items->addTopLevelItems(rows);
}

void OrderEntryRegion::search() {
    if (m_mode == Mode::Groups)
        return;
    const QString typed = m_code->text();
    if (typed.isEmpty())
        showItems(MenuForMode(m_menu, m_setMenuMode));
    else if (m_mode == Mode::Name)
        showItems(FindByName(m_menu, typed, m_setMenuMode));
    else
        showItems(FindBySpeedCode(m_menu, typed, m_setMenuMode));
}

void OrderEntryRegion::flashNoBill() {
    m_flashing = true;
    m_header->setText(m_anyBillOpen ? QStringLiteral("Select an Account")
                                    : QStringLiteral("Open an Account"));
    m_header->setStyleSheet(QStringLiteral("color: red;"));
    QTimer::singleShot(FlashMilliseconds, this, [this] {
        m_flashing = false;
        m_header->setStyleSheet(QString());
        showHeader();
    });
}

void OrderEntryRegion::fillMainGroups() {
    const QSignalBlocker block(m_mainGroups);
    m_mainGroups->clear();
    m_mainGroups->addItems(MainGroups(m_menu, m_setMenuMode));
    m_mainGroups->setCurrentRow(m_mainGroups->count() > 0 ? 0 : -1);
    fillMenuGroups();
}

void OrderEntryRegion::fillMenuGroups() {
    const QSignalBlocker block(m_menuGroups);
    m_menuGroups->clear();
    if (const QListWidgetItem* main = m_mainGroups->currentItem())
        m_menuGroups->addItems(MenuGroups(m_menu, main->text(), m_setMenuMode));
    m_menuGroups->setCurrentRow(-1);
    m_items->clear();
}

void OrderEntryRegion::fillGroupItems() {
    if (const QListWidgetItem* group = m_menuGroups->currentItem())
        showItems(ItemsOfMenuGroup(m_menu, group->text(), m_setMenuMode));
    else
        m_items->clear();
}

void OrderEntryRegion::chooseItem() {
    if (!m_bill) {
        flashNoBill();
        return;
    }
    const QTreeWidgetItem* row = m_items->currentItem();
    if (!row || accountBlocked())
        return;
    std::optional<ChosenItem> item;
    bool hasMisc = false;
    const bool entertainment = m_account && m_account->entertainment;
    if (!RunAction(m_context, [&] {
            item = ChooseItem(m_context.db, row->text(1), entertainment);
            hasMisc = item && item->miscellaneous && HasMiscellaneousLine(m_context.db, m_bill->number);
        }))
        return;
    if (!item) {
        const auto m = BillingMessage::UnknownItem(row->text(1));
        m_context.prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
        loadMenu();
        return;
    }
    if (item->miscellaneous) {
        if (hasMisc) {
            const auto m = BillingMessage::SecondMiscellaneous();
            m_context.prompter.showMessage(m.text, m.caption, Prompter::Icon::Exclamation);
            return;
        }
        m_chosen = item;
        m_costNote->setVisible(entertainment);
        emit miscellaneousRequested();
        return;
    }
    m_chosen = item;
    m_price->setText(FormatAmount(item->price));
    if (item->marketPrice) {
        m_price->setReadOnly(false);
        m_price->setStyleSheet(QStringLiteral("color: red;"));
        m_priceLabel->setText(MarketPriceCaption);
        m_priceLabel->setStyleSheet(QStringLiteral("color: red;"));
        m_price->setText(item->price.isZero() ? QString() : item->price.toPlainString(2));
        m_price->setFocus();
        m_price->selectAll();
        updateTotal();
        return;
    }
    updateTotal();
    m_quantity->setFocus();
    m_quantity->selectAll();
}

std::optional<Money> OrderEntryRegion::typedPrice() const {
    if (!m_chosen)
        return std::nullopt;
    if (!m_chosen->marketPrice)
        return m_chosen->price;
    const QString text = StripAmount(m_price->text().trimmed());
    if (!IsNumberText(text))
        return std::nullopt;
    const auto price = Money::parse(text.trimmed());
    if (!price || *price <= Money())
        return std::nullopt;
    return price->roundTo(2);
}

int OrderEntryRegion::typedQuantity() const {
    return ParseQuantity(m_quantity->text()).value_or(1);
}

int OrderEntryRegion::typedDiscount() const {
    if (m_foc->isChecked())
        return 100;
    return ParseDiscountPercent(m_discount->text()).value_or(0);
}

void OrderEntryRegion::updateTotal() {
    const auto price = typedPrice();
    if (!price) {
        m_total->clear();
        return;
    }
    m_total->setText(FormatAmount(LineAmount(*price, typedQuantity(), typedDiscount())));
}

void OrderEntryRegion::priceEntered() {
    if (!typedPrice()) {
        showInvalidInput(m_context.prompter);
        m_price->setFocus();
        m_price->selectAll();
        return;
    }
    updateTotal();
    m_quantity->setFocus();
    m_quantity->selectAll();
}

void OrderEntryRegion::quantityEntered() {
    const QString text = m_quantity->text().trimmed();
    bool digits = !text.isEmpty();
    for (QChar c : text)
        digits = digits && c.isDigit();
    if (text.isEmpty() || (digits && text.toInt() == 0)) {
        m_quantity->setText(QStringLiteral("1"));
        m_quantity->selectAll();
        m_context.prompter.beep(0);
        updateTotal();
        return;
    }
    if (!digits || !ParseQuantity(text)) {
        showInvalidInput(m_context.prompter);
        m_quantity->setFocus();
        m_quantity->selectAll();
        return;
    }
    m_quantity->setText(QString::number(text.toInt()));
    updateTotal();
    m_ok->setFocus();
}

void OrderEntryRegion::discountEntered() {
    m_foc->setChecked(false);
    if (!ParseDiscountPercent(m_discount->text()))
        m_discount->setText(QStringLiteral("0"));
    updateTotal();
    m_ok->setFocus();
}

void OrderEntryRegion::focToggled(bool checked) {
    if (checked && (!m_chosen || (m_bill && m_bill->isCustomerBill()))) {
        m_foc->setChecked(false);
        return;
    }
    m_discount->setText(checked ? QStringLiteral("100") : QStringLiteral("0"));
    updateTotal();
}

void OrderEntryRegion::backToSearch() {
    resetEntry();
    focusEntry();
}

void OrderEntryRegion::okClick() {
    if (!m_bill) {
        flashNoBill();
        return;
    }
    if (!m_chosen || m_chosen->miscellaneous) {
        focusEntry();
        return;
    }
    const auto price = typedPrice();
    if (!price) {
        priceEntered();
        return;
    }
    const QString quantity = m_quantity->text().trimmed();
    if (!ParseQuantity(quantity)) {
        quantityEntered();
        return;
    }
    BookItemRequest request;
    request.billNumber = m_bill->number;
    request.item = m_chosen->name;
    request.quantity = quantity;
    request.price = *price;
    request.freeOfCharge = m_foc->isChecked();
    request.discountPercent = request.freeOfCharge ? 0 : ParseDiscountPercent(m_discount->text()).value_or(0);
    request.priceTyped = m_chosen->marketPrice;
    book(request);
}

void OrderEntryRegion::bookMiscellaneous(const MiscellaneousEntry& entry) {
    if (!m_bill || !m_chosen || !m_chosen->miscellaneous) {
        focusEntry();
        return;
    }
    BookItemRequest request;
    request.billNumber = m_bill->number;
    request.item = m_chosen->name;
    request.quantity = QString::number(entry.quantity);
    request.price = entry.price;
    request.miscellaneousCost = entry.cost;
    request.miscellaneousComment = entry.comment;
    book(request);
}

void OrderEntryRegion::book(const BookItemRequest& request) {
    LineResult result;
    if (!RunAction(m_context, [&] {
            result = BookItem(m_context.db, m_context.state, m_context.prompter, m_context.clock, request);
        }))
        return;
    switch (result.outcome) {
    case BillingOutcome::Done:
        if (result.account)
            setAccount(result.account);
        emit booked(result, request.billNumber);
        return;
    case BillingOutcome::BillClosed:
    case BillingOutcome::BillChanged:
        emit billGone(result.outcome);
        return;
    case BillingOutcome::Refused:
    case BillingOutcome::Cancelled:
        if (m_chosen && m_chosen->miscellaneous)
            backToSearch();
        else
            m_quantity->setFocus();
        return;
    }
}

bool OrderEntryRegion::codeKey(QKeyEvent* key) {
    if (ignoredInCodeField(key))
        return true;
    if (key->key() == Qt::Key_Escape) {
        backToSearch();
        return true;
    }
    if (key->key() == Qt::Key_Right && m_items->topLevelItemCount() > 0) {
        SelectListIndex(m_items, 0);
        return true;
    }
    if (IsEnter(key)) {
        if (!m_bill) {
            flashNoBill();
            return true;
        }
        if (m_items->topLevelItemCount() == 0 || !m_items->isVisible()) {
            m_context.prompter.beep(0);
            return true;
        }
        SelectListIndex(m_items, 0);
        return true;
    }
    if (key->text() == QStringLiteral("/"))
        return true;
    const bool typing = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                        !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (typing && (!m_bill || accountBlocked())) {
        if (!m_bill)
            flashNoBill();
        return true;
    }
    return false;
}

bool OrderEntryRegion::itemListKey(QKeyEvent* key) {
    if (isTab(key))
        return true;
    if (IsEnter(key)) {
        chooseItem();
        return true;
    }
    if (key->key() == Qt::Key_Escape || (key->key() == Qt::Key_Left && m_mode != Mode::Groups)) {
        focusEntry();
        return true;
    }
    if (key->key() == Qt::Key_Left && m_mode == Mode::Groups) {
        m_menuGroups->setFocus();
        return true;
    }
    return false;
}

bool OrderEntryRegion::groupListKey(QObject* watched, QKeyEvent* key) {
    if (isTab(key))
        return true;
    if (key->key() == Qt::Key_Escape) {
        setSearchMode(Mode::SpeedCode);
        backToSearch();
        return true;
    }
    const bool forward = IsEnter(key) || key->key() == Qt::Key_Right;
    if (watched == m_mainGroups) {
        if (forward && m_menuGroups->count() > 0) {
            m_menuGroups->setCurrentRow(0);
            m_menuGroups->setFocus();
        }
        return forward;
    }
    if (forward) {
        if (m_menuGroups->currentRow() < 0 && m_menuGroups->count() > 0)
            m_menuGroups->setCurrentRow(0);
        if (m_items->topLevelItemCount() > 0)
            SelectListIndex(m_items, 0);
        return true;
    }
    if (key->key() == Qt::Key_Left) {
        m_mainGroups->setFocus();
        return true;
    }
    return false;
}

bool OrderEntryRegion::priceKey(QKeyEvent* key) {
    if (m_price->isReadOnly())
        return false;
    if (IsEnter(key)) {
        priceEntered();
        return true;
    }
    if (key->key() == Qt::Key_Escape) {
        backToSearch();
        return true;
    }
    if (IsDigitKey(key) || key->text() == QStringLiteral(".") || IsEditingKey(key))
        return false;
    return !key->text().isEmpty() || isTab(key);
}

bool OrderEntryRegion::quantityKey(QKeyEvent* key) {
    if (isTab(key))
        return true;
    const QChar letter = TypedLetter(key);
    const bool customer = m_bill && m_bill->isCustomerBill();
    if (letter == QLatin1Char('D')) {
        if (!customer) {
            m_discount->setFocus();
            m_discount->selectAll();
        }
        return true;
    }
    if (letter == QLatin1Char('F')) {
        if (!customer && m_chosen) {
            m_foc->setChecked(true);
            focToggled(true);
        }
        return true;
    }
    if (letter == QLatin1Char('B') || key->key() == Qt::Key_Escape) {
        backToSearch();
        return true;
    }
    if (IsEnter(key)) {
        quantityEntered();
        return true;
    }
    return false;
}

bool OrderEntryRegion::discountKey(QKeyEvent* key) {
    if (isTab(key))
        return true;
    if (IsEnter(key)) {
        discountEntered();
        return true;
    }
    if (key->key() == Qt::Key_Escape || TypedLetter(key) == QLatin1Char('B')) {
        backToSearch();
        return true;
    }
    if (IsEditingKey(key))
        return false;
    if (IsDigitKey(key)) {
        // Two digits at most; the field shows "100" only for FOC.
        return m_discount->text().size() - m_discount->selectedText().size() >= MaxDiscountDigits;
    }
    return !key->text().isEmpty();
}

bool OrderEntryRegion::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == m_code)
        return codeKey(key);
    if (watched == m_items)
        return itemListKey(key);
    if (watched == m_mainGroups || watched == m_menuGroups)
        return groupListKey(watched, key);
    if (watched == m_price)
        return priceKey(key);
    if (watched == m_quantity)
        return quantityKey(key);
    if (watched == m_discount)
        return discountKey(key);
    if (watched == m_foc || watched == m_ok) {
        if (key->key() == Qt::Key_Escape || TypedLetter(key) == QLatin1Char('B')) {
            backToSearch();
            return true;
        }
        if (watched == m_ok && IsEnter(key)) {
            okClick();
            return true;
        }
    }
    return false;
}

} // namespace vantorel
