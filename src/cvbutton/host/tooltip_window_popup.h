// The popup widget that shows a tip: a plain box or a balloon, with an optional title and icon above the
// text.
#pragma once

#include <QColor>
#include <QIcon>
#include <QPainterPath>
#include <QString>
#include <QWidget>

namespace cvbutton::host {

// The drawn tip: a plain box, or a balloon whose pointer reaches towards a point, with an
// optional title line led by an icon, and the text below it.
class ToolTipPopup final : public QWidget {
public:
    explicit ToolTipPopup(bool balloon);

    void setText(const QString& text);
    void setTitle(const QIcon& icon, const QString& title);
    void setTextColor(QColor color) { textColor_ = color; }
    void setBackgroundColor(QColor color) { backgroundColor_ = color; }
    QColor textColor() const { return textColor_; }
    QColor backgroundColor() const { return backgroundColor_; }
    const QString& text() const { return text_; }
    const QString& title() const { return title_; }
    // Shows the tip with its pointer, or its corner, at the given screen point.
    void showAt(const QPoint& anchor);

    bool isBalloon() const { return balloon_; }
    bool pointsUp() const { return pointsUp_; }
    bool hasTitle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize bodySize() const;
    QRect bodyRect() const;
    QPainterPath outline() const;

    bool balloon_;
    bool pointsUp_ = true;
    int stemX_ = 0;
    QString text_;
    QString title_;
    QIcon icon_;
    QColor textColor_;
    QColor backgroundColor_;
};

} // namespace cvbutton::host
