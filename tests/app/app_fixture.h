// A shown main window with all its windows and scripted dialogs, for widget tests.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QToolButton>

#include "app/fomenu.h"
#include "objfile/object_document.h"
#include "objfile/object_encoder.h"
#include "objfile/scratch_folder.h"
#include "support/find_child.h"
#include "support/scripted_dialogs.h"
#include "view3d/view3d_widget.h"

namespace tv::test {

class AppFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        auto scripted = std::make_unique<ScriptedDialogs>();
        dialogs = scripted.get();
        form.setDialogs(std::move(scripted));
        // Started as the program's entry starts it, so a start-up that leaves the document
        // modified or the window out of shape shows in the tests. Only the view's
        // continuous redraw is off: the tests draw frames when they need them.
        form.createWindows();
        child<View3DWidget>("gl_view")->setContinuousRendering(false);
        form.Startup();
        ASSERT_FALSE(form.startupFailed());
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        QApplication::processEvents();
    }

    // The control or tool window of the main window named `name` in the program.
    template <class W>
    W* child(const char* name) {
        return test::child<W>(form, name);
    }

    QToolButton* button(const char* name) { return child<QToolButton>(name); }

    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* surface = child<QWidget>("gc2d");
        QTest::mousePress(surface, button, {}, at);
        QTest::mouseRelease(surface, button, {}, at);
    }

    // Opens `document` with the Open command, from a file of the fixture's own; changes
    // made before are discarded.
    void openDocument(const ObjectDocument& document) {
        const EncodeResult encoded = encodeObjectFile(document);
        ASSERT_EQ(encoded.status, EncodeStatus::Ok);
        writeBytes(opened_.file("opened.tvl"), encoded.image);
        if (form.IsModified()) {
            dialogs->message_answers.push_back(MsgResult::No);
        }
        dialogs->file_answers.push_back(QString::fromStdString(opened_.file("opened.tvl")));
        form.g_megnyitClick();
    }

    // A document whose profile is `count` points of one stroke, as long as a file allows.
    static ObjectDocument documentOfPoints(int count) {
        ObjectDocument document;
        document.profile.count = static_cast<uint16_t>(count);
        for (int i = 0; i < count; ++i) {
            document.profile.links[i] = i == 0 ? kLinkStart : kLinkLeft;
            document.profile.points[i] = {0.5, -1.0 + 2.0 * i / count};
        }
        return document;
    }

    Tform_fomenu form;
    ScriptedDialogs* dialogs = nullptr;

  private:
    ScratchFolder opened_;
};

}  // namespace tv::test
