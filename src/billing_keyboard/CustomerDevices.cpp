#include "CustomerDevices.h"

#include "AmountText.h"
#include "Settings.h"

namespace vantorel {

void CustomerDevices::load(Database& db) {
    const UtilityRecord u = ReadUtility(db);
    setPorts(u.a300, u.comport, u.command);
}

void CustomerDevices::setPorts(const QString& polePort, const QString& drawerPort,
                               const QString& drawerCommand) {
    m_pole = polePort.trimmed();
    m_drawer = drawerPort.trimmed();
    m_command = drawerCommand;
}

void CustomerDevices::clearPole() {
    m_serial.clearPole(m_pole);
}

void CustomerDevices::showAmount(Money amount) {
    m_serial.writeToCommPort(m_pole, FormatAmount(amount));
}

void CustomerDevices::showCash(Money cash, Money change) {
    m_serial.writeToCommPort(m_pole, FormatAmount(cash), FormatAmount(change));
}

void CustomerDevices::showCard(Money amount) {
    m_serial.writeToCommPort(m_pole, FormatAmount(amount), QString::fromLatin1(SerialDevices::CreditCard));
}

void CustomerDevices::openCashDrawer() {
    m_serial.openCashDrawer(m_drawer, m_command);
}

} // namespace vantorel
