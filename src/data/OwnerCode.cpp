#include "OwnerCode.h"

#include "ScrambleText.h"

namespace vantorel {

OwnerCode OwnerCode::decode(const QString& stored) {
    const QString plain = ScrambleText(stored);
    OwnerCode o;
    const qsizetype sep = plain.indexOf(QStringLiteral("+&+"));
    if (sep < 0)
        return o;
    o.name = plain.left(sep);
    const qsizetype idAt = plain.indexOf(QStringLiteral("+&+G"));
    if (idAt >= 0)
        o.id = plain.mid(idAt + 4);
    return o;
}

QString OwnerCode::encode() const { return ScrambleText(name.toUpper() + QStringLiteral("+&+G") + id); }

} // namespace vantorel
