#pragma once

#include <QString>

namespace vantorel {

// The owner identification kept scrambled in Utility.Code: the owner's name in upper case, "+&+G", the ID.
struct OwnerCode {
    QString name; // upper case
    QString id;

    static OwnerCode decode(const QString& stored);
    QString encode() const;
    bool isEmpty() const { return name.isEmpty() && id.isEmpty(); }
};

} // namespace vantorel
