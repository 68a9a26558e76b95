// Shell folders whose column titles and comments a test sets.
#pragma once

#include "platform/shell_folder.h"

#include <QFileInfo>
#include <QMap>
#include <QStringList>

namespace fakes {

// Shell folders whose column titles and comment values a test sets.
class FakeShellNamespace final : public platform::ShellNamespace {
public:
    class Folder final : public platform::ShellFolder {
    public:
        Folder(const FakeShellNamespace& owner, QString folder) : owner_(owner), folder_(std::move(folder)) {}

        std::unique_ptr<platform::ShellItem> ParseName(const QString& name) const override
        {
            const QString path = folder_ + name;
            if (!QFileInfo(path).isFile())
                return nullptr;
            return std::make_unique<platform::ShellItem>(platform::ShellItem{path});
        }
        QString columnTitle(int column) const override { return owner_.titles.value(column); }
        QString GetDetailsOf(const platform::ShellItem& item, int column) const override
        {
            return owner_.values.value(item.path).value(column);
        }

    private:
        const FakeShellNamespace& owner_;
        QString folder_;
    };

    std::unique_ptr<platform::ShellFolder> Namespace(const QString& folder) const override
    {
        if (!QFileInfo(folder).isDir())
            return nullptr;
        return std::make_unique<Folder>(*this, folder);
    }

    // Puts `value` into the column titled "Comments" of the file.
    void setComment(const QString& path, const QString& value)
    {
        values[path][titles.indexOf(QStringLiteral("Comments"))] = value;
    }

    QStringList titles;
    QMap<QString, QMap<int, QString>> values; // path -> column -> value
};

} // namespace fakes
