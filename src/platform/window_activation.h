// Bringing the running window forward with the activation token a later start handed over.
#pragma once

#include <QString>

// A Wayland desktop lets a window come forward only with a token from a start the user asked for. A
// later start that hands its picture over passes its token along, and the running window spends it.
namespace platform::window_activation {

// The token the desktop gave this start; empty when it gave none.
QString tokenOfThisStart();
// Lends `token` to the toolkit, which spends it on the next window activation; nothing when empty.
void lendToNextActivation(const QString& token);

} // namespace platform::window_activation
