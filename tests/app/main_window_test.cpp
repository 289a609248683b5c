#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>

#include "app/control_bar.h"
#include "app_fixture.h"
#include "view3d/view3d_widget.h"

namespace tv {
namespace {

class MainWindowTest : public test::AppFixture {
  protected:
    QWidget* surface() { return form.gc2d; }
    int height() { return form.gc2d->height(); }
    std::vector<int> links() {
        return std::vector<int>(form.profile.point_links.begin(),
                                form.profile.point_links.begin() + form.profile.pointCount());
    }
    PixelPos last() { return form.profile.point_pixels[form.profile.pointCount() - 1]; }
};

TEST_F(MainWindowTest, StartsUntitledAndNotModifiedWithTheLayoutDefaults) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [Untitled]"));
    EXPECT_FALSE(form.IsModified());
    EXPECT_TRUE(form.g_folytonos->isChecked());
    EXPECT_TRUE(form.g_y->isChecked());
    EXPECT_FALSE(form.g_ford->isChecked());
    EXPECT_TRUE(form.g_igazit->isChecked());
    EXPECT_FALSE(form.g_igazit->isEnabled());
    EXPECT_FALSE(form.g_surubb->isEnabled());
    EXPECT_FALSE(form.g_ritkabb->isEnabled());
    EXPECT_EQ(form.szog->value(), 7);
    EXPECT_EQ(form.segments(), 7);
    EXPECT_EQ(form.profile.gridStep(), 10);
}

TEST_F(MainWindowTest, ModifiedStateIsTheTextOfTheThirdPanel) {
    form.SetModified(true);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.status_panels[2]->text(), QStringLiteral("Modified"));
    form.SetModified(false);
    EXPECT_FALSE(form.IsModified());
    form.ui_texts[kTextModified].clear();
    form.SetModified(true);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, CaptionFollowsTheNameRule) {
    form.ui_texts[kTextUntitled].clear();
    form.updateCaption();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle []"));
    form.untitled = false;
    form.file_name = QStringLiteral("/home/a/b.tvl");
    form.updateCaption();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [/home/a/b.tvl]"));
}

TEST_F(MainWindowTest, ClickPlacesAPointClampedToTheAreaAndMarksModified) {
    click(QPoint(1, 1));  // QTest reads (0, 0) as the centre of the widget
    ASSERT_EQ(form.profile.pointCount(), 1);
    const int s = form.profile.canvasSize();
    EXPECT_EQ(last(), (PixelPos{3, height() - 1 - (s - 4)}));
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.profile_buffer.pixel(3, height() - 1 - (s - 4)) | 0xFF000000u, qRgb(255, 0, 0));
}

TEST_F(MainWindowTest, DragMovesTheNewPointAndReleaseFixesIt) {
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_TRUE(form.profile.isDragging());
    QTest::mouseMove(surface(), QPoint(80, 120));
    EXPECT_EQ(last(), (PixelPos{80, 120}));
    EXPECT_EQ(form.profile_buffer.pixel(80, 120) | 0xFF000000u, qRgb(0, 255, 0));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(90, 130));
    EXPECT_FALSE(form.profile.isDragging());
    EXPECT_EQ(last(), (PixelPos{90, 130}));
    // Moves without a held press change nothing.
    QTest::mouseMove(surface(), QPoint(150, 150));
    EXPECT_EQ(last(), (PixelPos{90, 130}));
}

TEST_F(MainWindowTest, PointReleasedOnThePreviousPixelIsDropped) {
    click(QPoint(50, 100));
    click(QPoint(100, 100));
    click(QPoint(100, 100));
    EXPECT_EQ(form.profile.pointCount(), 2);
    // A new stroke's first point released on the end of the last stroke is dropped
    // too, and the next point continues that stroke.
    form.g_folytonos->click();
    click(QPoint(100, 100));
    EXPECT_EQ(form.profile.pointCount(), 2);
    click(QPoint(150, 80));
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 1}));
}

TEST_F(MainWindowTest, SeparateModeDrawsPairsAndFlipNegatesLinks) {
    form.g_kulon->click();
    for (int i = 0; i < 4; ++i) {
        click(QPoint(20 + 30 * i, 60 + 20 * i));
    }
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 0, 1}));
    form.g_ford->click();
    click(QPoint(200, 60));
    click(QPoint(220, 90));
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 0, 1, 0, -1}));
}

TEST_F(MainWindowTest, ModeButtonRemovesATrailingLonePointWithoutMarking) {
    click(QPoint(40, 40));
    form.SetModified(false);
    form.g_kulon->click();
    EXPECT_EQ(form.profile.pointCount(), 0);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, DeleteOnAnEmptyProfileOnlyMarksModified) {
    form.g_torol->click();
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.profile.pointCount(), 0);
    click(QPoint(40, 40));
    click(QPoint(80, 40));
    form.g_torol->click();
    EXPECT_EQ(form.profile.pointCount(), 1);
}

TEST_F(MainWindowTest, RightAndMiddleButtonsNeitherAddNorMove) {
    click(QPoint(40, 40), Qt::RightButton);
    click(QPoint(40, 40), Qt::MiddleButton);
    EXPECT_EQ(form.profile.pointCount(), 0);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, GridButtonsEnableSpacingAndSnapping) {
    form.g_racs->click();
    EXPECT_TRUE(form.g_igazit->isEnabled());
    EXPECT_TRUE(form.g_surubb->isEnabled());
    form.g_surubb->click();
    form.g_surubb->click();
    EXPECT_EQ(form.profile.gridStep(), 5);
    for (int i = 0; i < 5; ++i) {
        form.g_ritkabb->click();
    }
    EXPECT_EQ(form.profile.gridStep(), 40);
    form.g_surubb->click();
    form.g_surubb->click();
    EXPECT_FALSE(form.IsModified());
    // Spacing 10, snapping on: 4 and 5 pixels right of a line land on it, 6 on the next.
    const int row = height() - 4 - 50;
    click(QPoint(23 + 4, row));
    EXPECT_EQ(last().x, 23);
    click(QPoint(63 + 5, row));
    EXPECT_EQ(last().x, 63);
    click(QPoint(103 + 6, row));
    EXPECT_EQ(last().x, 113);
    // Grid off: snapping is out of force although the snap button is still down.
    form.g_racs->click();
    EXPECT_FALSE(form.g_igazit->isEnabled());
    click(QPoint(157, row));
    EXPECT_EQ(last().x, 157);
}

TEST_F(MainWindowTest, AxisSwitchConvertsOnlyWhenItChanges) {
    click(QPoint(60, 100));
    const TProfilePoint before = form.profile.points[0];
    form.SetModified(false);
    form.g_y->click();  // already down
    EXPECT_FALSE(form.IsModified());
    form.g_x->click();
    EXPECT_TRUE(form.IsModified());
    EXPECT_DOUBLE_EQ(form.profile.points[0].x, before.x - 1.0);
    EXPECT_DOUBLE_EQ(form.profile.points[0].y, before.y + 1.0);
    EXPECT_EQ(form.profile.point_pixels[0], (PixelPos{60, 100}));
}

TEST_F(MainWindowTest, PressesAtCapacityAreIgnoredSilently) {
    const std::vector<int8_t> l(kMaxPoints, 1);
    const std::vector<TProfilePoint> p(kMaxPoints);
    form.profile.replace(kMaxPoints, l.data(), p.data(), false);
    click(QPoint(50, 50));
    EXPECT_EQ(form.profile.pointCount(), kMaxPoints);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, ResizeKeepsProfileCoordinatesAndPutsBandsBack) {
    click(QPoint(60, 100));
    const TProfilePoint before = form.profile.points[0];
    form.panel_2d->move(200, 30);
    form.resize(800, 600);
    QApplication::processEvents();
    form.gc2dPaint();
    EXPECT_EQ(form.panel_2d->contentOrigin(), QPoint(11, 28));
    EXPECT_EQ(form.panel_file->contentOrigin(), QPoint(11, 2));
    EXPECT_EQ(form.panel_edit->width(), form.centralWidget()->width() / 2);
    EXPECT_DOUBLE_EQ(form.profile.points[0].x, before.x);
    EXPECT_EQ(form.profile.canvasSize(), std::min(form.gc2d->width(), form.gc2d->height()));
    EXPECT_EQ(form.profile.point_pixels[0],
              form.profile.profileToPixel(before, form.gc2d->height(), Axis::Y));
}

TEST_F(MainWindowTest, StatusBarShowsHintsAndThePointCountOnTheTick) {
    QStatusTipEvent tip(QStringLiteral("Draws a new profile"));
    QApplication::sendEvent(&form, &tip);
    EXPECT_EQ(form.status_panels[0]->text(), QStringLiteral("Draws a new profile"));
    click(QPoint(60, 100));
    form.TimerTimer();
    EXPECT_EQ(form.status_panels[3]->text(), QStringLiteral("1 points"));
}

TEST_F(MainWindowTest, TypedSegmentsCountAsTyped) {
    form.szog->findChild<QLineEdit*>()->setText(QStringLiteral("1"));
    EXPECT_EQ(form.segments(), 1);
    form.szog->findChild<QLineEdit*>()->setText(QStringLiteral(""));
    EXPECT_EQ(form.segments(), 3);
}

TEST_F(MainWindowTest, DrawnProfileShowsItsSolidInTheView) {
    const auto objectPixels = [this] {
        const QImage frame = form.gl_view->grabFramebuffer();
        int count = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                count += frame.pixelColor(x, y) == QColor(0, 128, 255);
            }
        }
        return count;
    };
    form.list_tip->setCurrentIndex(1);  // solid, unlit, in the object colour
    EXPECT_EQ(objectPixels(), 0);
    click(QPoint(60, height() - 40));
    click(QPoint(80, height() - 200));
    EXPECT_GT(objectPixels(), 500);
    EXPECT_FALSE(form.gl_view->continuousRendering());
}

}  // namespace
}  // namespace tv
