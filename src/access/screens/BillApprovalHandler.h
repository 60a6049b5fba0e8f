#pragma once

#include "WidgetPrompter.h"

namespace vantorel {

class Clock;
struct ProgramState;

// Answers the screens' approval requests with the bill-authorization dialog of the input mode in use: the
// touch dialog with touch input, the keyboard dialog otherwise. The dialog opens over the active screen, or
// over the fallback when no screen is active.
WidgetPrompter::ApprovalHandler MakeBillApprovalHandler(QWidget* fallback, const ProgramState& state,
                                                        const Clock& clock, Prompter& prompter);

} // namespace vantorel
