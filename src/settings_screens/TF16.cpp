#include "TF16.h"

#include "GradientPanel.h"
#include "LanWarning.h"
#include "ProgramState.h"
#include "Prompter.h"
#include "SchemeColor.h"
#include "SettingsControls.h"
#include "TaxSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vantorel {

namespace {

const QString Header = QStringLiteral("Bill Rounding");
const QString Explanation = QStringLiteral(
    "Throughout the program, Vantorel uses international financial rouding. The rounding that can be set "
    "here, is the rounding of the final value of the bill, as paid by the customer, i.e. after deduction of "
    "Bill discount or addition of Taxes and/or Service Charge.  ");

struct Choice {
    int rounding;
    const char* name;
    QString caption;
    QString explanation;
    QString result;
};

const Choice Choices[] = {
    {0, "Rounding0", QStringLiteral("Rounding of Grand Total: internatial financial"),
     QStringLiteral("3rd digit international financial rounding (default)"),
     QStringLiteral("Result: 2nd digit is 1, 2, 3, 4, 5 ,6 ,7 ,8 ,9 ,0.")},
    {5, "Rounding5", QStringLiteral("Last digit of Grand Total rounded to 0 or 5"),
     QStringLiteral("2nd digit rounding to the nearest multiple of 5."),
     QStringLiteral("Result: 2nd digit is 0 or 5.")},
    {10, "Rounding10", QStringLiteral("Last digit of Grand Total rounded to 0"),
     QStringLiteral("2nd digit international financial rounding"), QStringLiteral("Result: 2nd digit is 0.")},
};

constexpr int LastLineLength = 255;

bool isEnter(const QKeyEvent* k) {
    return k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
}

} // namespace

TF16::TF16(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock, QWidget* parent)
    : FullScreenForm(clock, parent), m_db(db), m_state(state), m_prompter(prompter) {
    setWindowTitle(Header);
    setTitle(Header);
    buildControls();
    RunReported(m_prompter, [this] { loadValues(); });
}

void TF16::buildControls() {
    QWidget* c = canvas();
    auto* explanation = MakeLabel(Explanation, c, QRect(40, 48, 720, 64), 15);
    explanation->setObjectName(QStringLiteral("ExplanationLab"));
    explanation->setWordWrap(true);

    m_roundingGroup = new QButtonGroup(this);
    int top = 122;
    for (const Choice& choice : Choices) {
        auto* tile = new GradientPanel(c);
        tile->setColors(SchemeColor(2), SchemeColor(4));
        tile->setGeometry(40, top, 720, 100);
        auto* radio =
            MakeRadioButton(choice.caption, QString::fromLatin1(choice.name), tile, QRect(16, 8, 690, 30));
        m_roundingGroup->addButton(radio, choice.rounding);
        // The whole tile chooses, which suits a finger on a touch screen.
        connect(tile, &GradientPanel::clicked, radio, [radio] { radio->setChecked(true); });
        MakeLabel(choice.explanation, tile, QRect(44, 40, 650, 24), 15);
        MakeLabel(choice.result, tile, QRect(44, 66, 650, 24), 15);
        top += 112;
    }

    m_lastLineBox = MakeCheckBox(QStringLiteral("Last line on Bill"), QStringLiteral("LastLineBox"), c,
                                 QRect(40, 466, 170, 32), 16);
    m_lastLineEdit =
        MakeTextField(QStringLiteral("LastLineEdit"), c, QRect(216, 466, 544, 32), LastLineLength);
    // The line is only saved while the box is ticked: the field says so by taking text only then.
    m_lastLineEdit->setEnabled(false);
    connect(m_lastLineBox, &QCheckBox::toggled, this, [this](bool on) {
        m_lastLineEdit->setEnabled(on);
        if (on)
            m_lastLineEdit->setFocus();
    });

    m_saveBut = MakeButton(QStringLiteral("Save"), QStringLiteral("SaveBut"), c, QRect(592, 520, 84, 40));
    m_doneBut = MakeButton(QStringLiteral("Done"), QStringLiteral("DoneBut"), c, QRect(684, 520, 84, 40));
    connect(m_saveBut, &QPushButton::clicked, this, &TF16::saveButClick);
    connect(m_doneBut, &QPushButton::clicked, this, [this] { done(0); });
    for (QWidget* w : {static_cast<QWidget*>(m_lastLineEdit), static_cast<QWidget*>(m_saveBut),
                       static_cast<QWidget*>(m_doneBut)})
        w->installEventFilter(this);
}

void TF16::showEvent(QShowEvent* event) {
    FullScreenForm::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // After the screen is on view, so that a warning appears over it.
    QTimer::singleShot(0, this, [this] { formActivate(); });
}

void TF16::formActivate() {
    WarnIfLan(m_state, m_prompter);
    if (QAbstractButton* chosen = m_roundingGroup->checkedButton())
        chosen->setFocus();
}

void TF16::loadValues() {
    const RoundingSettings settings = LoadRoundingSettings(m_db);
    if (QAbstractButton* chosen = m_roundingGroup->button(settings.rounding))
        chosen->setChecked(true);
    m_lastLineBox->setChecked(settings.lastLineOnBill);
    m_lastLineEdit->setText(settings.lastLine);
}

void TF16::saveButClick() {
    RoundingSettings settings;
    settings.rounding = m_roundingGroup->checkedId() < 0 ? 0 : m_roundingGroup->checkedId();
    settings.lastLineOnBill = m_lastLineBox->isChecked();
    settings.lastLine = m_lastLineEdit->text();
    if (RunReported(m_prompter, [&] { SaveRoundingSettings(m_db, settings); }))
        m_doneBut->setFocus();
}

bool TF16::eventFilter(QObject* watched, QEvent* event) {
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
    if (watched == m_lastLineEdit) {
        m_saveBut->setFocus();
        return true;
    }
    return false;
}

} // namespace vantorel
