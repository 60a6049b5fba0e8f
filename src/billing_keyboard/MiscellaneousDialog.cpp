#include "MiscellaneousDialog.h"

#include "KeyboardControls.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace vantorel {

namespace {

constexpr int Width = 380;
constexpr int Height = 250;

} // namespace

MiscellaneousDialog::MiscellaneousDialog(Prompter& prompter, QWidget* parent)
    : KeyboardPanel(QStringLiteral("MiscPanel"), QStringLiteral("Miscellaneous"), QSize(Width, Height),
                    parent),
      m_prompter(prompter) {
    MakeLabel(this, QStringLiteral("Price"), QRect(20, 42, 120, 26), 14, true);
    m_price = MakeEdit(this, QStringLiteral("MiscPriceEdit"), QRect(150, 42, 100, 28), 7);
    MakeLabel(this, QStringLiteral("Cost"), QRect(20, 78, 120, 26), 14, true);
    m_cost = MakeEdit(this, QStringLiteral("MiscCostEdit"), QRect(150, 78, 100, 28), 7);
    MakeLabel(this, QStringLiteral("Quantity"), QRect(20, 114, 120, 26), 14, true);
    m_quantity = MakeEdit(this, QStringLiteral("MiscQtyEdit"), QRect(150, 114, 60, 28), 3);
    MakeLabel(this, QStringLiteral("Item & Remarks"), QRect(20, 150, 120, 26), 14, true);
    m_remark = MakeEdit(this, QStringLiteral("MiscRemarkEdit"), QRect(150, 150, 210, 28), 30, 13);
    m_save =
        MakeButton(this, QStringLiteral("Save"), QStringLiteral("MiscSaveBut"), QRect(150, 200, 100, 34), 15);
    m_back = MakeButton(this, QStringLiteral("&Back"), QStringLiteral("MiscBackBut"),
                        QRect(260, 200, 100, 34), 15);
    connect(m_save, &QPushButton::clicked, this, &MiscellaneousDialog::saveClick);
    connect(m_back, &QPushButton::clicked, this, &MiscellaneousDialog::backClick);
    for (QWidget* w : std::initializer_list<QWidget*>{m_price, m_cost, m_quantity, m_remark, m_save, m_back})
        watch(w);
}

void MiscellaneousDialog::openDialog() {
    for (QLineEdit* e : {m_price, m_cost, m_quantity, m_remark})
        e->clear();
    open();
    m_price->setFocus();
}

void MiscellaneousDialog::saveClick() {
    if (!isOpen())
        return;
    for (QLineEdit* e : {m_price, m_cost, m_quantity, m_remark}) {
        if (e->text().trimmed().isEmpty()) {
            e->setFocus();
            return;
        }
    }
    const auto entry =
        ReadMiscellaneous(m_prompter, m_price->text(), m_cost->text(), m_quantity->text(), m_remark->text());
    if (!entry) {
        m_remark->setFocus();
        return;
    }
    close();
    emit saved(*entry);
}

void MiscellaneousDialog::backClick() {
    if (!isOpen())
        return;
    close();
    emit cancelled();
}

bool MiscellaneousDialog::handleKey(QObject* watched, QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape) {
        backClick();
        return true;
    }
    if (IsEnter(key)) {
        if (watched == m_price)
            m_cost->setFocus();
        else if (watched == m_cost)
            m_quantity->setFocus();
        else if (watched == m_quantity)
            m_remark->setFocus();
        else if (watched == m_remark)
            m_save->setFocus();
        else
            return false;
        return true;
    }
    return false;
}

} // namespace vantorel
