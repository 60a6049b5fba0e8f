#pragma once

#include "DatabaseError.h"
#include "Prompter.h"
#include "RegistryValues.h"

#include <QRect>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace vantorel {

// The controls of the settings screens, placed in 800 x 600 coordinates in the screens' fonts.
QLabel* MakeLabel(const QString& text, QWidget* parent, const QRect& at, int pixelSize = 14,
                  bool bold = false);
QPushButton* MakeButton(const QString& text, const QString& name, QWidget* parent, const QRect& at);
QCheckBox* MakeCheckBox(const QString& text, const QString& name, QWidget* parent, const QRect& at,
                        int pixelSize = 14);
QRadioButton* MakeRadioButton(const QString& text, const QString& name, QWidget* parent, const QRect& at);
QLineEdit* MakeTextField(const QString& name, QWidget* parent, const QRect& at, int maxLength);

// Runs one action of a settings screen; a failure of the database or of the computer's stored values is
// shown, and the action has changed nothing. Returns whether the action ran through.
template <typename F> bool RunReported(Prompter& prompter, F action) {
    try {
        action();
        return true;
    } catch (const DatabaseError& e) {
        prompter.showMessage(e.message(), QStringLiteral("Vantorel"), Prompter::Icon::Error);
    } catch (const RegistryError& e) {
        prompter.showMessage(e.message(), QStringLiteral("Vantorel"), Prompter::Icon::Error);
    }
    return false;
}

} // namespace vantorel
