// The fixture most button tests share: a control on a plain host with pinned system colours.
#pragma once

#include "cvbutton/cvbutton.h"
#include "cvbutton/plain_host.h"
#include "fake_url_opener.h"

#include <gtest/gtest.h>

#include <memory>

namespace cvbutton::testing {

// A control on a plain host, with the stock system colours pinned so defaults are known values.
class ButtonTest : public ::testing::Test {
protected:
    ButtonTest() : pinned_(platform::SystemColors::windows10()), host(75, 23), button(host, opener) {}

    static constexpr platform::Colorref kFace = 0xF0F0F0;
    static constexpr platform::Colorref kInfoBackground = 0xE1FFFF;

    platform::PinnedSystemColors pinned_;
    std::shared_ptr<FakeUrlOpener> opener = std::make_shared<FakeUrlOpener>();
    PlainHost host;
    cvButton button;
};

} // namespace cvbutton::testing
