#include "NxSkinColor.h"

#include <QMetaEnum>

QString NxSkinColor::Name(NxColorType type)
{
    if (type < 0 || type >= ColorTypeCount)
        return QString();
    return QString::fromLatin1(QMetaEnum::fromType<NxColorType>().valueToKey(type));
}

NxSkinColor::NxColorType NxSkinColor::FromName(const QString& name)
{
    bool ok = false;
    const int value = QMetaEnum::fromType<NxColorType>().keyToValue(name.toLatin1().constData(), &ok);
    if (!ok || value < 0 || value >= ColorTypeCount)
        return ColorTypeCount;
    return static_cast<NxColorType>(value);
}
