// Spending a desktop activation token so the running window may come forward on Wayland.
#include "platform/window_activation.h"

#include <QtGlobal>

namespace platform::window_activation {

namespace {

// The toolkit's Wayland plugin reads this variable, and clears it, when a window asks to be activated.
constexpr char kTokenVariable[] = "XDG_ACTIVATION_TOKEN";

} // namespace

QString tokenOfThisStart()
{
    return qEnvironmentVariable(kTokenVariable);
}

void lendToNextActivation(const QString& token)
{
    if (!token.isEmpty())
        qputenv(kTokenVariable, token.toUtf8());
}

} // namespace platform::window_activation
