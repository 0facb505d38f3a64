#pragma once

#include <QFont>
#include <QString>
#include <Qt>

class StringOperation
{
public:
    // The text cut with an ellipsis where needed so it fits width pixels
    // when drawn in font.
    static QString GetElidedString(const QFont& font, int width, const QString& text,
                                   Qt::TextElideMode mode = Qt::ElideRight);
};
