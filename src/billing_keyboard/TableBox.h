#pragma once

#include "KeyboardPanel.h"

class QLabel;
class QLineEdit;

namespace vantorel {

class Prompter;

// The table box: a table number typed (digits, no leading 0, optionally one letter), then for a free table
// the number of guests.
class TableBox : public KeyboardPanel {
    Q_OBJECT
public:
    TableBox(Prompter& prompter, QWidget* parent);

    void openBox();
    // Asks the guests for a free table, "1" proposed.
    void askPax(const QString& table);
    bool askingPax() const { return m_askingPax; }
    QString pendingTable() const { return m_table; }

signals:
    void tableEntered(const QString& typed); // Enter with a table typed
    void emptyEntered();                     // Enter with nothing typed
    void escaped();                          // Esc
    void paxEntered(const QString& table, const QString& pax);

protected:
    bool handleKey(QObject* watched, QKeyEvent* key) override;

private:
    bool tableKey(QKeyEvent* key);

    Prompter& m_prompter;
    QLineEdit* m_tableEdit = nullptr;
    QLabel* m_paxLabel = nullptr;
    QLineEdit* m_paxEdit = nullptr;
    QString m_table;
    bool m_askingPax = false;
};

} // namespace vantorel
