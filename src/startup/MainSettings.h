#pragma once

namespace vantorel {

class Database;
struct SettingsCopies;

// The input modes read once at start: user-ID mode, bill authorization, touch mode, and whether incentives
// are in use (never with touch input).
void LoadInputModes(Database& db, SettingsCopies& settings);

// The copies refreshed every time the main screen becomes active: touch mode, receipt options, inventory
// control, taxes and service charge, card settings and set-menu prices.
void RefreshSettingsCopies(Database& db, SettingsCopies& settings);

} // namespace vantorel
