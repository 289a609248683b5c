// The editor as a desktop program: a file named on the command line, a file dropped on the
// window, the keys of the file commands.
#include <gtest/gtest.h>

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "app_fixture.h"

namespace tv {
namespace {

class DesktopTest : public test::AppFixture {
  protected:
    // A file of `count` profile points in the test's folder; its full path.
    QString objectFile(const std::string& name, int count) {
        const EncodeResult encoded = encodeObjectFile(documentOfPoints(count));
        test::writeBytes(folder.file(name), encoded.image);
        return QString::fromStdString(folder.file(name));
    }

    // Drags `url` over the window and drops it there; true when the window took it.
    bool drop(const QUrl& url) {
        QMimeData data;
        data.setUrls({url});
        const QPoint at(300, 200);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &enter);
        if (!enter.isAccepted()) {
            return false;
        }
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&form, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    }

    test::ScratchFolder folder;
};

TEST_F(DesktopTest, FileOfTheCommandLineOpensNamedWithItsFullPathOrIsReportedMissing) {
    const QString full = objectFile("vase.tvl", 5);
    // The command line may name the file relative to the start folder.
    form.openFile(QDir::current().relativeFilePath(full));
    EXPECT_EQ(form.profileModel().pointCount(), 5);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [%1]").arg(full));
    EXPECT_FALSE(form.IsModified());
    EXPECT_TRUE(dialogs->messages.empty());

    form.g_ujClick();
    const QString missing = QString::fromStdString(folder.file("missing.tvl"));
    form.openFile(missing);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, QStringLiteral("Cannot open %1").arg(missing));
    EXPECT_EQ(dialogs->messages[0].caption, QStringLiteral("Error"));
    EXPECT_TRUE(form.isUntitled());
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [Untitled]"));
}

TEST_F(DesktopTest, DroppedObjectFileOpensAfterTheSaveQuestion) {
    const QString first = objectFile("first.TVL", 4);
    const QString second = objectFile("second.tvl", 6);
    EXPECT_FALSE(drop(QUrl::fromLocalFile(QString::fromStdString(folder.file("notes.txt")))));
    EXPECT_FALSE(drop(QUrl(QStringLiteral("https://example.org/vase.tvl"))));

    EXPECT_TRUE(drop(QUrl::fromLocalFile(first)));
    EXPECT_EQ(form.fileName(), first);
    EXPECT_EQ(form.profileModel().pointCount(), 4);
    EXPECT_TRUE(dialogs->messages.empty());

    // A modified document asks first; Cancel keeps it, No lets the dropped file in.
    click(QPoint(100, 100));
    ASSERT_TRUE(form.IsModified());
    dialogs->message_answers.push_back(MsgResult::Cancel);
    EXPECT_TRUE(drop(QUrl::fromLocalFile(second)));
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(form.fileName(), first);
    EXPECT_EQ(form.profileModel().pointCount(), 5);

    dialogs->message_answers.push_back(MsgResult::No);
    EXPECT_TRUE(drop(QUrl::fromLocalFile(second)));
    EXPECT_EQ(dialogs->messages.size(), 2u);
    EXPECT_EQ(form.fileName(), second);
    EXPECT_EQ(form.profileModel().pointCount(), 6);
    EXPECT_FALSE(form.IsModified());
}

}  // namespace
}  // namespace tv
