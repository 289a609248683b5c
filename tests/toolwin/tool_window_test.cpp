// The frame shared by the tool windows: placement, floating and docking with a fixed
// client area, the close box, and the colour buttons' letter colour.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>
#include <memory>

#include "fake_tool_host.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"
#include "util/colorref.h"

namespace tv {
namespace {

struct Expected {
    ToolWindowId id;
    const char* caption;
    QSize client;
    int stack_index;  // window heights between the window's top and the screen bottom
};

class ToolWindowTest : public ::testing::TestWithParam<Expected> {
  protected:
    std::unique_ptr<ToolWindow> make() {
        switch (GetParam().id) {
            case ToolWindowId::Zoom:
                return std::make_unique<Tform_zoom>(host, &main_window);
            case ToolWindowId::Move:
                return std::make_unique<Tform_mozg>(host, &main_window);
            case ToolWindowId::Rotate:
                return std::make_unique<Tform_forg>(host, &main_window);
            case ToolWindowId::Light:
                return std::make_unique<Tform_feny>(host, &main_window);
            case ToolWindowId::Material:
                return std::make_unique<Tform_anyag>(host, &main_window);
        }
        return nullptr;
    }

    test::FakeToolHost host;
    QMainWindow main_window;
};

TEST_P(ToolWindowTest, StartsFloatingHiddenAtTheRightEdgeOfTheScreen) {
    const std::unique_ptr<ToolWindow> window = make();
    EXPECT_EQ(window->windowTitle(), GetParam().caption);
    EXPECT_TRUE(window->isFloating());
    EXPECT_TRUE(window->isHidden());
    EXPECT_EQ(window->allowedAreas(), Qt::TopDockWidgetArea | Qt::BottomDockWidgetArea);
    EXPECT_EQ(window->clientArea()->size(), GetParam().client);

    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.x() + frame.width(), area.x() + area.width());
    EXPECT_EQ(frame.y(), area.y() + area.height() - GetParam().stack_index * frame.height());
}

TEST_P(ToolWindowTest, ClientAreaKeepsItsSizeDockedUndockedAndResized) {
    const std::unique_ptr<ToolWindow> window = make();
    main_window.resize(900, 600);
    main_window.show();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QSize floating_size = window->size();
    const QPoint floated_at =
        QGuiApplication::primaryScreen()->availableGeometry().topLeft() + QPoint(100, 120);
    window->move(floated_at);
    QCoreApplication::processEvents();

    window->setFloating(false);
    QCoreApplication::processEvents();
    EXPECT_EQ(main_window.dockWidgetArea(window.get()), Qt::TopDockWidgetArea);
    EXPECT_EQ(window->clientArea()->size(), GetParam().client);

    main_window.resize(1000, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->clientArea()->size(), GetParam().client);

    window->setFloating(true);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->clientArea()->size(), GetParam().client);
    EXPECT_EQ(window->size(), floating_size);
    EXPECT_EQ(window->pos(), floated_at);  // where it floated last, not where it started

    window->resize(floating_size + QSize(200, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->clientArea()->size(), GetParam().client);
}

TEST_P(ToolWindowTest, CloseBoxHidesAndReportsTheWindow) {
    const std::unique_ptr<ToolWindow> window = make();
    window->show();
    window->close();
    EXPECT_TRUE(window->isHidden());
    ASSERT_EQ(host.closed_windows.size(), 1u);
    EXPECT_EQ(host.closed_windows[0], GetParam().id);

    window->hide();  // hiding from the main window's toggle is not a close
    EXPECT_EQ(host.closed_windows.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Windows, ToolWindowTest,
                         ::testing::Values(Expected{ToolWindowId::Zoom, "Zoom", {163, 48}, 6},
                                           Expected{ToolWindowId::Move, "Move", {219, 48}, 5},
                                           Expected{ToolWindowId::Rotate, "Rotate", {341, 48}, 4},
                                           Expected{ToolWindowId::Light, "Light:", {606, 48}, 2},
                                           Expected{
                                               ToolWindowId::Material, "Material", {529, 48}, 3}));

TEST(LightWindowFrameTest, FloatingWindowFollowsTheShortAndTallClientHeight) {
    test::FakeToolHost host;
    host.display_mode = 2;
    QMainWindow main_window;
    Tform_feny window(host, &main_window);
    window.g_alapClick();
    const int short_height = window.height();

    window.rb_poz->setChecked(true);
    EXPECT_EQ(window.height(), short_height + 52);
    EXPECT_EQ(window.clientArea()->height(), 100);

    window.setFloating(false);
    window.setFloating(true);
    EXPECT_EQ(window.clientArea()->height(), 100);

    window.rb_irany->setChecked(true);
    EXPECT_EQ(window.height(), short_height);
}

TEST(ColorButtonTest, LetterColourIsTheStoredColour) {
    QWidget parent;
    ColorButton button(&parent, QStringLiteral("D"), QRect(0, 0, 20, 20));
    button.setColor(0x123456);
    EXPECT_EQ(button.color(), 0x123456u);
    EXPECT_EQ(button.palette().color(QPalette::ButtonText), QColor(0x56, 0x34, 0x12));
    button.setEnabled(false);
    EXPECT_EQ(button.color(), 0x123456u);
    button.setColor(0xFF00FFFFu);  // the unused top byte is not a colour
    EXPECT_EQ(button.color(), 0x00FFFFu);
}

TEST(ColorButtonTest, LetterOnAFaceOfItsOwnColourStaysReadable) {
    // Without its outline a letter in the colour of the button face would vanish.
    QWidget parent;
    ColorButton button(&parent, QStringLiteral("S"), QRect(0, 0, 22, 22));
    button.setAutoFillBackground(true);
    for (const uint32_t color : {0xFFFFFFu, 0x000000u, 0xC0C0C0u, 0xF0F0F0u}) {
        button.setColor(color);
        const QColor letter = colorFromRef(color);
        QPalette face = button.palette();
        face.setColor(QPalette::Window, letter);
        face.setColor(QPalette::Button, letter);
        button.setPalette(face);
        const QImage image = button.grab().toImage();
        int contrasting = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                contrasting += std::abs(qGray(image.pixel(x, y)) - qGray(letter.rgb())) > 100;
            }
        }
        EXPECT_GT(contrasting, 20) << std::hex << color;
        EXPECT_EQ(button.color(), color);
    }
}

}  // namespace
}  // namespace tv
