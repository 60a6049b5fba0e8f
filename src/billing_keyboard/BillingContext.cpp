#include "BillingContext.h"

#include "DatabaseError.h"
#include "InputGate.h"
#include "Prompter.h"

namespace vantorel {

bool RunAction(BillingContext& context, const std::function<void()>& action) {
    InputGate::Hold hold(context.gate);
    try {
        action();
        return true;
    } catch (const DatabaseError& e) {
        context.prompter.showMessage(e.message(), QStringLiteral("Vantorel"), Prompter::Icon::Error);
        return false;
    }
}

} // namespace vantorel
