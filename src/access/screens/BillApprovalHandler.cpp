#include "BillApprovalHandler.h"

#include "ProgramState.h"
#include "TFAuthorize.h"
#include "TTSFAuthorize.h"

#include <QApplication>
#include <QPointer>

namespace vantorel {

WidgetPrompter::ApprovalHandler MakeBillApprovalHandler(QWidget* fallback, const ProgramState& state,
                                                        const Clock& clock, Prompter& prompter) {
    QPointer<QWidget> fallbackWindow(fallback);
    return [fallbackWindow, &state, &clock, &prompter](const QString& billOrAccount, const QString& action) {
        QWidget* over = QApplication::activeWindow();
        if (!over)
            over = fallbackWindow;
        return state.settings.touchMode
                   ? TTSFAuthorize::ask(over, state, clock, prompter, billOrAccount, action)
                   : TFAuthorize::ask(over, state, clock, prompter, billOrAccount, action);
    };
}

} // namespace vantorel
