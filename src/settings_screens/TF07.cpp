#include "TF07.h"

#include "BillingMessages.h"
#include "Clock.h"
#include "LanWarning.h"
#include "PercentField.h"
#include "PreviewWindow.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "ReportDataset.h"
#include "SchemeColor.h"
#include "SettingsControls.h"
#include "TaxScreenActions.h"
#include "TaxSettings.h"

#include <QCheckBox>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace vantorel {

namespace {

const QString Caption = QStringLiteral("Taxes and Charges");
const QString AddToInvoice = QStringLiteral("Add to invoice");
const QString Note = QStringLiteral(
    "You must input Tax and Charges and then decide whether or not to add these to the invoice. ");
const QString PriceListTemplate = QStringLiteral("PRINT/Reports/TF07.frf");
constexpr int TaxLength = 3;
constexpr int ServiceChargeLength = 4;
constexpr int LicenceLength = 40;

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

TF07::TF07(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock, QWidget* parent)
    : FullScreenForm(clock, parent), m_db(db), m_state(state), m_prompter(prompter), m_clock(clock) {
    setWindowTitle(Caption);
    setTitle(Caption);
    buildControls();
    RunReported(m_prompter, [this] { loadValues(); });
}

void TF07::buildControls() {
    QWidget* c = canvas();
    const auto field = [&](const QString& caption, const QString& name, int y, int length) {
        MakeLabel(caption, c, QRect(120, y, 200, 32), 16, true);
        auto* edit = new PercentField(name, length, c);
        edit->setGeometry(330, y, 24 + 12 * length, 32);
        MakeLabel(QStringLiteral("%"), c, QRect(330 + 30 + 12 * length, y, 20, 32), 16, true);
        return edit;
    };
    m_salesTaxEdit = field(QStringLiteral("Sales Tax"), QStringLiteral("SalesTaxEdit"), 90, TaxLength);
    m_govTaxEdit = field(QStringLiteral("Government Tax"), QStringLiteral("GovTaxEdit"), 136, TaxLength);
    m_serviceChargeEdit = field(QStringLiteral("Service Charge"), QStringLiteral("ServiceChargeEdit"), 206,
                                ServiceChargeLength);

    // One box adds both taxes: a bracket ties it to the two fields.
    auto* bracket = new QFrame(c);
    bracket->setGeometry(430, 104, 18, 50);
    bracket->setStyleSheet(
        QStringLiteral("border: 2px solid %1; border-left: none;").arg(SchemeColor(3).name()));
    m_taxOnBillBox =
        MakeCheckBox(AddToInvoice, QStringLiteral("TaxOnBillBox"), c, QRect(462, 113, 200, 32), 16);
    m_serviceChargeOnBillBox =
        MakeCheckBox(AddToInvoice, QStringLiteral("ServiceChargeOnBillBox"), c, QRect(462, 206, 200, 32), 16);
    connect(m_taxOnBillBox, &QCheckBox::toggled, this, &TF07::showPriceListButton);
    connect(m_serviceChargeOnBillBox, &QCheckBox::toggled, this, &TF07::showPriceListButton);

    MakeLabel(QStringLiteral("Licence Number"), c, QRect(120, 286, 200, 28), 16, true);
    MakeLabel(QStringLiteral("(for Tax declaration)"), c, QRect(120, 312, 200, 22), 13);
    m_licenceEdit = MakeTextField(QStringLiteral("LicenceEdit"), c, QRect(330, 286, 300, 32), LicenceLength);

    auto* note = MakeLabel(Note, c, QRect(120, 380, 560, 60), 15);
    note->setObjectName(QStringLiteral("NoteLab"));
    note->setWordWrap(true);

    m_priceListBut = MakeButton(QStringLiteral("View/Print Price List"), QStringLiteral("PriceListBut"), c,
                                QRect(32, 520, 200, 40));
    m_saveBut = MakeButton(QStringLiteral("Save"), QStringLiteral("SaveBut"), c, QRect(592, 520, 84, 40));
    m_doneBut = MakeButton(QStringLiteral("Done"), QStringLiteral("DoneBut"), c, QRect(684, 520, 84, 40));
    connect(m_priceListBut, &QPushButton::clicked, this, &TF07::priceListButClick);
    connect(m_saveBut, &QPushButton::clicked, this, &TF07::saveButClick);
    connect(m_doneBut, &QPushButton::clicked, this, [this] { done(0); });

    connect(m_salesTaxEdit, &PercentField::entered, this, [this] { m_govTaxEdit->setFocus(); });
    connect(m_govTaxEdit, &PercentField::entered, this, [this] { m_serviceChargeEdit->setFocus(); });
    connect(m_serviceChargeEdit, &PercentField::entered, this, [this] { m_licenceEdit->setFocus(); });
    for (QWidget* w : {static_cast<QWidget*>(m_licenceEdit), static_cast<QWidget*>(m_priceListBut),
                       static_cast<QWidget*>(m_saveBut), static_cast<QWidget*>(m_doneBut)})
        w->installEventFilter(this);
    showPriceListButton();
}

void TF07::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the screen is on view, so that a warning appears over it.
    QTimer::singleShot(0, this, [this] { formActivate(); });
}

void TF07::formActivate() {
    WarnIfLan(m_state, m_prompter);
    m_salesTaxEdit->setFocus();
}

void TF07::loadValues() {
    const TaxSettings taxes = LoadTaxSettings(m_db);
    showSaved(taxes);
    m_licenceEdit->setText(LoadLicenceNumber());
}

void TF07::showSaved(const TaxSettings& taxes) {
    m_salesTaxEdit->setText(PercentFieldText(taxes.salesTax));
    m_govTaxEdit->setText(PercentFieldText(taxes.govTax));
    m_serviceChargeEdit->setText(PercentFieldText(taxes.serviceCharge));
    m_taxOnBillBox->setChecked(taxes.taxOnBill);
    m_serviceChargeOnBillBox->setChecked(taxes.serviceChargeOnBill);
}

void TF07::showPriceListButton() {
    m_priceListBut->setVisible(m_taxOnBillBox->isChecked() || m_serviceChargeOnBillBox->isChecked());
}

std::optional<TaxSettings> TF07::typedValues() {
    TaxSettings taxes;
    const std::pair<PercentField*, Money*> fields[] = {{m_salesTaxEdit, &taxes.salesTax},
                                                       {m_govTaxEdit, &taxes.govTax},
                                                       {m_serviceChargeEdit, &taxes.serviceCharge}};
    for (const auto& [edit, value] : fields) {
        const auto parsed = ParsePercentField(edit->text());
        if (!parsed) {
            const auto message = BillingMessage::InvalidInput();
            m_prompter.showMessage(message.text, message.caption, Prompter::Icon::Error);
            edit->setFocus();
            edit->selectAll();
            return std::nullopt;
        }
        *value = *parsed;
    }
    taxes.taxOnBill = m_taxOnBillBox->isChecked();
    taxes.serviceChargeOnBill = m_serviceChargeOnBillBox->isChecked();
    return taxes;
}

void TF07::saveButClick() {
    const auto taxes = typedValues();
    if (!taxes)
        return;
    if (RunReported(m_prompter,
                    [&] { SaveTaxesAndLicence(m_db, m_state, m_clock, *taxes, m_licenceEdit->text()); })) {
        showSaved(*taxes);
        m_doneBut->setFocus();
    }
}

void TF07::priceListButClick() {
    const auto taxes = typedValues();
    if (!taxes)
        return;
    Rows rows;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const bool saved = RunReported(m_prompter, [&] {
        rows = SaveTaxesAndPriceList(m_db, m_state, m_clock, *taxes, m_licenceEdit->text());
    });
    QGuiApplication::restoreOverrideCursor();
    if (!saved)
        return;
    showSaved(*taxes);
    const ReportDataset data =
        ReportDataset::fromRows(rows, {QStringLiteral("Report"), QStringLiteral("Taxes")});
    PreviewReport(m_state.dataFolder, PriceListTemplate, data, m_clock.now(), m_prompter, this);
}

bool TF07::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return FullScreenForm::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (!isEnter(key))
        return false;
    // Enter presses the focused button, as on the counter's keyboard.
    if (auto* button = qobject_cast<QPushButton*>(watched)) {
        button->click();
        return true;
    }
    if (watched == m_licenceEdit) {
        m_saveBut->setFocus();
        return true;
    }
    return false;
}

} // namespace vantorel
