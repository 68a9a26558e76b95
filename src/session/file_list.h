// The folder list: a folder's pictures in the order Next File walks them.
#pragma once

#include <QStringList>

namespace platform {
class Files;
}

namespace session {

// The hidden list of a folder's pictures: visible files whose names match PictureFilePattern, in
// ascending order of name with letter case ignored, numbered from 0.
class FileList {
public:
    explicit FileList(const platform::Files& files) : files_(files) {}

    void rebuild(const QString& folder);

    qsizetype ListCount() const { return names_.size(); }
    bool contains(qsizetype index) const { return index >= 0 && index < names_.size(); }
    // The name at `index`; empty for an index outside the list.
    QString entry(qsizetype index) const { return contains(index) ? names_.at(index) : QString(); }
    const QStringList& names() const { return names_; }

private:
    const platform::Files& files_;
    QStringList names_;
};

// The first picture of `folder` in the order the list holds them; empty when it holds none.
QString firstPictureOf(const platform::Files& files, const QString& folder);

} // namespace session
