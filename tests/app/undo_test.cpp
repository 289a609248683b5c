#include <gtest/gtest.h>

#include <QSlider>
#include <QSpinBox>
#include <QUndoStack>
#include <functional>
#include <utility>

#include "app/edit_history.h"
#include "app_fixture.h"
#include "objfile/scratch_folder.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/zoom.h"

namespace tv {
namespace {

class UndoTest : public test::AppFixture {
  protected:
    ObjectDocument document() {
        QApplication::processEvents();  // steps are recorded once the handler has returned
        return form.documentFromWindows();
    }
    int steps() const { return form.editHistory().stack().count(); }
    void dragTrackBar(QSlider* track_bar, std::initializer_list<int> positions) {
        track_bar->setSliderDown(true);
        for (int position : positions) {
            track_bar->setValue(position);
            QApplication::processEvents();
        }
        track_bar->setSliderDown(false);
    }
};

TEST_F(UndoTest, EveryModifyingCommandIsOneStepThatUndoesAndRedoes) {
    QSlider* zoom = child<Tform_zoom>("form_zoom")->tb_zoom;
    QSlider* light_x = child<Tform_feny>("form_feny")->tb_px;
    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"click", [&] { click(QPoint(40, 200)); }},
        {"drag",
         [&] {
             QWidget* surface = child<QWidget>("gc2d");
             QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(90, 150));
             QTest::mouseMove(surface, QPoint(110, 120));
             QApplication::processEvents();
             QTest::mouseMove(surface, QPoint(130, 90));
             QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(130, 90));
         }},
        {"delete", [&] { button("g_torol")->click(); }},
        {"axis", [&] { button("g_x")->click(); }},
        {"background colour",
         [&] {
             dialogs->color_answers.push_back(0x204060);
             child<ColorButton>("g_hatter")->click();
         }},
        {"object colour",
         [&] {
             dialogs->color_answers.push_back(0x30a050);
             child<ColorButton>("g_obj")->click();
         }},
        {"axes", [&] { button("g_tengely")->click(); }},
        {"normals", [&] { button("g_norm")->click(); }},
        {"zoom drag",
         [&] {
             dragTrackBar(zoom, {zoom->value() + 3, zoom->value() + 7});
         }},
        {"light drag", [&] { dragTrackBar(light_x, {light_x->value() - 5}); }},
        {"3D reset",
         [&] {
             dialogs->message_answers.push_back(MsgResult::Yes);
             button("g_alap")->click();
         }},
    };
    click(QPoint(60, 250));
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        const ObjectDocument before = document();
        const int steps_before = steps();
        command();
        const ObjectDocument after = document();
        ASSERT_FALSE(after == before);
        EXPECT_EQ(steps(), steps_before + 1);
        form.undoEdit();
        EXPECT_TRUE(document() == before);
        form.redoEdit();
        EXPECT_TRUE(document() == after);
        EXPECT_TRUE(form.IsModified());
    }
    // Undoing the reset moves the zoom track bar back from its default.
    const int zoom_after = zoom->value();
    form.undoEdit();
    EXPECT_NE(zoom->value(), zoom_after);
    EXPECT_EQ(form.documentFromWindows().zoom_position, zoom->value());
}

TEST_F(UndoTest, SettingsChangedWithoutAStepStayWhenAnEarlierStepIsUndone) {
    click(QPoint(40, 200));
    child<QSpinBox>("szog")->setValue(42);
    QApplication::processEvents();  // the event loop runs between two actions of a user
    click(QPoint(80, 160));
    form.undoEdit();
    form.undoEdit();
    EXPECT_EQ(form.profileModel().pointCount(), 0);
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 42);
}

TEST_F(UndoTest, UndoingToTheSavedStateShowsItUnmodifiedAndNewOrOpenEmptyTheHistory) {
    test::ScratchFolder folder;
    click(QPoint(40, 200));
    dialogs->file_answers.push_back(QString::fromStdString(folder.file("saved.tvl")));
    ASSERT_TRUE(form.g_mentClick(button("g_mentmaskent")));
    click(QPoint(80, 160));
    EXPECT_TRUE(form.IsModified());
    form.undoEdit();
    EXPECT_FALSE(form.IsModified());
    EXPECT_EQ(form.profileModel().pointCount(), 1);
    form.undoEdit();
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.profileModel().pointCount(), 0);
    form.redoEdit();
    EXPECT_FALSE(form.IsModified());

    dialogs->message_answers.push_back(MsgResult::No);
    form.g_ujClick();
    EXPECT_EQ(steps(), 0);
    form.undoEdit();
    EXPECT_EQ(form.profileModel().pointCount(), 0);

    click(QPoint(40, 200));
    openDocument(documentOfPoints(5));
    EXPECT_EQ(steps(), 0);
    form.undoEdit();
    EXPECT_EQ(form.profileModel().pointCount(), 5);
    EXPECT_FALSE(form.IsModified());
}

}  // namespace
}  // namespace tv
