// The editor as a desktop program: a file named on the command line, a file dropped on the
// window, the keys of the file commands.
#include <gtest/gtest.h>

#include <QDir>

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

}  // namespace
}  // namespace tv
