#include "StartupCashPanel.h"

#include "KeyboardControls.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 400;
constexpr int Height = 250;

} // namespace

StartupCashPanel::StartupCashPanel(QWidget* parent)
    : KeyboardPanel(QStringLiteral("StartupCashPanel"), QStringLiteral("Startup Cash"), QSize(Width, Height),
                    parent) {
    auto* text =
        MakeLabel(this, QStringLiteral("The Database of Vantorel reports startup cash in the Cash Drawer"),
                  QRect(20, 40, Width - 40, 44), 14, true);
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignCenter);
    m_amountLabel =
        MakeLabel(this, QString(), QRect(100, 90, 200, 40), 24, true, QStringLiteral("StartupCashAmount"));
    m_amountLabel->setAlignment(Qt::AlignCenter);
    m_amountLabel->setStyleSheet(QStringLiteral("background: white;"));
    auto* check = MakeLabel(this, QStringLiteral("Please check"), QRect(20, 138, Width - 40, 22), 14, true);
    check->setAlignment(Qt::AlignCenter);
    auto* report =
        MakeLabel(this, QStringLiteral("Report to your Superior"), QRect(20, 160, Width - 40, 22), 13);
    report->setAlignment(Qt::AlignCenter);
    m_accept = MakeButton(this, QStringLiteral("Accept"), QStringLiteral("StartupAcceptBut"),
                          QRect(70, 198, 120, 36), 15);
    m_notAccept = MakeButton(this, QStringLiteral("Not Accept"), QStringLiteral("StartupNotAcceptBut"),
                             QRect(210, 198, 120, 36), 15);
    connect(m_accept, &QPushButton::clicked, this, [this] { answer(true); });
    connect(m_notAccept, &QPushButton::clicked, this, [this] { answer(false); });
    watch(m_accept);
    watch(m_notAccept);
}

void StartupCashPanel::openFor(Money amount) {
    m_amount = amount;
    m_amountLabel->setText(AmountField(amount));
    open();
    m_accept->setFocus();
}

void StartupCashPanel::answer(bool accepted) {
    if (!isOpen())
        return;
    close();
    emit answered(accepted);
}

bool StartupCashPanel::handleKey(QObject*, QKeyEvent* key) {
    // Only the two buttons answer: the cash in the drawer must be looked at, not passed over.
    return key->key() == Qt::Key_Escape;
}

} // namespace vantorel
