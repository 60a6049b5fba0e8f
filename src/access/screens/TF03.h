#pragma once

#include "FullScreenForm.h"
#include "UserStore.h"

#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vantorel {

class Database;
class PopupPanel;
class Prompter;
struct ProgramState;

// The users screen: lists, shows, adds (confirmed with the checked-in user's ID), re-numbers and deletes
// users.
class TF03 : public FullScreenForm {
    Q_OBJECT
public:
    TF03(Database& db, ProgramState& state, Prompter& prompter, const Clock& clock,
         QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    enum class Mode { Showing, EditingId, NewEntry, ConfirmingNewEntry };

    void buildControls();
    void formActivate();
    void loadUsers();
    void listBox1Click();
    void editButClick();
    void newEntryButClick();
    void butSaveClick();
    void bitBtn1Click();
    void deleteButClick();

    std::optional<UserEntry> selectedUser();
    void selectUser(qint64 autoNum);
    void selectLastUser();
    void showHints();
    void showManagerField(bool shown);
    // Shows the refusal and clears and focuses the field to type again; false when there was none.
    bool refuse(const std::optional<UserRefusal>& refusal);
    // Runs one action; a database failure is reported and the list read again.
    template <typename F> void guarded(F action);

    Prompter& m_prompter;
    ProgramState& m_state;
    UserStore m_store;
    Mode m_mode = Mode::Showing;
    std::optional<UserEntry> m_editing;
    int m_wrongManagerIds = 0;
    bool m_activated = false;

    QListWidget* m_list = nullptr;
    QLineEdit* m_nameEdit = nullptr;
    QLineEdit* m_idEdit = nullptr;
    QLabel* m_hint1 = nullptr;
    QLabel* m_hint2 = nullptr;
    QPushButton* m_editBut = nullptr;
    QPushButton* m_newEntryBut = nullptr;
    QPushButton* m_deleteBut = nullptr;
    QPushButton* m_saveBut = nullptr;
    QPushButton* m_doneBut = nullptr;
    PopupPanel* m_privacyPan = nullptr;
    QLabel* m_privacyText = nullptr;
    QLabel* m_managerLabel = nullptr;
    QLineEdit* m_managerEdit = nullptr;
    QPushButton* m_managerOk = nullptr;
};

} // namespace vantorel
