#pragma once

#include "FullScreenForm.h"

#include <optional>
#include <vector>

class QCheckBox;
class QPushButton;

namespace vantorel {

class Database;
class PercentField;
class Prompter;
struct CardSettings;
struct ProgramState;

// The credit-card screen: which card companies are accepted and their charge, no cards at all, and
// whether billing asks for the card number.
class TF06 : public FullScreenForm {
    Q_OBJECT
public:
    TF06(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock,
         QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct CompanyControls {
        QCheckBox* box = nullptr;
        PercentField* charge = nullptr;
    };

    void buildControls();
    void formActivate();
    void loadValues();
    void showSettings(const CardSettings& settings);
    // The settings on the screen; a charge that is not a percentage is refused with the message and
    // focused, and nothing is returned.
    std::optional<CardSettings> typedSettings();
    void saveButClick();

    Database& m_db;
    ProgramState& m_state;
    Prompter& m_prompter;
    const Clock& m_clock;
    bool m_activated = false;

    std::vector<CompanyControls> m_companies; // in the order of DefaultCardCompanies()
    QCheckBox* m_noCardsBox = nullptr;
    QCheckBox* m_cardNumberBox = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_doneBut = nullptr;
};

} // namespace vantorel
