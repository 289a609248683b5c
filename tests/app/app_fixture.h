// A shown main window with all its windows and scripted dialogs, for widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "app/fomenu.h"
#include "support/scripted_dialogs.h"
#include "view3d/view3d_widget.h"

namespace tv::test {

class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form.setDialogs(std::move(scripted));
        form.createWindows();
        form.gl_view->setContinuousRendering(false);
        form.Startup();
        form.resize(640, 422);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QApplication::processEvents();
        form.SetModified(false);
    }

    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(form.gc2d, button, {}, at);
        QTest::mouseRelease(form.gc2d, button, {}, at);
    }

    Tform_fomenu form;
    ScriptedDialogs* dialogs = nullptr;
};

}  // namespace tv::test
