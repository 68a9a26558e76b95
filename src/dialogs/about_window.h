// AboutWindow (Form1): the program's name, help text, contact address and links.
#pragma once

#include <QWidget>

#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace cvbutton {
class WidgetHost;
}
namespace platform {
class UrlOpener;
}

namespace dialogs {

class ClickableLabel;

// Form1: the product, what it does, how to reach its makers, and links to their pages. It has no
// owner; OK closes it.
class AboutWindow final : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(std::shared_ptr<platform::UrlOpener> links);

    QPlainTextEdit* Text1() const { return text1_; }
    QLineEdit* Text2() const { return text2_; }
    ClickableLabel* Label3() const { return label3_; }
    ClickableLabel* Image1() const { return image1_; }
    ClickableLabel* Image2() const { return image2_; }
    cvbutton::WidgetHost* cvButton1() const { return cvButton1_; }

    void Label3_Click();
    void Image2_Click();
    void Image1_Click();
    void cvButton1_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void buildHeadingAndLinks();
    void buildContactAndLogos();
    void buildTextAndButton();
    void connectHandlers();
    QLabel* addLabel(const char* name, const QString& text, int left, int top, int width, int height);
    ClickableLabel* addLogo(const char* name, const QString& resource, int left, int top, int width, int height);
    // The result is not looked at: with no handler for web addresses nothing happens, and the
    // window stays open either way.
    void openLink(const char* address);

    std::shared_ptr<platform::UrlOpener> links_;
    ClickableLabel* label3_ = nullptr;
    QLineEdit* text2_ = nullptr;
    ClickableLabel* image1_ = nullptr;
    ClickableLabel* image2_ = nullptr;
    QPlainTextEdit* text1_ = nullptr;
    cvbutton::WidgetHost* cvButton1_ = nullptr;
};

} // namespace dialogs
