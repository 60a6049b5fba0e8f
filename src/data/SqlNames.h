#pragma once

#include <QString>

namespace vantorel {

// A table or column name for use in a statement. Reserved words and names holding characters such as "/"
// are quoted in lower case; every engine then finds the same identifier (SQLite matches names without
// regard to case, PostgreSQL folds unquoted names to lower case). Other names pass unchanged.
QString SqlName(const QString& name);

// Whether a name must be quoted in statements.
bool NeedsQuoting(const QString& name);
// The name between double quotes, exactly as given.
QString QuoteIdentifier(const QString& name);

} // namespace vantorel
