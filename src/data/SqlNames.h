#pragma once

#include <QString>

namespace vantorel {

// Quotes a table or column name when it is a reserved word or holds characters such as "/", using the
// schema's own spelling, so that every engine sees the same identifier. Other names pass unchanged.
QString SqlName(const QString& name);

} // namespace vantorel
