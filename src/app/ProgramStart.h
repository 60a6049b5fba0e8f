#pragma once

namespace vantorel {

// The whole program: one instance per user, the data folder and its database, the main screen.
int RunVantorel(int argc, char* argv[]);

} // namespace vantorel
