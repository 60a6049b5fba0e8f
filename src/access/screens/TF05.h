#pragma once

#include "ConnectionHolder.h"
#include "FullScreenForm.h"
#include "RightsEditor.h"

#include <memory>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vantorel {

class Prompter;
struct ProgramState;

// The rights screen: the functions one user may open, granted and taken away; the owner's cannot be taken
// away.
class TF05 : public FullScreenForm {
    Q_OBJECT
public:
    TF05(ProgramState& state, const Clock& clock, Prompter& prompter, QWidget* parent = nullptr);
    ~TF05() override;

    QComboBox* userBox() const { return m_users; }
    QListWidget* availableList() const { return m_available; }
    QListWidget* grantedList() const { return m_granted; }
    QPushButton* button(const QString& caption) const;
    RightsEditor& editor() { return *m_editor; }

    // Opens the screen modally.
    void run();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();
    void selectUser(const QString& name);
    void refreshLists();
    void save();
    void leave();

    ProgramState& m_state;
    Prompter& m_prompter;
    ConnectionHolder m_connection;
    std::unique_ptr<RightsEditor> m_editor;
    QComboBox* m_users = nullptr;
    QLabel* m_total = nullptr;
    QListWidget* m_available = nullptr;
    QListWidget* m_granted = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_addAll = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_removeAll = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_done = nullptr;
    bool m_activated = false;
    bool m_leaving = false;
};

} // namespace vantorel
