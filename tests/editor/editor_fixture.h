// EditorTest: a main window on fakes, over real files in a temporary folder.
#pragma once

#include "editor/comment_box.h"
#include "editor/main_window.h"
#include "platform/detail_folder.h"
#include "platform/local_files.h"
#include "platform/paths.h"
#include "support/fake_comment_library.h"
#include "support/fake_dialogs.h"
#include "support/fake_shell.h"
#include "support/fake_shell_folder.h"
#include "support/faulty_files.h"
#include "support/qt_printers.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

// A main window on fake dialogs, shell and comment library, over real files in a temporary folder.
class EditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("trash")));
        shell.trashFolder = folder.filePath(QStringLiteral("trash"));
        shell.picturesFolder = folder.path();
        for (int column = 0; column < platform::DetailFolder::kColumnCount; ++column)
            shellFolders.titles.append(platform::DetailFolder(QString()).columnTitle(column));
        window =
            std::make_unique<editor::Corvane>(editor::EditorServices{dialogs, shell, files, comments, shellFolders});
    }

    // Creates a small real picture (the format follows the extension) and returns its path.
    QString picture(const QString& name, QColor color = Qt::red)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(color);
        const QString path = dir() + name;
        const QByteArray format = QFileInfo(name).suffix().toLower().toLatin1();
        const bool known = format == "jpg" || format == "png" || format == "gif" || format == "bmp";
        if (!known || !image.save(path, format.constData()))
            writeFile(name, "not really a picture");
        return path;
    }

    // a.jpg, b.jpg and c.jpg with the photo comments "A", "B" and "C", the window opened at a.jpg.
    void openAmongThreeCommented()
    {
        for (const char* name : {"a.jpg", "b.jpg", "c.jpg"})
            comments.comments.insert(QFile::encodeName(picture(QString::fromLatin1(name))),
                                     QByteArray(name, 1).toUpper());
        open(dir() + QStringLiteral("a.jpg"));
        dialogs.messages.clear();
    }
    QByteArray storedFor(const char* name) const
    {
        return comments.comments.value(QFile::encodeName(dir() + QString::fromLatin1(name)));
    }

    QString writeFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(dir() + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }

    // Opens a file through the Open command, as the user would pick it in the dialog.
    void open(const QString& path)
    {
        dialogs.fileToOpen = path;
        window->Command1_Click();
    }

    QString dir() const { return folder.path() + QStringLiteral("/"); }
    QString shownName() const { return window->Text1()->text().section(u'/', -1); }
    QString boxText() const { return window->Text2()->toPlainText(); }
    bool pictureShown() const { return !window->Picture1()->pixmap().isNull(); }
    QRadioButton* option(const char* name) const { return window->findChild<QRadioButton*>(name); }

    QTemporaryDir folder;
    fakes::FakeDialogs dialogs;
    fakes::FakeShell shell;
    fakes::FaultyFiles files;
    fakes::FakeCommentLibrary comments;
    fakes::FakeShellNamespace shellFolders;
    std::unique_ptr<editor::Corvane> window;
};
