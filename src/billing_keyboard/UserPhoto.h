#pragma once

#include <QString>

namespace vantorel {

// The photo shown for a user on the billing screens: "Images/" + the name as CapitalizeName gives it +
// ".JPG" in the data folder, else "Images/No_Photo.JPG"; names are found without regard to case. Empty
// when neither is there.
QString FindUserPhoto(const QString& dataFolder, const QString& userName);

} // namespace vantorel
