#pragma once

#include "FullScreenForm.h"

#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vantorel {

class Database;
class PercentField;
class Prompter;
struct ProgramState;
struct TaxSettings;

// The tax screen: sales tax, government tax and service charge with whether each is added to the
// invoice, the licence number for tax declarations, and the price list with taxes and charge.
class TF07 : public FullScreenForm {
    Q_OBJECT
public:
    TF07(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock,
         QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void formActivate();
    void loadValues();
    void showPriceListButton();
    // The values on the screen; a field that does not hold a percentage is refused with the message and
    // focused, and nothing is returned.
    std::optional<TaxSettings> typedValues();
    void showSaved(const TaxSettings& taxes);
    void saveButClick();
    void priceListButClick();

    Database& m_db;
    ProgramState& m_state;
    Prompter& m_prompter;
    const Clock& m_clock;
    bool m_activated = false;

    PercentField* m_salesTaxEdit = nullptr;
    PercentField* m_govTaxEdit = nullptr;
    PercentField* m_serviceChargeEdit = nullptr;
    QCheckBox* m_taxOnBillBox = nullptr;
    QCheckBox* m_serviceChargeOnBillBox = nullptr;
    QLineEdit* m_licenceEdit = nullptr;
    QPushButton* m_priceListBut = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_doneBut = nullptr;
};

} // namespace vantorel
