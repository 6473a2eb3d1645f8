#include "widgets/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace FixedPitchFont {

QFont named(const QString& family)
{
    if (QFontDatabase::hasFamily(family)) {
        QFont font(family);
        if (QFontInfo(font).fixedPitch())
            return font;
    }
    return QFontDatabase::systemFont(QFontDatabase::FixedFont);
}

} // namespace FixedPitchFont
