#pragma once

#include "Money.h"
#include "SerialDevices.h"

#include <QString>

namespace vantorel {

class Database;
class Prompter;

// The pole display and the cash drawer of this billing screen. Their ports and the drawer command are read
// when the screen starts; a port that fails is reported once and skipped while the screen is open.
class CustomerDevices {
public:
    explicit CustomerDevices(Prompter& prompter) : m_serial(prompter) {}

    void load(Database& db);
    void setPorts(const QString& polePort, const QString& drawerPort, const QString& drawerCommand);

    void clearPole();
    // An amount with "Thank you" below it.
    void showAmount(Money amount);
    // The cash given and the change.
    void showCash(Money cash, Money change);
    // The amount and "Credit Card".
    void showCard(Money amount);
    void openCashDrawer();

    SerialDevices& serial() { return m_serial; }

private:
    SerialDevices m_serial;
    QString m_pole;
    QString m_drawer;
    QString m_command;
};

} // namespace vantorel
