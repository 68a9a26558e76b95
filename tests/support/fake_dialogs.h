// Dialogs that record what the program showed and answer from a script.
#pragma once

#include "platform/dialogs.h"

#include <QList>
#include <algorithm>
#include <deque>
#include <functional>

namespace fakes {

// Dialogs that record what the program showed and answer from a script.
class FakeDialogs final : public platform::Dialogs {
public:
    struct Message {
        QString text;
        QString title;
        platform::MessageIcon icon;
        platform::MessageButtons buttons;
    };

    platform::MessageAnswer messageBox(const QString& text, const QString& title, platform::MessageIcon icon,
                                       platform::MessageButtons buttons) override
    {
        messages.append({text, title, icon, buttons});
        ++open;
        maxOpenAtOnce = std::max(maxOpenAtOnce, open);
        if (whileShown)
            whileShown(); // what a real box's event loop would let in while it waits
        --open;
        if (answers.empty())
            return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                           : platform::MessageAnswer::Cancel;
        const platform::MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    QString openFile(const QString& initialFolder, const QString& filterName, const QString& patterns) override
    {
        openRequests.append({initialFolder, filterName, patterns});
        return fileToOpen;
    }

    std::optional<platform::FontChoice> chooseFont(const platform::FontChoice& start) override
    {
        ++fontRequests;
        fontStart = start;
        return fontToChoose;
    }

    QString browseForFolder(const QString& instruction, const QString& root) override
    {
        browseRequests.append({instruction, root});
        return folderToChoose;
    }

    struct OpenRequest {
        QString initialFolder, filterName, patterns;
    };
    struct BrowseRequest {
        QString instruction, root;
    };

    QList<Message> messages;
    std::deque<platform::MessageAnswer> answers;
    QList<OpenRequest> openRequests;
    QString fileToOpen;
    int fontRequests = 0;
    std::optional<platform::FontChoice> fontStart;
    std::optional<platform::FontChoice> fontToChoose;
    QList<BrowseRequest> browseRequests;
    QString folderToChoose;
    // Runs while a message box is up, as events reaching the program during a real box would.
    std::function<void()> whileShown;
    int open = 0;
    int maxOpenAtOnce = 0;
};

} // namespace fakes
