#pragma once

#include <QDate>
#include <QString>

namespace vantorel::bench {

struct TradingYearOptions {
    int year = 2026;
    int billsPerDay = 275;  // about 100,000 bills a year
    int linesPerBill = 10;  // on average; about 1,000,000 lines a year
    int openBillsAtEnd = 40; // open on the last evening
    quint32 seed = 20261211;
};

struct TradingYearSummary {
    qint64 bills = 0;
    qint64 lines = 0;
    qint64 events = 0;
};

// Fills a new data folder with one believable year of trading: about 300 items in 12 groups, 100 ingredients
// with compositions, 10 users, settled bills spread over opening hours with discounts, free items, card and
// cash, customer accounts, voids and events. Deterministic for a given seed.
TradingYearSummary GenerateTradingYear(const QString& folder, const TradingYearOptions& options);

} // namespace vantorel::bench
