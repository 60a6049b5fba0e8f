#pragma once

#include "ConnectionString.h"

#include <functional>

namespace vantorel {

// Copies every row of every table (the report scratch tables excepted) from one database to a new one,
// in one transaction on the target: a business moving from one till's file to a shared server, or back.
// The target must not hold tables yet (a file must not exist); otherwise DatabaseError and nothing is
// written. progress, when given, hears each table's name and row count.
void CopyDatabase(const ConnectionString& from, const ConnectionString& to,
                  const std::function<void(const QString& table, qint64 rows)>& progress = {});

} // namespace vantorel
