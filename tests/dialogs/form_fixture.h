// Helpers the forms' tests share.
#pragma once

#include "cvbutton/widget_host.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

// What the forms' tests share: pressing a button the way the keyboard does, which raises Click
// through the control's own input handling, and letting closed forms be unloaded.
namespace form_testing {

inline void pressWithSpace(cvbutton::WidgetHost* button)
{
    QTest::keyClick(button, Qt::Key_Space);
}

inline void unloadClosedForms()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void showActive(QWidget& form)
{
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
}

} // namespace form_testing
