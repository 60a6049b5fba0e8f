#pragma once

class QListWidget;
class QString;
class QTreeWidget;
class QWidget;

namespace vantorel {

// Gives the control rounded corners (20 x 20 ellipses), kept when it is resized; edit controls get their
// text inset by 4 pixels on every side.
void RoundCorners(QWidget* control);

// Waits at least that long while the screens keep painting and answering input.
void WaitWithMessages(int milliseconds);

// Restores the window when minimised and brings it to the front; returns whether it is the active window.
bool ForceForeground(QWidget* window);

// The message beep: 1 information, 2 exclamation, 3 error, any other value the simple beep. The system
// offers one beep here, so every kind sounds the same.
void BeepKind(int kind);

// The program's fixed texts break lines with CR; labels and message boxes need line feeds.
QString WithLineFeeds(const QString& text);

// Selects the first entry whose text is the caption, scrolls it into view and focuses the list;
// false (and nothing changed) when there is none.
bool SelectListItem(QListWidget* list, const QString& caption);
bool SelectListItem(QTreeWidget* list, const QString& caption);

// Selects the entry at the index, scrolls it into view and focuses the list; false when out of range.
bool SelectListIndex(QListWidget* list, int index);
bool SelectListIndex(QTreeWidget* list, int index);

} // namespace vantorel
