// Making the forms' fonts, and preferring metric-compatible faces for the missing ones.
#include "dialogs/form_fonts.h"

#include <QFont>
#include <QStringList>

namespace dialogs {
namespace {

void preferMetricCompatibleFaces()
{
    const QStringList narrow = {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrow);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), narrow);
}

} // namespace

QFont formFont(const char* family, double pointSize, bool bold)
{
    static const bool substituted = (preferMetricCompatibleFaces(), true);
    Q_UNUSED(substituted);
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace dialogs
