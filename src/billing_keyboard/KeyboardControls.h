#pragma once

#include "Money.h"

#include <QRect>
#include <QString>

class QCheckBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace vantorel {

// The controls of the keyboard billing screen, placed in 800 x 600 coordinates.
QLabel* MakeLabel(QWidget* parent, const QString& text, const QRect& at, int pixelSize = 13,
                  bool bold = false, const QString& name = QString());
QPushButton* MakeButton(QWidget* parent, const QString& text, const QString& name, const QRect& at,
                        int pixelSize = 13);
QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& at, int maxLength, int pixelSize = 15);
QCheckBox* MakeCheck(QWidget* parent, const QString& text, const QString& name, const QRect& at);
QTreeWidget* MakeList(QWidget* parent, const QString& name, const QRect& at, const QStringList& columns);

// The look of the screen's buttons, the focused one marked.
QString ButtonStyle();

bool IsEnter(const QKeyEvent* key);
bool IsDigitKey(const QKeyEvent* key);
// The letter typed, upper-cased; a null QChar when the key typed no letter or came with Ctrl or Alt.
QChar TypedLetter(const QKeyEvent* key);
// Keys that only edit a field: Backspace, arrows left and right.
bool IsEditingKey(const QKeyEvent* key);

// Shows an amount right-aligned with two decimals and thousands separators.
QString AmountField(Money amount);

} // namespace vantorel
