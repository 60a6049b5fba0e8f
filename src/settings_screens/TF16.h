#pragma once

#include "FullScreenForm.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantorel {

class Database;
class Prompter;
struct ProgramState;

// The bill-rounding screen: how the amount the customer pays is rounded, and the last line printed on
// the bill.
class TF16 : public FullScreenForm {
    Q_OBJECT
public:
    TF16(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock,
         QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void formActivate();
    void loadValues();
    void saveButClick();

    Database& m_db;
    ProgramState& m_state;
    Prompter& m_prompter;
    bool m_activated = false;

    QButtonGroup* m_roundingGroup = nullptr; // button ids are the roundings 0, 5 and 10
    QCheckBox* m_lastLineBox = nullptr;
    QLineEdit* m_lastLineEdit = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_doneBut = nullptr;
};

} // namespace vantorel
