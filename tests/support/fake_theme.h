// A visual style for tests that records what it drew.
#pragma once

#include "cvbutton/host/theme.h"

#include <vector>

// A visual style that can be switched off, draws each state in a colour of its own and records
// what it was asked to draw.
class FakeTheme final : public cvbutton::host::Theme {
public:
    struct Drawn {
        int partId;
        int stateId;
        cvbutton::host::Rect rect;
    };

    static constexpr platform::Colorref faceColor(int stateId) { return 0x102030u * static_cast<unsigned>(stateId); }

    bool available = true;
    bool drawingFails = false;
    std::vector<QString> opened;
    std::vector<Drawn> drawn;
    std::vector<cvbutton::host::Rect> regionRects;

    std::unique_ptr<cvbutton::host::ThemeData> open(const QString& classList) override
    {
        opened.push_back(classList);
        if (!available)
            return nullptr;
        return std::make_unique<Data>(*this);
    }

private:
    class Data final : public cvbutton::host::ThemeData {
    public:
        explicit Data(FakeTheme& theme) : theme_(theme) {}

        bool drawBackground(cvbutton::host::Surface& surface, int partId, int stateId, const cvbutton::host::Rect& rect,
                            const cvbutton::host::Rect&) override
        {
            theme_.drawn.push_back({partId, stateId, rect});
            // A push button has the states 1 to 5; any other is refused, as a real theme does.
            if (theme_.drawingFails || stateId < 1 || stateId > 5)
                return false;
            surface.fillRect(rect, faceColor(stateId));
            return true;
        }

        // A rounded outline, so a test can tell it from the rectangle of a re-layout.
        cvbutton::host::Region backgroundRegion(int, int, const cvbutton::host::Rect& rect) override
        {
            theme_.regionRects.push_back(rect);
            return cvbutton::host::Region::roundRectangle(rect.left, rect.top, rect.right, rect.bottom, 8, 8);
        }

    private:
        FakeTheme& theme_;
    };
};
