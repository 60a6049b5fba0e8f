#include "TFMain.h"

#include "DesktopShortcut.h"
#include "DialogState.h"
#include "GradientPanel.h"
#include "Marquee.h"
#include "PopupPanel.h"
#include "Printers.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "RegistryValues.h"
#include "SchemeColor.h"
#include "StartupCash.h"
#include "TFTSCheckin.h"
#include "TStartCash.h"
#include "WindowHelpers.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace vantorel {

namespace {

const QColor DarkRed(128, 0, 0);
const QColor PanelEnd(150, 166, 188);
const QColor PanelPressedEnd(81, 89, 136);
const QColor TouchLight(242, 247, 255);
const QColor TouchBlue(176, 205, 253);
constexpr int MainPanTop = 193;
constexpr QSize MainPanSize(283, 248);

void setTextColor(QLabel* label, const QColor& color) {
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, color);
    label->setPalette(p);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& at, int pixels, bool bold = false) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setFont(FullScreenForm::designFont(pixels, bold));
    l->setGeometry(at);
    return l;
}

GradientPanel* makePanel(QWidget* parent, const QString& name, const QRect& at) {
    auto* p = new GradientPanel(parent);
    p->setObjectName(name);
    p->setGeometry(at);
    return p;
}

} // namespace

TFMain::TFMain(ProgramState& state, const Clock& clock, Prompter& prompter, MainScreenOptions options,
               QWidget* parent)
    : FullScreenForm(clock, parent), m_state(state), m_clock(clock), m_prompter(prompter),
      m_options(std::move(options)), m_connection(state),
      m_session(std::make_unique<MainSession>(state, m_connection, clock, prompter)) {
    setObjectName(QStringLiteral("TFMain"));
    setWindowTitle(QStringLiteral("Vantorel"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    buildControls();
}

TFMain::~TFMain() = default;

void TFMain::buildControls() {
    QWidget* c = canvas();
    titleBar()->hide(); // the header panel is this screen's title bar

    m_namePan = makePanel(c, QStringLiteral("NamePan"), QRect(0, 0, 800, 106));
    auto* product = makeLabel(m_namePan, QStringLiteral("NameLab01"), QRect(40, 14, 400, 80), 64, true);
    product->setText(QStringLiteral("Vantorel"));
    auto* mark = makeLabel(m_namePan, QStringLiteral("NameLab06"), QRect(292, 20, 30, 24), 18, true);
    mark->setText(QStringLiteral("®"));

    m_welcome = makeLabel(c, QStringLiteral("EsLabel7"), QRect(0, 128, 800, 40), 24, true);
    m_welcome->setAlignment(Qt::AlignCenter);

    // Check-in panel.
    m_mainPan = makePanel(c, QStringLiteral("MainPan"),
                          QRect(QPoint((DesignWidth - MainPanSize.width()) / 2, MainPanTop), MainPanSize));
    m_checkInTitle = makeLabel(m_mainPan, QStringLiteral("EsLabel1"), QRect(0, 6, 283, 36), 22, true);
    m_checkInTitle->setAlignment(Qt::AlignCenter);
    m_checkInTitle->setText(QStringLiteral("Check in"));
    setTextColor(m_checkInTitle, DarkRed);
    m_nameLabel = makeLabel(m_mainPan, QStringLiteral("NameLabel"), QRect(24, 48, 235, 20), 14, true);
    m_nameLabel->setText(QStringLiteral("Name"));
    m_name = new QLineEdit(m_mainPan);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMaxLength(12);
    m_name->setFont(designFont(18, true));
    m_name->setGeometry(24, 70, 235, 34);
    m_name->installEventFilter(this);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int at = m_name->cursorPosition();
        m_name->setText(text.toUpper());
        m_name->setCursorPosition(at);
        resetCheckInPanel();
    });
    m_idLabel = makeLabel(m_mainPan, QStringLiteral("IdLabel"), QRect(24, 112, 235, 20), 14, true);
    m_idLabel->setText(QStringLiteral("User ID"));
    m_id = new QLineEdit(m_mainPan);
    m_id->setObjectName(QStringLiteral("Edit2"));
    m_id->setMaxLength(4);
    m_id->setEchoMode(QLineEdit::Password);
    m_id->setToolTip(QStringLiteral("Input 4 numbers"));
    m_id->setPlaceholderText(QStringLiteral("Input 4 numbers"));
    m_id->setFont(designFont(18, true));
    m_id->setGeometry(24, 134, 235, 34);
    m_id->installEventFilter(this);
    m_ok = new QPushButton(QStringLiteral("OK"), m_mainPan);
    m_ok->setObjectName(QStringLiteral("SpeedButton1"));
    m_ok->setFont(designFont(18, true));
    m_ok->setGeometry(24, 186, 235, 46);
    connect(m_ok, &QPushButton::clicked, this, &TFMain::checkInClick);
    m_reset = new QPushButton(QStringLiteral("Try again"), m_mainPan);
    m_reset->setObjectName(QStringLiteral("SpeedButton2"));
    m_reset->setFont(designFont(18, true));
    m_reset->setGeometry(m_ok->geometry());
    m_reset->hide();
    connect(m_reset, &QPushButton::clicked, this, [this] {
        resetCheckInPanel();
        m_name->setFocus();
    });
    m_touchHere = makePanel(m_mainPan, QStringLiteral("TSTopPan"), QRect(1, 1, 281, 246));
    m_touchHere->setText(QStringLiteral("Touch here!"));
    m_touchHere->setFont(designFont(30, true));
    m_touchHere->setTextColor(DarkRed);
    m_touchHere->hide();
    connect(m_touchHere, &GradientPanel::clicked, this, &TFMain::touchCheckInClick);

    // Entries after check-in.
    m_billingPan = makePanel(c, QStringLiteral("BillingPan"), QRect(150, 200, 230, 150));
    m_billingPan->setText(QStringLiteral("Billing"));
    m_billingPan->setFont(designFont(34, true));
    connect(m_billingPan, &GradientPanel::clicked, this, &TFMain::billingClick);
    m_utilityPan = makePanel(c, QStringLiteral("UtilityPan"), QRect(420, 200, 230, 150));
    m_utilityPan->setText(QStringLiteral("Utilities"));
    m_utilityPan->setFont(designFont(34, true));
    connect(m_utilityPan, &GradientPanel::clicked, this, &TFMain::utilitiesClick);
    for (GradientPanel* p : {m_billingPan, m_utilityPan}) {
        p->setColors(SchemeColor(2), PanelEnd);
        p->setCursor(Qt::PointingHandCursor);
        p->hide();
    }
    m_dummyForBilling = new QPushButton(c);
    m_dummyForBilling->setObjectName(QStringLiteral("DummyForBillingPan"));
    m_dummyForBilling->setGeometry(-20, -20, 1, 1); // takes the focus without being seen
    m_dummyForBilling->setAutoDefault(false);
    m_dummyForBilling->installEventFilter(this);
    m_dummyForBilling->hide();

    m_cashInput = makePanel(c, QStringLiteral("CashInput"), QRect(290, 372, 220, 46));
    m_cashInput->setText(StartupCashText::Button);
    m_cashInput->setFont(designFont(16, true));
    m_cashInput->setCursor(Qt::PointingHandCursor);
    m_cashInput->hide();
    connect(m_cashInput, &GradientPanel::clicked, this, &TFMain::cashInputClick);
    m_label20 = makeLabel(c, QStringLiteral("Label20"), QRect(200, 426, 400, 28), 18, true);
    m_label20->setAlignment(Qt::AlignCenter);
    m_label20->hide();
    m_label9 = makeLabel(c, QStringLiteral("Label9"), QRect(0, 556, 800, 24), 14);
    m_label9->setAlignment(Qt::AlignCenter);
    m_label9->hide();
    m_label1 = makeLabel(c, QStringLiteral("Label1"), QRect(600, 330, 190, 22), 13);
    m_label1->setText(SetupText::OptimizeHint);
    m_label1->hide();
    m_setupLab = makeLabel(c, QStringLiteral("SetupLab"), QRect(600, 200, 190, 24), 15, true);
    m_setupLab->setText(SetupText::ServiceRequired);
    setTextColor(m_setupLab, DarkRed);
    m_setupLab->hide();
    m_setupBox = new QListWidget(c);
    m_setupBox->setObjectName(QStringLiteral("SetupBox"));
    m_setupBox->setFont(designFont(14));
    m_setupBox->setGeometry(600, 226, 190, 100);
    m_setupBox->setFocusPolicy(Qt::NoFocus);
    m_setupBox->hide();

    m_lastDayOfMonth = new PopupPanel(c);
    m_lastDayOfMonth->setObjectName(QStringLiteral("LastDayOfMonth"));
    m_lastDayOfMonth->setColors(SchemeColor(2), SchemeColor(4));
    m_lastDayOfMonth->setGeometry(PopupPanel::ParkedLeft, 462, 420, 80);
    auto* lastDayTitle =
        makeLabel(m_lastDayOfMonth, QStringLiteral("LastDayTitle"), QRect(10, 4, 400, 24), 16, true);
    lastDayTitle->setText(SetupText::LastDayOfMonth);
    setTextColor(lastDayTitle, DarkRed);
    auto* lastDayText =
        makeLabel(m_lastDayOfMonth, QStringLiteral("LastDayText"), QRect(10, 28, 400, 48), 13);
    lastDayText->setWordWrap(true);
    lastDayText->setText(SetupText::LastDayOfMonthNote);

    m_closeBut = new QPushButton(QStringLiteral("Close"), c);
    m_closeBut->setObjectName(QStringLiteral("CloseBut"));
    m_closeBut->setFont(designFont(16, true));
    m_closeBut->setGeometry(690, 536, 100, 40);
    m_closeBut->setAutoDefault(false);
    m_closeBut->installEventFilter(this);
    connect(m_closeBut, &QPushButton::clicked, this, &TFMain::closeClick);

    m_hidePan = new QWidget(c);
    m_hidePan->setObjectName(QStringLiteral("HidePan"));
    m_hidePan->setAutoFillBackground(true);
    QPalette hp = m_hidePan->palette();
    hp.setColor(QPalette::Window, SchemeColor(4));
    m_hidePan->setPalette(hp);
    m_hidePan->setGeometry(0, 0, DesignWidth, DesignHeight);
}

bool TFMain::start() {
    m_session->create();
    m_welcome->setText(m_session->welcomeText());
    if (m_session->startupCashKnown())
        m_cashText = StartupCashText::Label(m_session->startupCash());
    applyInputMode();
    showOnScreen();
    activate();
    return !m_ended;
}

void TFMain::applyInputMode() {
    const bool touch = m_state.settings.touchMode;
    const QColor start = touch ? TouchLight : SchemeColor(2);
    const QColor end = touch ? TouchBlue : SchemeColor(4);
    setBackgroundColors(start, end);
    marquee()->setBackgroundColor(end);
    if (touch)
        m_cashInput->setColors(QColor(225, 236, 254), QColor(225, 236, 254));
    else
        m_cashInput->setColors(QColor(219, 224, 227), QColor(220, 225, 228));
    m_namePan->setColors(start, SchemeColor(4));
    m_lastDayOfMonth->setColors(start, SchemeColor(4));
    m_mainPan->setColors(start, end);
    m_touchHere->setColors(QColor(225, 236, 254), TouchBlue);
    m_name->setFrame(!touch);
    m_id->setFrame(!touch);
    RoundCorners(m_billingPan);
    RoundCorners(m_utilityPan);
    RoundCorners(m_cashInput);
}

void TFMain::activate() {
    m_hidePan->move(0, 0);
    m_hidePan->raise();
    m_connection.close();
    m_session->activate();
    if (!m_session->isCheckedIn()) {
        m_mainPan->show();
        const bool touch = m_state.settings.touchMode;
        m_touchHere->setVisible(touch);
        for (QWidget* w :
             std::initializer_list<QWidget*>{m_checkInTitle, m_nameLabel, m_idLabel, m_name, m_id})
            w->setVisible(!touch);
        m_ok->setVisible(!touch && !m_reset->isVisible());
        if (touch)
            m_touchHere->setFocus();
        else
            m_name->setFocus();
    }
    const QString program =
        m_options.programPath.isEmpty() ? QCoreApplication::applicationFilePath() : m_options.programPath;
    try {
        WriteRegistryValue(RegistryValue::LocationExeFile, QFileInfo(program).absolutePath());
        WriteRegistryValue(RegistryValue::LocationProgramData, m_state.dataFolder);
    } catch (const RegistryError& e) {
        // Start-up does not depend on them: say so and go on.
        m_prompter.showMessage(e.message(), QStringLiteral("  Vantorel"), Prompter::Icon::Error);
    }
    if (!m_options.programPath.isEmpty())
        CreateShortcut(m_options.programPath, m_options.applicationsFolder);
    m_hidePan->move(PopupPanel::ParkedLeft, 0);
    if (isVisible())
        ForceForeground(this);
}

void TFMain::resetCheckInPanel() {
    m_checkInTitle->setText(QStringLiteral("Check in"));
    setTextColor(m_checkInTitle, DarkRed);
    m_reset->hide();
    m_ok->show();
}

void TFMain::showCheckInFailure() {
    m_checkInTitle->setText(QStringLiteral("Invalid input"));
    setTextColor(m_checkInTitle, Qt::red);
    m_ok->hide();
    m_reset->show();
}

void TFMain::checkInClick() {
    if (m_ended || m_session->isCheckedIn())
        return;
    m_state.savedDefaultPrinter = DefaultPrinterName();
    m_welcome->hide();
    const MainSession::CheckIn result = m_session->checkInByKeyboard(m_name->text(), m_id->text());
    switch (result) {
    case MainSession::CheckIn::MissingName:
        m_name->setFocus();
        return;
    case MainSession::CheckIn::MissingId:
        m_id->setFocus();
        return;
    case MainSession::CheckIn::TryAgain:
        showCheckInFailure();
        m_name->clear();
        m_id->clear();
        m_name->setFocus();
        return;
    case MainSession::CheckIn::EndProgram:
        if (m_session->loginAttempt() > 3) {
            showCheckInFailure();
            WaitWithMessages(200);
        }
        endProgram(1);
        return;
    default:
        afterCheckIn(result);
    }
}

void TFMain::touchCheckInClick() {
    if (m_ended || m_session->isCheckedIn())
        return;
    m_state.savedDefaultPrinter = DefaultPrinterName();
    m_welcome->hide();
    m_mainPan->hide();
    DigitLimit() = 4;
    DialogAnswer().clear();
    TFTSCheckin pad(this);
    pad.setDesignPosition(QPoint((DesignWidth - TFTSCheckin::Width) / 2, MainPanTop));
    pad.exec();
    const QString reply = DialogAnswer();
    DialogAnswer().clear();
    const MainSession::CheckIn result = m_session->checkInByTouch(reply);
    if (result == MainSession::CheckIn::EndProgram) {
        endProgram(reply == DialogCancelled ? 0 : 1);
        return;
    }
    afterCheckIn(result);
}

void TFMain::afterCheckIn(MainSession::CheckIn entry) {
    if (entry == MainSession::CheckIn::EndProgram) {
        endProgram(1);
        return;
    }
    if (entry == MainSession::CheckIn::BillingOnly)
        enterBillingOnly();
    else
        showMainMenu();
}

void TFMain::enterBillingOnly() {
    if (m_session->billingOnlyBlocked()) {
        endProgram(1);
        return;
    }
    m_mainPan->hide();
    m_billingPan->hide();
    m_utilityPan->hide();
    m_dummyForBilling->hide();
    runMonthStartMaintenance();
    showDayNotices();
    m_namePan->hide();
    useReceiptPrinter();
    m_connection.close();
    DialogAnswer().clear();
    if (m_openers.billing)
        m_openers.billing(*this);
    if (m_ended)
        return;
    closeClick();
}

void TFMain::showMainMenu() {
    m_mainPan->hide();
    runMonthStartMaintenance();
    m_label9->setText(SetupText::InputModeHint(m_state.settings.touchMode));
    m_label9->show();
    m_billingPan->show();
    m_utilityPan->show();
    refreshCashEntry();
    m_dummyForBilling->show();
    m_dummyForBilling->setFocus();
    const SetupWarnings warnings = m_session->setupWarnings();
    m_label1->setVisible(warnings.showOptimizeHint);
    m_setupBox->clear();
    m_setupBox->addItems(warnings.items);
    if (!warnings.isEmpty()) {
        m_prompter.beep(0);
        m_setupBox->show();
        m_setupLab->show();
    }
    showDayNotices();
}

void TFMain::showDayNotices() {
    if (m_session->lastDayOfMonth())
        m_lastDayOfMonth->showAt(340, m_lastDayOfMonth->y());
    if (!m_cashText.isEmpty()) {
        m_label20->setText(m_cashText);
        setTextColor(m_label20, Qt::black);
        m_label20->show();
    }
}

void TFMain::refreshCashEntry() {
    m_cashInput->setVisible(m_session->cashInputOffered());
}

void TFMain::runMonthStartMaintenance() {
    if (!m_session->newMonth() || !m_openers.monthStartMaintenance)
        return;
    const bool cashShown = m_cashInput->isVisible();
    m_cashInput->hide();
    m_connection.close();
    m_openers.monthStartMaintenance(*this);
    m_cashInput->setVisible(cashShown);
}

void TFMain::billingClick() {
    if (m_billingGuard || m_ended || !m_billingPan->isVisible())
        return;
    m_billingGuard = true;
    struct Release {
        bool& guard;
        ~Release() { guard = false; }
    } release{m_billingGuard};

    if (!m_session->billingMenuReady())
        return;
    const bool cashShown = m_cashInput->isVisible();
    m_label20->setText(QStringLiteral("Loading ..."));
    setTextColor(m_label20, DarkRed);
    m_label20->show();
    m_cashInput->hide();
    m_setupBox->hide();
    m_setupLab->hide();
    m_label1->hide();
    useReceiptPrinter();
    m_billingPan->setColors(SchemeColor(2), PanelPressedEnd);
    m_dummyForBilling->hide();
    auto restore = [&] {
        m_billingPan->setColors(SchemeColor(2), PanelEnd);
        m_label20->hide();
        m_cashInput->setVisible(cashShown);
        m_dummyForBilling->show();
    };
    if (!m_session->authorizedForBilling()) {
        restore();
        showDayNotices();
        m_dummyForBilling->setFocus();
        return;
    }
    const bool summary = m_session->billingShowsSalesSummary();
    m_connection.close();
    DialogAnswer().clear();
    if (summary) {
        if (m_openers.salesSummary)
            m_openers.salesSummary(*this);
    } else if (m_openers.billing) {
        m_openers.billing(*this);
    }
    if (m_ended)
        return;
    restore();
    activate();
    refreshCashEntry();
    showDayNotices();
    m_closeBut->setFocus();
}

void TFMain::utilitiesClick() {
    if (m_ended || !m_utilityPan->isVisible())
        return;
    SetWindowsDefaultPrinter(m_state.savedDefaultPrinter);
    m_utilityPan->setColors(SchemeColor(2), PanelPressedEnd);
    m_connection.close();
    if (m_openers.utilities)
        m_openers.utilities(*this);
    if (m_ended)
        return;
    activate();
    m_setupBox->hide();
    m_setupLab->hide();
    m_label1->hide();
    m_utilityPan->setColors(SchemeColor(2), PanelEnd);
    refreshCashEntry();
    m_dummyForBilling->setFocus();
}

void TFMain::cashInputClick() {
    if (m_ended || !m_cashInput->isVisible())
        return;
    const bool lastDayShown = !m_lastDayOfMonth->isParked();
    if (lastDayShown)
        m_lastDayOfMonth->park();
    DigitLimit() = 7;
    DialogAnswer().clear();
    QString reply;
    {
        TStartCash pad(this, m_prompter);
        pad.setDesignPosition(TStartCash::DesignedAt + QPoint(0, 20));
        if (m_state.settings.touchMode)
            pad.setColors(QColor(232, 241, 255), QColor(194, 217, 254));
        else
            pad.setColors(QColor(226, 230, 232), QColor(193, 203, 208));
        pad.setTitle(StartupCashText::Title);
        pad.setConfirmCaption(StartupCashText::Confirm);
        pad.setText(StartupCashText::Prompt);
        m_connection.close();
        pad.exec();
        reply = DialogAnswer();
        DialogAnswer().clear();
    }
    if (const auto amount = m_session->enterStartupCash(reply)) {
        m_cashText = StartupCashText::Label(*amount);
        m_label20->setText(m_cashText);
        setTextColor(m_label20, Qt::black);
        m_label20->show();
        m_cashInput->hide();
    }
    if (lastDayShown)
        m_lastDayOfMonth->showAt(340, m_lastDayOfMonth->y());
    m_dummyForBilling->setFocus();
}

void TFMain::closeClick() {
    if (m_ended)
        return;
    m_session->checkOut();
    SetWindowsDefaultPrinter(m_state.savedDefaultPrinter);
    endProgram(0);
}

void TFMain::useReceiptPrinter() {
    const QString printer = m_session->receiptPrinter();
    if (printer.compare(DefaultPrinterName(), Qt::CaseInsensitive) != 0)
        SetWindowsDefaultPrinter(printer);
}

void TFMain::endProgram(int exitCode) {
    if (m_ended)
        return;
    m_ended = true;
    m_exitCode = exitCode;
    m_connection.close();
    hide();
    emit programEnded(exitCode);
}

void TFMain::closeEvent(QCloseEvent* event) {
    if (m_ended) {
        event->accept();
        return;
    }
    // Closed from outside (the window manager): leave as the close button does.
    event->ignore();
    closeClick();
}

bool TFMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == m_id && m_name->text().isEmpty() &&
        !m_id->isHidden()) {
        m_name->setFocus();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return FullScreenForm::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    if (watched == m_name) {
        if (enter) {
            m_id->setFocus();
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_name->clear();
            return true;
        }
    } else if (watched == m_id) {
        if (enter) {
            checkInClick();
            return true;
        }
        if (key == Qt::Key_Escape) {
            m_id->clear();
            return true;
        }
    } else if (watched == m_dummyForBilling) {
        if (enter) {
            billingClick();
            return true;
        }
    } else if (watched == m_closeBut) {
        // Only F10 closes from the keyboard, so that a stray key press on the button never ends the program.
        if (key == Qt::Key_F10)
            closeClick();
        return true;
    }
    return FullScreenForm::eventFilter(watched, event);
}

} // namespace vantorel
