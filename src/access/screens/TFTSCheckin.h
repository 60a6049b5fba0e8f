#pragma once

#include "ScaledDialog.h"

class QPushButton;

namespace vantorel {

// The touch check-in pad: digits that are not shown, at most DigitLimit() of them, never a leading "0".
// Answers in DialogAnswer() the digits typed ("OK", possibly empty) or "XPX" ("Exit").
class TFTSCheckin : public ScaledDialog {
    Q_OBJECT
public:
    static constexpr int Width = 288;
    static constexpr int Height = 299;

    explicit TFTSCheckin(QWidget* parent);

    // What has been typed so far (never shown on the pad).
    const QString& entry() const { return m_entry; }
    QPushButton* key(const QString& caption) const;

    void pressDigit(QChar digit);
    void clear();
    void confirm();
    void exit();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

private:
    QString m_entry;
};

} // namespace vantorel
