#include "TF06.h"

#include "BillingMessages.h"
#include "LanWarning.h"
#include "PercentField.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SettingsControls.h"
#include "TaxScreenActions.h"
#include "TaxSettings.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vantorel {

namespace {

const QString Caption = QStringLiteral("Credit Cards");
constexpr int ChargeLength = 3;
constexpr int FirstRowTop = 100;
constexpr int RowHeight = 46;

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

TF06::TF06(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock, QWidget* parent)
    : FullScreenForm(clock, parent), m_db(db), m_state(state), m_prompter(prompter), m_clock(clock) {
    setWindowTitle(Caption);
    setTitle(Caption);
    buildControls();
    RunReported(m_prompter, [this] { loadValues(); });
}

void TF06::buildControls() {
    QWidget* c = canvas();
    MakeLabel(QStringLiteral("% Charge"), c, QRect(420, FirstRowTop - 34, 120, 28), 16, true)
        ->setAlignment(Qt::AlignCenter);
    const auto companies = DefaultCardCompanies();
    for (size_t i = 0; i < companies.size(); ++i) {
        const int y = FirstRowTop + static_cast<int>(i) * RowHeight;
        CompanyControls row;
        row.box = MakeCheckBox(companies[i].label, companies[i].code + QStringLiteral("Box"), c,
                               QRect(150, y, 280, 32), 16);
        row.charge = new PercentField(companies[i].code + QStringLiteral("Edit"), ChargeLength, c);
        row.charge->setGeometry(450, y, 60, 32);
        m_companies.push_back(row);
    }
    for (size_t i = 0; i < m_companies.size(); ++i) {
        QWidget* next =
            i + 1 < m_companies.size() ? static_cast<QWidget*>(m_companies[i + 1].charge) : nullptr;
        connect(m_companies[i].charge, &PercentField::entered, this, [this, next] {
            if (next)
                next->setFocus();
            else
                m_saveBut->setFocus();
        });
    }

    const int below = FirstRowTop + static_cast<int>(m_companies.size()) * RowHeight + 24;
    m_noCardsBox = MakeCheckBox(QStringLiteral("No, we do not accept credit cards"),
                                QStringLiteral("NoCardsBox"), c, QRect(150, below, 500, 32), 16);
    m_cardNumberBox =
        MakeCheckBox(QStringLiteral("In Billing, Vantorel requires input of the credit card number"),
                     QStringLiteral("CardNumberBox"), c, QRect(150, below + 50, 560, 32), 16);

    m_saveBut = MakeButton(QStringLiteral("Save"), QStringLiteral("SaveBut"), c, QRect(592, 520, 84, 40));
    m_doneBut = MakeButton(QStringLiteral("Done"), QStringLiteral("DoneBut"), c, QRect(684, 520, 84, 40));
    connect(m_saveBut, &QPushButton::clicked, this, &TF06::saveButClick);
    connect(m_doneBut, &QPushButton::clicked, this, [this] { done(0); });
    m_saveBut->installEventFilter(this);
    m_doneBut->installEventFilter(this);
}

void TF06::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the screen is on view, so that a warning appears over it.
    QTimer::singleShot(0, this, [this] { formActivate(); });
}

void TF06::formActivate() {
    WarnIfLan(m_state, m_prompter);
    m_companies.front().box->setFocus();
}

void TF06::loadValues() {
    showSettings(LoadCardSettings(m_db));
}

void TF06::showSettings(const CardSettings& settings) {
    for (size_t i = 0; i < m_companies.size() && i < settings.companies.size(); ++i) {
        m_companies[i].box->setChecked(settings.companies[i].used);
        m_companies[i].charge->setText(PercentFieldText(settings.companies[i].percent));
    }
    m_noCardsBox->setChecked(settings.noCards);
    m_cardNumberBox->setChecked(settings.numberRequired);
}

std::optional<CardSettings> TF06::typedSettings() {
    CardSettings settings;
    settings.companies = DefaultCardCompanies();
    for (size_t i = 0; i < m_companies.size(); ++i) {
        const auto charge = ParsePercentField(m_companies[i].charge->text());
        if (!charge) {
            const auto message = BillingMessage::InvalidInput();
            m_prompter.showMessage(message.text, message.caption, Prompter::Icon::Error);
            m_companies[i].charge->setFocus();
            m_companies[i].charge->selectAll();
            return std::nullopt;
        }
        settings.companies[i].used = m_companies[i].box->isChecked();
        settings.companies[i].percent = *charge;
    }
    settings.noCards = m_noCardsBox->isChecked();
    settings.numberRequired = m_cardNumberBox->isChecked();
    return settings;
}

void TF06::saveButClick() {
    const auto settings = typedSettings();
    if (!settings)
        return;
    CardSettings saved;
    if (RunReported(m_prompter, [&] { saved = SaveCardSettings(m_db, m_state, m_clock, *settings); })) {
        showSettings(saved);
        m_doneBut->setFocus();
    }
}

bool TF06::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return FullScreenForm::eventFilter(watched, event);
    // Enter presses the focused button, as on the counter's keyboard.
    auto* button = qobject_cast<QPushButton*>(watched);
    if (button && isEnter(static_cast<QKeyEvent*>(event))) {
        button->click();
        return true;
    }
    return false;
}

} // namespace vantorel
