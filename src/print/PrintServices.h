#pragma once

namespace vantorel {

class Clock;
class Database;
class PrintSink;
class Prompter;
struct ProgramState;

// What the printing operations of billing work with.
struct PrintServices {
    Database& db;
    const ProgramState& state;
    const Clock& clock;
    Prompter& prompter;
    PrintSink& sink;
};

} // namespace vantorel
