#pragma once

#include <functional>

namespace vantorel {

class Clock;
class CustomerDevices;
class Database;
class InputGate;
class PrintSink;
class Prompter;
struct ProgramState;

// What the keyboard billing screen and its panels work with.
struct BillingContext {
    Database& db;
    ProgramState& state;
    Prompter& prompter;
    const Clock& clock;
    InputGate& gate;
    CustomerDevices& devices;
    std::function<PrintSink&()> printSink;
};

// Runs one action of the screen with the keyboard and mouse held (keys typed meanwhile are kept): a
// database failure is shown and the action ends there. Returns false after a failure.
bool RunAction(BillingContext& context, const std::function<void()>& action);

} // namespace vantorel
