#include "WindowHelpers.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QRegion>
#include <QString>
#include <QTextDocument>
#include <QTextEdit>
#include <QTreeWidget>

namespace vantorel {

namespace {

QRegion roundedRegion(const QRect& r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(r), 10, 10);
    return QRegion(path.toFillPolygon().toPolygon());
}

// Re-applies the rounded mask whenever the control changes size.
class RoundCornerKeeper : public QObject {
public:
    static constexpr const char* Name = "vantorelRoundCorners";
    explicit RoundCornerKeeper(QWidget* control) : QObject(control) {
        setObjectName(QLatin1String(Name));
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize) {
            auto* w = static_cast<QWidget*>(watched);
            w->setMask(roundedRegion(w->rect()));
        }
        return false;
    }
};

} // namespace

void RoundCorners(QWidget* control) {
    if (!control)
        return;
    if (!control->findChild<QObject*>(QLatin1String(RoundCornerKeeper::Name), Qt::FindDirectChildrenOnly))
        new RoundCornerKeeper(control);
    control->setMask(roundedRegion(control->rect()));
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setTextMargins(4, 4, 4, 4);
    else if (auto* text = qobject_cast<QTextEdit*>(control))
        text->document()->setDocumentMargin(4);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(control))
        plain->document()->setDocumentMargin(4);
}

void WaitWithMessages(int milliseconds) {
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        int(std::max<qint64>(1, deadline.remainingTime())));
}

bool ForceForeground(QWidget* window) {
    if (!window)
        return false;
    window = window->window();
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (!window->isVisible())
        window->show();
    window->raise();
    window->activateWindow();
    QCoreApplication::processEvents();
    return window->isActiveWindow();
}

void BeepKind(int) {
    QApplication::beep();
}

QString WithLineFeeds(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

bool SelectListItem(QListWidget* list, const QString& caption) {
    if (!list)
        return false;
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text() == caption)
            return SelectListIndex(list, i);
    return false;
}

bool SelectListItem(QTreeWidget* list, const QString& caption) {
    if (!list)
        return false;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        if (list->topLevelItem(i)->text(0) == caption)
            return SelectListIndex(list, i);
    return false;
}

bool SelectListIndex(QListWidget* list, int index) {
    if (!list || index < 0 || index >= list->count())
        return false;
    list->setCurrentRow(index);
    list->scrollToItem(list->item(index));
    list->setFocus();
    return true;
}

bool SelectListIndex(QTreeWidget* list, int index) {
    if (!list || index < 0 || index >= list->topLevelItemCount())
        return false;
    QTreeWidgetItem* item = list->topLevelItem(index);
    list->setCurrentItem(item);
    list->scrollToItem(item);
    list->setFocus();
    return true;
}

} // namespace vantorel
