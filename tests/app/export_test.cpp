// The editor's export of the solid on screen, from the 3D view's context menu through the
// scripted export dialog and progress window.
#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>

#include "app_fixture.h"
#include "objfile/mesh_file_checks.h"
#include "objfile/mesh_test_profiles.h"
#include "objfile/threemf_reading.h"

namespace tv {
namespace {

using test::ScratchFolder;

constexpr int kSteps = 12;
// The square ring: four segments, each two triangles per step.
constexpr size_t kRingTriangles = 4 * 2 * kSteps;

class ExportTest : public test::AppFixture {
  protected:
    void SetUp() override {
        AppFixture::SetUp();
        ObjectDocument ring;
        ring.segments = kSteps;
        const auto profile = test::profileOf({test::kRing}, Axis::Y);
        ring.profile.count = static_cast<uint16_t>(profile->pointCount());
        std::copy_n(profile->point_links.begin(), profile->pointCount(),
                    ring.profile.links.begin());
        std::copy_n(profile->points.begin(), profile->pointCount(), ring.profile.points.begin());
        openDocument(ring);
    }

    // Right-click on the 3D view and choose the export in its menu, answering the export
    // dialog with `name`, `filter` and `scale`.
    void exportFromMenu(const std::string& name, int filter, double scale = 50.0) {
        dialogs->export_answers.push_back(
            ExportChoice{QString::fromStdString(name), filter, scale});
        QWidget* view = child<QWidget>("gl_view");
        QContextMenuEvent right_click(QContextMenuEvent::Mouse, QPoint(20, 20),
                                      view->mapToGlobal(QPoint(20, 20)));
        QApplication::sendEvent(view, &right_click);
        auto* menu = child<QMenu>("popup_view");
        ASSERT_TRUE(menu->isVisible());
        auto* item = child<QAction>("mi_export");
        EXPECT_EQ(item->text(), form.uiText(kTextExportMenu));
        EXPECT_TRUE(menu->actions().contains(item));
        menu->hide();
        item->trigger();
    }

    ScratchFolder folder;
};

TEST_F(ExportTest, WritesEachFormatByItsExtensionOrElseItsFilter) {
    EXPECT_EQ(child<QAction>("mi_export")->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));

    exportFromMenu(folder.file("ring.STL"), 1);  // the name's extension wins over the filter
    const test::StlFile stl = test::readStl(test::readBytes(folder.file("ring.STL")));
    ASSERT_TRUE(stl.well_formed);
    EXPECT_EQ(stl.triangles.size(), kRingTriangles);
    EXPECT_EQ(test::checkSolid(stl.triangles).open_edges, 0u);

    exportFromMenu(folder.file("ring"), 1);
    const test::ThreeMfModel model = test::readThreeMf(folder.file("ring.3mf"));
    ASSERT_TRUE(model.read);
    ASSERT_EQ(model.objects.size(), 1u);
    EXPECT_EQ(model.objects[0].size(), kRingTriangles);
    EXPECT_TRUE(model.manifold_and_oriented[0]);

    // The dialog comes back as it was left; OBJ takes the scale given there.
    exportFromMenu(folder.file("ring"), 2, 2.0);
    EXPECT_EQ(dialogs->export_presets.back().file_name.toStdString(), folder.file("ring.3mf"));
    EXPECT_EQ(dialogs->export_presets.back().filter_index, 1);
    const test::ObjFile obj = test::readObj(folder.file("ring.obj"));
    ASSERT_EQ(obj.shells.size(), 1u);
    EXPECT_EQ(obj.shells[0].faces.size(), kRingTriangles);
    EXPECT_EQ(test::connectedPieces(obj.shells[0].faces), 1u);
    const auto widest = std::max_element(obj.vertices.begin(), obj.vertices.end(),
                                         [](Vec3 a, Vec3 b) { return a.x < b.x; });
    EXPECT_DOUBLE_EQ(widest->x, 2.0);  // the ring's outer radius, 1 unit, at 2 per unit

    EXPECT_EQ(folder.names(), (std::vector<std::string>{"ring.3mf", "ring.STL", "ring.obj"}));
    EXPECT_EQ(dialogs->progress_texts.size(), 3u);
    EXPECT_TRUE(dialogs->messages.empty());
    EXPECT_FALSE(form.IsModified());
}

TEST_F(ExportTest, CancelledExportLeavesNoFile) {
    dialogs->cancel_progress_at = 0.5;
    exportFromMenu(folder.file("ring.stl"), 0);
    exportFromMenu(folder.file("ring.3mf"), 1);
    EXPECT_TRUE(folder.names().empty());
    EXPECT_TRUE(dialogs->messages.empty());
}

TEST_F(ExportTest, FailedExportIsReportedInAMessageBox) {
    const std::string path = folder.file("missing/ring.stl");
    exportFromMenu(path, 0);
    ASSERT_EQ(dialogs->messages.size(), 1u);
    EXPECT_EQ(dialogs->messages[0].text, form.uiFormat(kTextUnableToExport, {FormatArg(path)}));
    EXPECT_EQ(dialogs->messages[0].icon, MsgIcon::Error);
    EXPECT_TRUE(folder.names().empty());
}

TEST_F(ExportTest, ThreeMfIsTheSameAsTheToolWrites) {
    const std::string document = folder.file("ring.tvl");
    test::writeBytes(document, encodeObjectFile(form.documentFromWindows()).image);
    const std::string by_tool = folder.file("tool.3mf");
    ASSERT_EQ(QProcess::execute(QStringLiteral(TORVELLE_TOOL_PATH),
                                {QStringLiteral("export"), QString::fromStdString(document),
                                 QString::fromStdString(by_tool)}),
              0);
    exportFromMenu(folder.file("editor.3mf"), 1);

    const test::ThreeMfModel tool_model = test::readThreeMf(by_tool);
    const test::ThreeMfModel editor_model = test::readThreeMf(folder.file("editor.3mf"));
    ASSERT_TRUE(tool_model.read);
    ASSERT_TRUE(editor_model.read);
    ASSERT_EQ(editor_model.objects.size(), 1u);
    EXPECT_EQ(editor_model.objects[0].size(), kRingTriangles);
    EXPECT_EQ(editor_model.unit, tool_model.unit);
    EXPECT_EQ(editor_model.objects, tool_model.objects);
}

}  // namespace
}  // namespace tv
