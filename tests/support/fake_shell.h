// A desktop shell with a scripted pictures folder and a trash in the test's folder.
#pragma once

#include "platform/shell.h"

#include <QFile>
#include <QStringList>

namespace fakes {

// A shell with a scripted pictures folder, whose trash moves files into a folder of the test's.
class FakeShell final : public platform::Shell {
public:
    QString specialFolder(int csidl) const override
    {
        return csidl == platform::kCsidlMyPictures ? picturesFolder : QString();
    }

    QString homeFolder() const override { return home; }

    platform::TrashResult moveToRecycleBin(const QString& path) override
    {
        trashRequests.append(path);
        if (!confirmDelete)
            return platform::TrashResult::Declined;
        return moveToTrash(path) ? platform::TrashResult::Moved : platform::TrashResult::Failed;
    }

    bool moveToTrash(const QString& path) override
    {
        const QString target = trashFolder + QStringLiteral("/") + path.section(u'/', -1);
        return !trashFolder.isEmpty() && QFile::rename(path, target);
    }

    bool openUrl(const QString& url) override
    {
        openedUrls.append(url);
        return true;
    }

    QString picturesFolder;
    QString home = QStringLiteral("/home/someone");
    QString trashFolder;
    bool confirmDelete = true;
    QStringList trashRequests;
    QStringList openedUrls;
};

} // namespace fakes
