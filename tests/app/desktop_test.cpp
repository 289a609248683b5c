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

TEST_F(DesktopTest, FileKeysRunTheFileCommandsAndShowInTheToolTips) {
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    const auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers) {
        QTest::keyClick(&form, key, modifiers);
        QApplication::processEvents();
    };
    const QString named = objectFile("named.tvl", 3);

    dialogs->file_answers.push_back(named);
    press(Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(form.fileName(), named);
    ASSERT_EQ(dialogs->file_presets.size(), 1u);

    // Save of a named document writes it without a dialog.
    click(QPoint(100, 100));
    press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs->file_presets.size(), 1u);
    EXPECT_FALSE(form.IsModified());
    form.openFile(named);
    EXPECT_EQ(form.profileModel().pointCount(), 4);

    dialogs->file_answers.push_back(std::nullopt);
    press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(dialogs->file_presets.size(), 2u);

    // The keys work from a floating tool window too.
    button("g_zoom")->click();
    auto* zoom = child<QWidget>("form_zoom");
    zoom->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(zoom));
    QTest::keyClick(zoom, Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(form.isUntitled());
    EXPECT_EQ(form.profileModel().pointCount(), 0);

    // Exit asks about unsaved changes; Cancel keeps the window open.
    button("g_zoom")->click();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    click(QPoint(100, 100));
    dialogs->message_answers.push_back(MsgResult::Cancel);
    press(Qt::Key_Q, Qt::ControlModifier);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(form.isVisible());

    EXPECT_EQ(button("g_megnyit")->toolTip(), QStringLiteral("Open (Ctrl+O)"));
    EXPECT_EQ(button("g_mentmaskent")->toolTip(), QStringLiteral("Save as (Ctrl+Shift+S)"));
    EXPECT_EQ(button("g_kilep")->toolTip(), QStringLiteral("Exit (Ctrl+Q)"));
}

}  // namespace
}  // namespace tv
