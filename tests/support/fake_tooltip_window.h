// Tooltip windows for tests that record what a control did with them.
#pragma once

#include "cvbutton/host/tooltip_window.h"

#include <QStringList>

#include <memory>

namespace cvbutton::host::testing {

// What a control did with its tooltip windows, kept after the windows themselves are gone.
struct ToolTipLog {
    QStringList calls;
    unsigned lastStyle = 0;
    ToolInfo lastTool;
    int alive = 0;
};

class FakeToolTipWindow final : public ToolTipWindow {
public:
    FakeToolTipWindow(std::shared_ptr<ToolTipLog> log, unsigned style) : log_(std::move(log))
    {
        log_->lastStyle = style;
        log_->calls << QStringLiteral("create %1").arg(style, 0, 16);
        ++log_->alive;
    }
    ~FakeToolTipWindow() override
    {
        log_->calls << QStringLiteral("destroy");
        --log_->alive;
    }
    bool addTool(const ToolInfo& tool) override
    {
        log_->lastTool = tool;
        log_->calls << QStringLiteral("add ") + tool.lpszText;
        return true;
    }
    bool deleteTool(const ToolInfo&) override
    {
        log_->calls << QStringLiteral("delete");
        return true;
    }
    bool setTitle(int icon, const QString& title) override
    {
        log_->calls << QStringLiteral("title %1 ").arg(icon) + title;
        return true;
    }
    void setTipTextColor(Colorref color) override
    {
        log_->calls << QStringLiteral("text %1").arg(color, 6, 16, QLatin1Char('0'));
    }
    void setTipBkColor(Colorref color) override
    {
        log_->calls << QStringLiteral("back %1").arg(color, 6, 16, QLatin1Char('0'));
    }

private:
    std::shared_ptr<ToolTipLog> log_;
};

} // namespace cvbutton::host::testing
