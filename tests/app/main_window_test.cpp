#include <gtest/gtest.h>

#include <QComboBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "app/control_bar.h"
#include "app_fixture.h"
#include "toolwin/color_button.h"
#include "view3d/view3d_widget.h"

namespace tv {
namespace {

class MainWindowTest : public test::AppFixture {
  protected:
    QWidget* surface() { return child<QWidget>("gc2d"); }
    int height() { return surface()->height(); }
    const ProfileModel& profile() const { return form.profileModel(); }
    std::vector<int> links() const {
        return std::vector<int>(profile().point_links.begin(),
                                profile().point_links.begin() + profile().pointCount());
    }
    PixelPos last() const { return profile().point_pixels[profile().pointCount() - 1]; }
};

TEST_F(MainWindowTest, StartsUntitledAndNotModifiedWithTheLayoutDefaults) {
    EXPECT_EQ(form.windowTitle(), QStringLiteral("OpenGL Torvelle [Untitled]"));
    EXPECT_FALSE(form.IsModified());
    EXPECT_TRUE(button("g_folytonos")->isChecked());
    EXPECT_TRUE(button("g_y")->isChecked());
    EXPECT_FALSE(button("g_ford")->isChecked());
    EXPECT_TRUE(button("g_igazit")->isChecked());
    EXPECT_FALSE(button("g_igazit")->isEnabled());
    EXPECT_FALSE(button("g_surubb")->isEnabled());
    EXPECT_FALSE(button("g_ritkabb")->isEnabled());
    EXPECT_EQ(child<QSpinBox>("szog")->value(), 7);
    EXPECT_EQ(form.segments(), 7);
    EXPECT_EQ(profile().gridStep(), 10);
    EXPECT_EQ(form.statusBar()->height(), 19);
    const auto* panel_edit = child<QFrame>("panel_edit");
    EXPECT_EQ(panel_edit->frameStyle(), QFrame::Box | QFrame::Sunken);
    EXPECT_EQ(panel_edit->frameWidth(), 2);  // one lowered and one raised line
}

TEST_F(MainWindowTest, ModifiedStateIsTheTextOfTheThirdPanel) {
    form.SetModified(true);
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(child<QLabel>("status_panel_2")->text(), QStringLiteral("Modified"));
    form.SetModified(false);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, ClickPlacesAPointClampedToTheAreaAndMarksModified) {
    click(QPoint(1, 1));  // QTest reads (0, 0) as the centre of the widget
    ASSERT_EQ(profile().pointCount(), 1);
    const int s = profile().canvasSize();
    EXPECT_EQ(last(), (PixelPos{3, height() - 1 - (s - 4)}));
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(form.profilePicture().pixel(3, height() - 1 - (s - 4)) | 0xFF000000u,
              qRgb(255, 0, 0));
}

TEST_F(MainWindowTest, DragMovesTheNewPointAndReleaseFixesIt) {
    QTest::mousePress(surface(), Qt::LeftButton, {}, QPoint(50, 100));
    EXPECT_TRUE(profile().isDragging());
    QTest::mouseMove(surface(), QPoint(80, 120));
    EXPECT_EQ(last(), (PixelPos{80, 120}));
    EXPECT_EQ(form.profilePicture().pixel(80, 120) | 0xFF000000u, qRgb(0, 255, 0));
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(90, 130));
    EXPECT_FALSE(profile().isDragging());
    EXPECT_EQ(last(), (PixelPos{90, 130}));
    // Moves without a held press change nothing.
    QTest::mouseMove(surface(), QPoint(150, 150));
    EXPECT_EQ(last(), (PixelPos{90, 130}));
}

TEST_F(MainWindowTest, PointReleasedOnThePreviousPixelIsDropped) {
    click(QPoint(50, 100));
    click(QPoint(100, 100));
    click(QPoint(100, 100));
    EXPECT_EQ(profile().pointCount(), 2);
    // A new stroke's first point released on the end of the last stroke is dropped
    // too, and the next point continues that stroke.
    button("g_folytonos")->click();
    click(QPoint(100, 100));
    EXPECT_EQ(profile().pointCount(), 2);
    click(QPoint(150, 80));
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 1}));
}

TEST_F(MainWindowTest, SeparateModeDrawsPairsAndFlipNegatesLinks) {
    button("g_kulon")->click();
    for (int i = 0; i < 4; ++i) {
        click(QPoint(20 + 30 * i, 60 + 20 * i));
    }
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 0, 1}));
    button("g_ford")->click();
    click(QPoint(200, 60));
    click(QPoint(220, 90));
    EXPECT_EQ(links(), (std::vector<int>{0, 1, 0, 1, 0, -1}));
}

TEST_F(MainWindowTest, ModeButtonRemovesATrailingLonePointWithoutMarking) {
    click(QPoint(40, 40));
    form.SetModified(false);
    button("g_kulon")->click();
    EXPECT_EQ(profile().pointCount(), 0);
    EXPECT_FALSE(form.IsModified());

    // A file's lone point is removed too, whatever link mark the file gave it.
    ObjectDocument lone = documentOfPoints(1);
    lone.profile.links[0] = kLinkFlipped;
    openDocument(lone);
    ASSERT_EQ(profile().pointCount(), 1);
    button("g_folytonos")->click();
    EXPECT_EQ(profile().pointCount(), 0);
}

TEST_F(MainWindowTest, DeleteOnAnEmptyProfileOnlyMarksModified) {
    button("g_torol")->click();
    EXPECT_TRUE(form.IsModified());
    EXPECT_EQ(profile().pointCount(), 0);
    click(QPoint(40, 40));
    click(QPoint(80, 40));
    button("g_torol")->click();
    EXPECT_EQ(profile().pointCount(), 1);
}

TEST_F(MainWindowTest, RightAndMiddleButtonsNeitherAddNorMove) {
    click(QPoint(40, 40), Qt::RightButton);
    click(QPoint(40, 40), Qt::MiddleButton);
    EXPECT_EQ(profile().pointCount(), 0);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, GridButtonsEnableSpacingAndSnapping) {
    button("g_racs")->click();
    EXPECT_TRUE(button("g_igazit")->isEnabled());
    EXPECT_TRUE(button("g_surubb")->isEnabled());
    button("g_surubb")->click();
    button("g_surubb")->click();
    EXPECT_EQ(profile().gridStep(), 5);
    for (int i = 0; i < 5; ++i) {
        button("g_ritkabb")->click();
    }
    EXPECT_EQ(profile().gridStep(), 40);
    button("g_surubb")->click();
    button("g_surubb")->click();
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
    button("g_racs")->click();
    EXPECT_FALSE(button("g_igazit")->isEnabled());
    click(QPoint(157, row));
    EXPECT_EQ(last().x, 157);
}

TEST_F(MainWindowTest, AxisSwitchConvertsOnlyWhenItChanges) {
    click(QPoint(60, 100));
    const TProfilePoint before = profile().points[0];
    form.SetModified(false);
    button("g_y")->click();  // already down
    EXPECT_FALSE(form.IsModified());
    button("g_x")->click();
    EXPECT_TRUE(form.IsModified());
    EXPECT_DOUBLE_EQ(profile().points[0].x, before.x - 1.0);
    EXPECT_DOUBLE_EQ(profile().points[0].y, before.y + 1.0);
    EXPECT_EQ(profile().point_pixels[0], (PixelPos{60, 100}));
}

TEST_F(MainWindowTest, PressesAtCapacityAreIgnoredSilently) {
    // A file holds fewer points than the editor: the rest are drawn.
    openDocument(documentOfPoints(kMaxSavablePoints));
    for (int i = kMaxSavablePoints; i < kMaxPoints; ++i) {
        click(QPoint(20 + i % 200, 150 + 20 * (i % 3)));
    }
    ASSERT_EQ(profile().pointCount(), kMaxPoints);
    form.SetModified(false);
    click(QPoint(50, 50));
    EXPECT_EQ(profile().pointCount(), kMaxPoints);
    EXPECT_FALSE(form.IsModified());
}

TEST_F(MainWindowTest, ResizeKeepsProfileCoordinatesAndPutsBandsBack) {
    click(QPoint(60, 100));
    const TProfilePoint before = profile().points[0];
    child<Band>("panel_2d")->move(200, 30);
    form.resize(800, 600);
    QApplication::processEvents();
    form.gc2dPaint();
    EXPECT_EQ(child<Band>("panel_2d")->contentOrigin(), QPoint(11, 28));
    EXPECT_EQ(child<Band>("panel_file")->contentOrigin(), QPoint(11, 2));
    EXPECT_EQ(child<QWidget>("panel_edit")->width(), form.centralWidget()->width() / 2);
    EXPECT_DOUBLE_EQ(profile().points[0].x, before.x);
    EXPECT_EQ(profile().canvasSize(), std::min(surface()->width(), surface()->height()));
    EXPECT_EQ(profile().point_pixels[0],
              profile().profileToPixel(before, surface()->height(), Axis::Y));
    // The viewport is two pixels smaller than the 3D panel itself.
    const QWidget* panel_view = child<QWidget>("panel_view");
    child<View3DWidget>("gl_view")->grabFramebuffer();
    EXPECT_EQ(child<View3DWidget>("gl_view")->appliedViewport(),
              (Viewport{0, 0, panel_view->width() - 2, panel_view->height() - 2}));
}

TEST_F(MainWindowTest, DraggedBandStopsAtTheBandsInItsWay) {
    Band* band = child<Band>("panel_2d");
    const auto drag = [band](QPoint by) {
        const QPoint grip(3, 5);
        const QPoint to = grip + by;
        QMouseEvent press(QEvent::MouseButtonPress, grip, band->mapToGlobal(grip), Qt::LeftButton,
                          Qt::LeftButton, {});
        QApplication::sendEvent(band, &press);
        QMouseEvent move(QEvent::MouseMove, to, band->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                         {});
        QApplication::sendEvent(band, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, band->mapToGlobal(to), Qt::LeftButton,
                            Qt::NoButton, {});
        QApplication::sendEvent(band, &release);
    };
    const QRect file_band = child<Band>("panel_file")->geometry();
    const QRect band_3d = child<Band>("panel_3d")->geometry();
    drag(QPoint(0, -26));  // up onto the file band: stops just below it
    EXPECT_EQ(band->y(), file_band.bottom() + 1);
    drag(QPoint(200, 0));  // right into the 3D band: stops just left of it
    EXPECT_EQ(band->geometry().right() + 1, band_3d.x());
    drag(QPoint(-5, 3));  // a free move goes all the way
    EXPECT_EQ(band->geometry().right() + 1, band_3d.x() - 5);
    EXPECT_EQ(band->y(), file_band.bottom() + 4);
}

TEST_F(MainWindowTest, DockedToolWindowsAreNeverCutOff) {
    // The two widest windows side by side are wider than the window at its start size.
    auto* form_feny = child<QDockWidget>("form_feny");
    auto* form_anyag = child<QDockWidget>("form_anyag");
    for (QDockWidget* window : {form_feny, form_anyag}) {
        window->show();
        window->setFloating(false);
    }
    QApplication::processEvents();
    ASSERT_EQ(form.dockWidgetArea(form_feny), form.dockWidgetArea(form_anyag));
    for (const QDockWidget* window : {form_feny, form_anyag}) {
        EXPECT_TRUE(form.rect().contains(window->geometry())) << window->objectName().toStdString();
        EXPECT_EQ(window->widget()->size(), window->widget()->minimumSize());
    }
    // The window cannot be made narrower than the docked windows need.
    form.resize(640, 422);
    QApplication::processEvents();
    EXPECT_TRUE(form.rect().contains(form_anyag->geometry()));
    EXPECT_TRUE(form.rect().contains(form_feny->geometry()));
}

TEST_F(MainWindowTest, StatusBarShowsHintsAndThePointCountOnTheTick) {
    QStatusTipEvent tip(QStringLiteral("Draws a new profile"));
    QApplication::sendEvent(&form, &tip);
    EXPECT_EQ(child<QLabel>("status_panel_0")->text(), QStringLiteral("Draws a new profile"));
    // The hints of a tool window's controls get there too, floating and docked.
    auto* form_zoom = child<QDockWidget>("form_zoom");
    form_zoom->show();
    for (const bool floating : {true, false}) {
        form_zoom->setFloating(floating);
        QApplication::processEvents();
        const QString hint = floating ? QStringLiteral("Floating") : QStringLiteral("Docked");
        QStatusTipEvent tool_tip(hint);
        QApplication::sendEvent(form_zoom->findChild<QSlider*>(), &tool_tip);
        EXPECT_EQ(child<QLabel>("status_panel_0")->text(), hint);
    }
    click(QPoint(60, 100));
    form.TimerTimer();
    EXPECT_EQ(child<QLabel>("status_panel_3")->text(), QStringLiteral("1 points"));
}

TEST_F(MainWindowTest, TypedSegmentsCountAsTypedUntilSteppedOrLeft) {
    auto* box = child<QSpinBox>("szog");
    auto* edit = box->findChild<QLineEdit*>();
    const auto type = [&](const char* keys) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(keys));
        return form.segments();
    };
    const auto leave = [&] {
        QFocusEvent focus_out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box, &focus_out);
        return form.segments();
    };
    EXPECT_EQ(type("0"), 0);
    EXPECT_EQ(type("-12"), -12);
    EXPECT_EQ(type("-"), 3);  // not an integer
    EXPECT_EQ(type("1234"), 123);
    EXPECT_EQ(type("-5"), -5);
    EXPECT_EQ(leave(), 3);
    EXPECT_EQ(edit->text(), QStringLiteral("3"));
    EXPECT_EQ(type("2"), 2);
    box->stepBy(-1);
    EXPECT_EQ(form.segments(), 3);
    EXPECT_EQ(type("1"), 1);
    box->stepBy(1);
    EXPECT_EQ(form.segments(), 3);
    EXPECT_EQ(type("998"), 998);
    box->stepBy(5);
    EXPECT_EQ(form.segments(), 999);
    EXPECT_EQ(type("12"), 12);
    EXPECT_EQ(leave(), 12);
    EXPECT_EQ(box->value(), 12);
}

TEST_F(MainWindowTest, ViewPausesWhileAModalWindowIsOpen) {
    // A dialog that, while it is "open", has the view try to draw a frame.
    struct ProbeDialogs final : Dialogs {
        std::function<void()> while_open;
        MsgResult message(const QString&, const QString&, MsgIcon, MsgButtons) override {
            while_open();
            return MsgResult::No;
        }
        std::optional<uint32_t> chooseColor(uint32_t) override {
            while_open();
            return std::nullopt;
        }
        std::optional<QString> saveFileName(const QString&, const QString&) override {
            return std::nullopt;
        }
        std::optional<QString> openFileName(const QString&, const QString&) override {
            while_open();
            return std::nullopt;
        }
        std::optional<ExportChoice> exportFileName(const ExportChoice&, const QString&,
                                                   const QString&, const QString&) override {
            while_open();
            return std::nullopt;
        }
        std::unique_ptr<ProgressWindow> progress(const QString&, const QString&) override {
            return nullptr;
        }
    };
    auto probe = std::make_unique<ProbeDialogs>();
    ProbeDialogs* probe_dialogs = probe.get();
    form.setDialogs(std::move(probe));
    auto* view = child<View3DWidget>("gl_view");
    int paused_calls = 0;
    probe_dialogs->while_open = [&] {
        form.scene().rotate_step_x = 15.0f;
        view->grabFramebuffer();
        // No frame was drawn: the one-off turn is still waiting.
        EXPECT_EQ(form.scene().rotate_step_x, 15.0f);
        paused_calls += view->renderingPaused();
    };
    form.g_alapClick();                                  // a message box
    form.g_hatterClick(child<ColorButton>("g_hatter"));  // the colour dialog
    form.g_megnyitClick();                               // the open dialog
    form.mi_exportClick();                               // the export dialog
    EXPECT_EQ(paused_calls, 4);
    EXPECT_FALSE(view->renderingPaused());
    view->grabFramebuffer();
    EXPECT_EQ(form.scene().rotate_step_x, 0.0f);  // drawing again once the window closed
}

TEST_F(MainWindowTest, DrawnProfileShowsItsSolidInTheView) {
    const auto objectPixels = [this] {
        const QImage frame = child<View3DWidget>("gl_view")->grabFramebuffer();
        int count = 0;
        for (int y = 0; y < frame.height(); ++y) {
            for (int x = 0; x < frame.width(); ++x) {
                count += frame.pixelColor(x, y) == QColor(0, 128, 255);
            }
        }
        return count;
    };
    child<QComboBox>("list_tip")->setCurrentIndex(1);  // solid, unlit, in the object colour
    EXPECT_EQ(objectPixels(), 0);
    click(QPoint(60, height() - 40));
    click(QPoint(80, height() - 200));
    EXPECT_GT(objectPixels(), 500);
    EXPECT_FALSE(child<View3DWidget>("gl_view")->continuousRendering());
}

TEST(MainWindowLifetime, TheViewIsDestroyedWhileTheStateItReadsStillExists) {
    // The window's own members are gone once its destructor body has run; the view that
    // reads them must be gone before.
    auto* form = new Tform_fomenu;
    bool window_whole = false;
    QObject::connect(test::child<View3DWidget>(*form, "gl_view"), &QObject::destroyed,
                     [&] { window_whole = qobject_cast<Tform_fomenu*>(form) != nullptr; });
    delete form;
    EXPECT_TRUE(window_whole);
}

}  // namespace
}  // namespace tv
