#include "UserPhoto.h"

#include "DataFolderFiles.h"
#include "TextHelpers.h"

namespace vantorel {

QString FindUserPhoto(const QString& dataFolder, const QString& userName) {
    if (!userName.trimmed().isEmpty()) {
        const QString own =
            FindInDataFolder(dataFolder, QStringLiteral("Images/") + CapitalizeName(userName.trimmed()) +
                                             QStringLiteral(".JPG"));
        if (!own.isEmpty())
            return own;
    }
    return FindInDataFolder(dataFolder, QStringLiteral("Images/No_Photo.JPG"));
}

} // namespace vantorel
