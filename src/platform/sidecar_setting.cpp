// Reading from the editor's settings how a new XMP sidecar is named.
#include "platform/sidecar_setting.h"

#include <QSettings>

namespace platform {

NewSidecarName newSidecarNameSetting()
{
    const QSettings settings(QStringLiteral("corvane"), QStringLiteral("corvane"));
    const QString chosen = settings.value(QStringLiteral("Sidecars/NewSidecarName")).toString().trimmed();
    return chosen.compare(QStringLiteral("NAME.xmp"), Qt::CaseInsensitive) == 0 ? NewSidecarName::WithoutExtension
                                                                                : NewSidecarName::WithExtension;
}

} // namespace platform
