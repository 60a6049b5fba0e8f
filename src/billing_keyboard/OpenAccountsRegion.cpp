#include "OpenAccountsRegion.h"

#include "KeyboardControls.h"
#include "TableLabels.h"

#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

namespace vantorel {

namespace {

QPushButton* regionButton(QWidget* parent, const QString& text, const QString& name, const QRect& at,
                          const QString& functionKey = QString()) {
    QPushButton* b = MakeButton(parent, text, name, at, 12);
    b->setFocusPolicy(Qt::NoFocus);
    if (!functionKey.isEmpty())
        MakeLabel(parent, functionKey, QRect(at.x() - 24, at.y() + 8, 22, 14), 10, true,
                  name + QStringLiteral("Key"));
    return b;
}

} // namespace

OpenAccountsRegion::OpenAccountsRegion(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("OpenAccountsRegion"));
    MakeLabel(this, QStringLiteral("Open Accounts"), QRect(8, 2, 200, 20), 15, true);
    m_list = MakeList(this, QStringLiteral("BillList"), QRect(8, 24, 452, 140),
                      {QStringLiteral("Table"), QStringLiteral("Account No."), QStringLiteral("VIP Account"),
                       QStringLiteral("Customer Alias"), QStringLiteral("Pax")});
    const int widths[] = {50, 100, 110, 130};
    for (int i = 0; i < 4; ++i)
        m_list->setColumnWidth(i, widths[i]);

    m_table = regionButton(this, QStringLiteral("Table"), QStringLiteral("TableBut"), QRect(490, 24, 96, 28),
                           QStringLiteral("F1"));
    m_newAccount = regionButton(this, QStringLiteral("New Account"), QStringLiteral("NewAccountBut"),
                                QRect(490, 56, 96, 28), QStringLiteral("F2"));
    m_vip = regionButton(this, QStringLiteral("VIP Account"), QStringLiteral("VipAccountBut"),
                         QRect(490, 88, 96, 28), QStringLiteral("F3"));
    m_settle = regionButton(this, QStringLiteral("Settle Account"), QStringLiteral("SettleBut"),
                            QRect(616, 24, 96, 28), QStringLiteral("F4"));
    m_close = regionButton(this, QStringLiteral("Close"), QStringLiteral("CloseBut"), QRect(616, 56, 96, 28),
                           QStringLiteral("F10"));
    m_changeTable =
        regionButton(this, QStringLiteral("T"), QStringLiteral("ChangeTableBut"), QRect(616, 88, 30, 28));
    m_changeAlias =
        regionButton(this, QStringLiteral("N"), QStringLiteral("ChangeAliasBut"), QRect(649, 88, 30, 28));
    m_changePax =
        regionButton(this, QStringLiteral("P"), QStringLiteral("ChangePaxBut"), QRect(682, 88, 30, 28));

    m_userName =
        MakeLabel(this, QString(), QRect(490, 130, 222, 22), 14, true, QStringLiteral("UserNameLabel"));
    m_photo = new QLabel(this);
    m_photo->setObjectName(QStringLiteral("UserPhoto"));
    m_photo->setGeometry(720, 24, PhotoWidth, PhotoHeight);
    m_photo->setScaledContents(true);
    m_photo->hide();
}

void OpenAccountsRegion::showBills(const std::vector<OpenBillEntry>& bills) {
    const QSignalBlocker block(m_list);
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const OpenBillEntry& e : bills) {
        auto* row =
            new QTreeWidgetItem(QStringList{TableDisplayLabel(e.table), e.number, e.account, e.alias, e.pax});
        row->setData(0, Qt::UserRole, e.number);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    m_list->setCurrentItem(nullptr);
}

bool OpenAccountsRegion::markBill(const QString& number) {
    const QSignalBlocker block(m_list);
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = m_list->topLevelItem(i);
        if (row->data(0, Qt::UserRole).toString() == number) {
            m_list->setCurrentItem(row);
            m_list->scrollToItem(row);
            return true;
        }
    }
    m_list->setCurrentItem(nullptr);
    return false;
}

QString OpenAccountsRegion::currentBill() const {
    const QTreeWidgetItem* row = m_list->currentItem();
    return row ? row->data(0, Qt::UserRole).toString() : QString();
}

QString OpenAccountsRegion::firstBill() const {
    return m_list->topLevelItemCount() > 0 ? m_list->topLevelItem(0)->data(0, Qt::UserRole).toString()
                                           : QString();
}

int OpenAccountsRegion::billCount() const {
    return m_list->topLevelItemCount();
}

void OpenAccountsRegion::setSettleCaption(bool payment) {
    m_settle->setText(payment ? QStringLiteral("Payment") : QStringLiteral("Settle Account"));
    m_settle->setStyleSheet(payment ? QStringLiteral("color: red;") : QString());
}

void OpenAccountsRegion::showUser(const QString& name, const QString& photoPath) {
    m_userName->setText(name);
    if (photoPath.isEmpty()) {
        m_photo->clear();
        m_photo->hide();
        return;
    }
    QImageReader reader(photoPath);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull()) {
        m_photo->clear();
        m_photo->hide();
        return;
    }
    m_photo->setPixmap(QPixmap::fromImage(
        image.scaled(PhotoWidth, PhotoHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    m_photo->show();
}

void OpenAccountsRegion::flashVipButton(const QString& text, int milliseconds) {
    m_vip->setText(text);
    QTimer::singleShot(milliseconds, m_vip, [this] { m_vip->setText(QStringLiteral("VIP Account")); });
}

} // namespace vantorel
