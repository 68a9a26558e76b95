// The one failure the picture module reports.
#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

namespace picture {

// The one failure the picture module reports: a file that could not be turned into a picture.
// Callers show or absorb it by its number, source and description, which they compare verbatim.
class PictureError : public std::exception {
public:
    explicit PictureError(const QString& path);

    int number() const { return 999; }
    QString source() const { return QStringLiteral("GDI+ Module"); }
    QString description() const { return description_; }
    const char* what() const noexcept override { return whatText_.constData(); }

private:
    QString description_;
    QByteArray whatText_;
};

} // namespace picture
