#pragma once

#include "FullScreenForm.h"

#include <functional>

class QLabel;
class QPushButton;

namespace vantorel {

// Stands in for a screen that is not part of this version yet: says so and goes back. May offer the few
// entries of that screen that already exist.
class PendingScreen : public FullScreenForm {
    Q_OBJECT
public:
    PendingScreen(const Clock& clock, const QString& title, const QString& text, QWidget* parent = nullptr);

    QPushButton* addEntry(const QString& caption, std::function<void()> action);
    QPushButton* backButton() const { return m_back; }

private:
    QLabel* m_text = nullptr;
    QPushButton* m_back = nullptr;
    int m_entries = 0;
};

} // namespace vantorel
