#pragma once

#include "ScaledDialog.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace vantorel {

class GradientPanel;
class Prompter;

namespace StartCashText {
inline const QString NotANumber = QStringLiteral("Not a proper number!     \n\nPlease try again.");
inline QString LeaveQuestion(const QString& amount) {
    return QStringLiteral("Leave ") + amount + QStringLiteral(" in the cash drawer for today's business?  ");
}
} // namespace StartCashText

// The amount pad: digits and one "." with at most two decimals, at most DigitLimit() characters, typed on the
// pad or the keyboard. Answers in DialogAnswer() the confirmed amount as formatted text, or "XPX" ("Back").
class TStartCash : public ScaledDialog {
    Q_OBJECT
public:
    static constexpr int Width = 320;
    static constexpr int Height = 400;
    // Where the pad is designed to open on the 800 x 600 screen.
    static constexpr QPoint DesignedAt{240, 100};

    TStartCash(QWidget* parent, Prompter& prompter);

    void setTitle(const QString& title);
    void setText(const QString& text);
    void setConfirmCaption(const QString& caption);
    void setColors(const QColor& start, const QColor& end);

    QLineEdit* field() const { return m_field; }
    QPushButton* key(const QString& caption) const;

    void pressKey(QChar key);
    void clear();
    void back();
    void confirm();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    bool accepts(const QString& entry, QChar next) const;

    Prompter& m_prompter;
    GradientPanel* m_title = nullptr;
    QLabel* m_text = nullptr;
    QLineEdit* m_field = nullptr;
    QPushButton* m_confirm = nullptr;
};

} // namespace vantorel
