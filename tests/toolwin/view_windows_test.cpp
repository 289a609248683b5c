// The zoom, move and rotate windows: the arithmetic of their handlers, which resets
// mark the document modified, and the one-off turns.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QToolButton>
#include <iterator>

#include "fake_tool_host.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"

namespace tv {
namespace {

// A point near the top end of a vertical track bar's groove.
QPoint grooveTop(const QSlider& track_bar) {
    QStyleOptionSlider option;
    option.initFrom(&track_bar);
    option.orientation = track_bar.orientation();
    option.minimum = track_bar.minimum();
    option.maximum = track_bar.maximum();
    option.sliderPosition = track_bar.value();
    option.sliderValue = track_bar.value();
    option.upsideDown = !track_bar.invertedAppearance();
    option.tickPosition = track_bar.tickPosition();
    option.tickInterval = track_bar.tickInterval();
    const QRect groove = track_bar.style()->subControlRect(QStyle::CC_Slider, &option,
                                                           QStyle::SC_SliderGroove, &track_bar);
    return QPoint(groove.center().x(), groove.top() + 2);
}

class ViewWindowsTest : public ::testing::Test {
  protected:
    test::FakeToolHost host;
    QMainWindow main_window;
};

TEST_F(ViewWindowsTest, ZoomTrackBarGivesFactorAndLabelAtBothEnds) {
    Tform_zoom window(host, &main_window);
    EXPECT_EQ(window.zoom->text(), "100%");

    window.tb_zoom->setValue(10);
    EXPECT_DOUBLE_EQ(host.state.zoom_factor, 0.1);
    EXPECT_EQ(window.zoom->text(), "10%");
    EXPECT_TRUE(host.modified);

    window.tb_zoom->setValue(300);
    EXPECT_DOUBLE_EQ(host.state.zoom_factor, 3.0);
    EXPECT_EQ(window.zoom->text(), "300%");

    window.tb_zoom->setValue(1000);
    EXPECT_EQ(window.tb_zoom->value(), 300);
}

TEST_F(ViewWindowsTest, ZoomResetMarksOnlyWhenTheTrackBarMoves) {
    Tform_zoom window(host, &main_window);
    window.g_alapClick();
    EXPECT_EQ(host.modified_marks, 0);

    window.tb_zoom->setValue(250);
    host.clearModified();
    window.g_alap->click();
    EXPECT_EQ(window.tb_zoom->value(), 100);
    EXPECT_DOUBLE_EQ(host.state.zoom_factor, 1.0);
    EXPECT_EQ(window.zoom->text(), "100%");
    EXPECT_EQ(host.modified_marks, 1);
}

TEST_F(ViewWindowsTest, MovePositionsAreExactTenthsWithYReversed) {
    Tform_mozg window(host, &main_window);
    window.tb_z->setValue(-200);
    EXPECT_DOUBLE_EQ(host.state.position_z, -20.0);
    window.tb_z->setValue(0);
    EXPECT_DOUBLE_EQ(host.state.position_z, 0.0);
    window.tb_z->setValue(-50);
    EXPECT_DOUBLE_EQ(host.state.position_z, -5.0);

    window.tb_y->setValue(40);
    EXPECT_DOUBLE_EQ(host.state.position_y, -4.0);
    window.tb_x->setValue(-33);
    EXPECT_DOUBLE_EQ(host.state.position_x, -3.3);
    EXPECT_TRUE(host.modified);
}

TEST_F(ViewWindowsTest, MoveResetAtTheDefaultsChangesAndMarksNothing) {
    Tform_mozg window(host, &main_window);
    host.state.position_z = -5.0;
    window.g_alapClick();
    EXPECT_EQ(host.modified_marks, 0);
    EXPECT_FALSE(host.modified);

    window.tb_x->setValue(12);
    window.tb_y->setValue(-7);
    window.tb_z->setValue(-150);
    host.clearModified();
    window.g_alapClick();
    EXPECT_DOUBLE_EQ(host.state.position_x, 0.0);
    EXPECT_DOUBLE_EQ(host.state.position_y, 0.0);
    EXPECT_DOUBLE_EQ(host.state.position_z, -5.0);
    EXPECT_EQ(host.modified_marks, 3);
}

// The knob of a vertical track bar is at its minimum at the top: a click above the knob
// lowers the position, which moves the object up.
TEST_F(ViewWindowsTest, MoveVerticalTrackBarHasItsMinimumAtTheTop) {
    Tform_mozg window(host, &main_window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.tb_y, Qt::LeftButton, {}, grooveTop(*window.tb_y));
    QCoreApplication::processEvents();
    EXPECT_LT(window.tb_y->value(), 0);
    EXPECT_GT(host.state.position_y, 0.0);
}

TEST_F(ViewWindowsTest, RotateSpeedsAreExactQuartersWithYAndZReversed) {
    Tform_forg window(host, &main_window);
    window.tb_x->setValue(-10);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_x, -2.5f);
    window.tb_x->setValue(3);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_x, 0.75f);
    window.tb_y->setValue(10);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_y, -2.5f);
    window.tb_y->setValue(-10);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_y, 2.5f);
    window.tb_z->setValue(10);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_z, -2.5f);
    window.tb_z->setValue(-1);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_z, 0.25f);
}

TEST_F(ViewWindowsTest, TurnButtonsAssignTheirStep) {
    Tform_forg window(host, &main_window);
    struct Turn {
        QToolButton* button;
        const float* step;
        float expected;
    };
    const Turn turns[] = {
        {window.g_fxpl, &host.state.rotate_step_x, -15.0f},
        {window.g_fxm, &host.state.rotate_step_x, 15.0f},
        {window.g_fym, &host.state.rotate_step_y, 15.0f},
        {window.g_fypl, &host.state.rotate_step_y, -15.0f},
        {window.g_fzpl, &host.state.rotate_step_z, 15.0f},
        {window.g_fzm, &host.state.rotate_step_z, -15.0f},
    };
    for (size_t i = 0; i < std::size(turns); ++i) {
        const Turn& turn = turns[i];
        host.clearModified();
        turn.button->click();
        turn.button->click();
        EXPECT_FLOAT_EQ(*turn.step, turn.expected) << "turn button " << i;
        EXPECT_TRUE(host.modified);
    }
}

TEST_F(ViewWindowsTest, RotateResetAlwaysMarksAndKeepsPendingTurns) {
    Tform_forg window(host, &main_window);
    host.state.rotation_matrix[1] = 0.5;
    window.g_fzm->click();
    host.clearModified();

    window.g_alapClick();
    EXPECT_EQ(host.state.rotation_matrix, kIdentityMatrix);
    EXPECT_FLOAT_EQ(host.state.rotate_step_z, -15.0f);
    EXPECT_EQ(host.modified_marks, 1);

    window.tb_x->setValue(4);
    window.tb_z->setValue(-6);
    window.g_alapClick();
    EXPECT_FLOAT_EQ(host.state.rotate_speed_x, 0.0f);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_y, 0.0f);
    EXPECT_FLOAT_EQ(host.state.rotate_speed_z, 0.0f);
}

}  // namespace
}  // namespace tv
