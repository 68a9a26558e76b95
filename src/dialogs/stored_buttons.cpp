// Reading a form's stored button properties and placing each button.
#include "dialogs/stored_buttons.h"

#include "cvbutton/widget_host.h"
#include "forms/twips.h"

#include <QtGlobal>

// Resources live in this static library, so they are registered by hand before the first use.
static void registerDialogResources()
{
    Q_INIT_RESOURCE(dialogs);
}

namespace dialogs {

std::vector<cvbutton::PropertySet> loadFormButtons(const QString& resource)
{
    static const bool registered = (registerDialogResources(), true);
    Q_UNUSED(registered);
    QString error;
    std::optional<std::vector<cvbutton::PropertySet>> sets = cvbutton::loadPropertySets(resource, &error);
    if (!sets) {
        qWarning("The stored buttons of %s cannot be read (%s); the buttons start fresh.", qPrintable(resource),
                 qPrintable(error));
        return {};
    }
    return std::move(*sets);
}

cvbutton::WidgetHost* addStoredButton(QWidget& form, const std::vector<cvbutton::PropertySet>& sets,
                                      const QString& name, int left, int top, int width, int height)
{
    auto* host = new cvbutton::WidgetHost(name, &form);
    forms::placeInTwips(host, left, top, width, height);
    if (const cvbutton::PropertySet* set = cvbutton::findPropertySet(sets, name))
        host->button().ReadProperties(set->bag);
    else
        host->button().InitProperties();
    return host;
}

} // namespace dialogs
