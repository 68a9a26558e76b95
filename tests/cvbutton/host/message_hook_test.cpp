// Tests of the message hook: the order of callbacks around a window's own handling, and the real hook's
// hover, leave and colour messages from widget events.
#include "cvbutton/host/message_hook_qt.h"
#include "support/fake_message_hook.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

namespace cvbutton::host {
namespace {

using testing::FakeMessageHook;

struct Recorder {
    QStringList calls;
    SubclassProc proc(bool handleBefore = false)
    {
        return [this, handleBefore](bool bBefore, bool& bHandled, std::intptr_t& lReturn, Window&, int& uMsg,
                                    std::intptr_t&, std::intptr_t&) {
            calls << QStringLiteral("%1 %2 %3").arg(bBefore ? "before" : "after").arg(uMsg, 0, 16).arg(lReturn);
            if (bBefore && handleBefore)
                bHandled = true;
        };
    }
};

class HookTable : public ::testing::Test {
protected:
    QObject window;
    QObject other;
    FakeMessageHook hook;
    Recorder recorder;
};

TEST_F(HookTable, RunsBeforeTheOwnProcedureAndAfterItWithItsResult)
{
    hook.SubclassAttach(&window, recorder.proc());
    hook.SubclassAddMessage(&window, WM_MOUSEMOVE, MSG_BEFORE_AND_AFTER);
    EXPECT_EQ(hook.deliver(&window, WM_MOUSEMOVE), 1);
    EXPECT_EQ(recorder.calls, (QStringList{"before 200 0", "after 200 1"}));
    hook.deliver(&window, WM_MOUSELEAVE);
    EXPECT_EQ(recorder.calls.size(), 2);
    EXPECT_EQ(hook.ownProcedureCalls, 2);
}

TEST_F(HookTable, AHandledBeforeCallSkipsTheOwnProcedureAndTheAfterCall)
{
    hook.SubclassAttach(&window, recorder.proc(true));
    hook.SubclassAddMessage(&window, WM_MOUSEMOVE, MSG_BEFORE_AND_AFTER);
    hook.deliver(&window, WM_MOUSEMOVE);
    EXPECT_EQ(recorder.calls, (QStringList{"before 200 0"}));
    EXPECT_EQ(hook.ownProcedureCalls, 0);
}

TEST_F(HookTable, TheSameMessageTwiceIsListedOnceAndMinusOneMatchesEverything)
{
    hook.SubclassAttach(&window, recorder.proc());
    hook.SubclassAddMessage(&window, WM_MOUSEMOVE, MSG_AFTER);
    hook.SubclassAddMessage(&window, WM_MOUSEMOVE, MSG_AFTER);
    hook.deliver(&window, WM_MOUSEMOVE);
    EXPECT_EQ(recorder.calls.size(), 1);
    EXPECT_FALSE(hook.table.wants(&window, WM_THEMECHANGED));
    hook.SubclassAddMessage(&window, kEveryMessage, MSG_AFTER);
    EXPECT_TRUE(hook.table.wants(&window, WM_THEMECHANGED));
    EXPECT_TRUE(hook.table.wants(&window, WM_APP + 12));
}

TEST_F(HookTable, DetachEndsTheCallbacksAndFreedEntriesAreReusedFromTheTop)
{
    EXPECT_EQ(hook.SubclassAttach(&window, recorder.proc()), 0);
    EXPECT_EQ(hook.SubclassAttach(&other, recorder.proc()), 1);
    hook.SubclassAddMessage(&window, kEveryMessage, MSG_AFTER);
    hook.SubclassDetach(&window);
    hook.deliver(&window, WM_MOUSEMOVE);
    EXPECT_TRUE(recorder.calls.isEmpty());
    EXPECT_EQ(hook.ownProcedureCalls, 1);
    QObject third;
    EXPECT_EQ(hook.SubclassAttach(&third, recorder.proc()), 0);
    hook.SubclassDetachAll();
    EXPECT_TRUE(hook.table.windows().empty());
}

TEST_F(HookTable, DetachingOrDestroyingTheTableInsideABeforeCallCallsNobodyAfterwards)
{
    auto table = std::make_unique<SubclassTable>();
    int afterCalls = 0;
    table->attach(&window, [&](bool bBefore, bool&, std::intptr_t&, Window&, int&, std::intptr_t&, std::intptr_t&) {
        if (bBefore)
            table.reset();
        else
            ++afterCalls;
    });
    table->addMessage(&window, WM_MOUSEMOVE, MSG_BEFORE_AND_AFTER);
    int own = 0;
    SubclassTable::dispatch(*table, &window, WM_MOUSEMOVE, 0, 0, [&] { return ++own; });
    EXPECT_EQ(table, nullptr);
    EXPECT_EQ(own, 1);
    EXPECT_EQ(afterCalls, 0);
}

// The hook on a real widget: entering and moving are WM_MOUSEMOVE, a requested leave comes once.
class QtHook : public ::testing::Test {
protected:
    QtHook()
    {
        widget->resize(40, 20);
        hook->SubclassAttach(widget.get(), recorder.proc());
        hook->SubclassAddMessage(widget.get(), WM_MOUSEMOVE, MSG_AFTER);
        hook->SubclassAddMessage(widget.get(), WM_MOUSELEAVE, MSG_AFTER);
        hook->SubclassAddMessage(widget.get(), WM_SYSCOLORCHANGE, MSG_AFTER);
    }

    void send(QEvent::Type type, QPointF at = {5, 5})
    {
        if (type == QEvent::Enter) {
            QEnterEvent event(at, at, at);
            QApplication::sendEvent(widget.get(), &event);
        } else if (type == QEvent::MouseMove) {
            QMouseEvent event(type, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(widget.get(), &event);
        } else {
            QEvent event(type);
            QApplication::sendEvent(widget.get(), &event);
        }
    }

    TrackMouseEventRequest leaveRequest() const
    {
        TrackMouseEventRequest request;
        request.hwndTrack = widget.get();
        return request;
    }

    std::unique_ptr<QWidget> widget = std::make_unique<QWidget>();
    std::unique_ptr<QtMessageHook> hook = std::make_unique<QtMessageHook>();
    Recorder recorder;
};

TEST_F(QtHook, OneLeavePerRequestAndNoneWithoutOne)
{
    send(QEvent::Enter);
    send(QEvent::MouseMove);
    EXPECT_EQ(recorder.calls.count(QStringLiteral("after 200 1")), 2);
    send(QEvent::Leave);
    EXPECT_EQ(recorder.calls.filter(QStringLiteral("2a3")).size(), 0);
    send(QEvent::Enter);
    ASSERT_TRUE(hook->TrackMouseEvent(leaveRequest()));
    send(QEvent::Leave);
    send(QEvent::Leave);
    EXPECT_EQ(recorder.calls.filter(QStringLiteral("2a3")).size(), 1);
}

TEST_F(QtHook, ARequestWhileThePointerIsOutReportsTheLeaveOnceMessagesRun)
{
    send(QEvent::Enter);
    send(QEvent::MouseMove, {60, 5}); // held outside, as a pressed button does
    ASSERT_TRUE(hook->TrackMouseEvent(leaveRequest()));
    QApplication::processEvents();
    EXPECT_EQ(recorder.calls.filter(QStringLiteral("2a3")).size(), 1);
    EXPECT_TRUE(hook->IsFunctionExported(QStringLiteral("TrackMouseEvent"), QStringLiteral("user32")));
    EXPECT_FALSE(hook->IsFunctionExported(QStringLiteral("trackmouseevent"), QStringLiteral("User32")));
}

TEST_F(QtHook, APaletteChangeIsASystemColourChangeAndDisabledWidgetsSeeNoPointer)
{
    send(QEvent::PaletteChange);
    EXPECT_EQ(recorder.calls.filter(QStringLiteral("after 15")).size(), 1);
    widget->setEnabled(false);
    send(QEvent::Enter);
    EXPECT_EQ(recorder.calls.filter(QStringLiteral("200")).size(), 0);
}

TEST_F(QtHook, DetachGivesTheWidgetBackAndTeardownInsideACallbackIsSafe)
{
    hook->SubclassDetach(widget.get());
    send(QEvent::Enter);
    EXPECT_TRUE(recorder.calls.isEmpty());

    hook->SubclassAttach(widget.get(),
                         [this](bool, bool&, std::intptr_t&, Window&, int&, std::intptr_t&, std::intptr_t&) {
                             hook.reset();
                             widget.reset();
                         });
    hook->SubclassAddMessage(widget.get(), kEveryMessage, MSG_BEFORE_AND_AFTER);
    send(QEvent::Enter);
    EXPECT_EQ(hook, nullptr);
    EXPECT_EQ(widget, nullptr);
}

} // namespace
} // namespace cvbutton::host
