#pragma once

#include <QString>

namespace vantorel {

// Finds a file or folder inside the data folder by a relative path written with "/" or "\", comparing
// each part of the path without regard to case ("PRINT\Reports\tr01.frf" finds PRINT/REPORTS/TR01.FRF);
// an exact spelling wins over others. Returns the absolute path, or an empty text when it is not there.
QString FindInDataFolder(const QString& dataFolder, const QString& relativePath);

} // namespace vantorel
