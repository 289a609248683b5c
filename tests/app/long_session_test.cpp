// One long editing session through the real windows, as a user might have it: every
// button, every track bar at both ends, every display mode, languages back and forth,
// profiles at the point limit, a dozen files saved, refused, converted and opened. A
// frame is rendered after each kind of change. Run under the sanitizer build too.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QToolButton>

#include "app_fixture.h"
#include "objfile/object_decoder.h"
#include "objfile/object_encoder.h"
#include "objfile/opened_document.h"
#include "objfile/scratch_folder.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"

namespace tv {
namespace {

class LongSessionTest : public test::AppFixture {
  protected:
    void frame() {
        const QImage image = child<View3DWidget>("gl_view")->grabFramebuffer();
        ASSERT_FALSE(image.isNull());
    }

    // Presses and releases until the profile is full or `count` points were tried.
    void drawPoints(int count, int seed) {
        const QWidget* surface = child<QWidget>("gc2d");
        const int w = surface->width();
        const int h = surface->height();
        for (int i = 0; i < count; ++i) {
            const int x = 3 + (i * 37 + seed * 11) % (w - 6);
            const int y = 3 + (i * 53 + seed * 7) % (h - 6);
            click(QPoint(x, y));
        }
    }

    void saveAs(const std::string& path) {
        dialogs->file_answers.push_back(QString::fromStdString(path));
        EXPECT_TRUE(form.g_mentClick(button("g_mentmaskent"))) << path;
    }
    void open(const std::string& path) {
        if (form.IsModified()) {
            dialogs->message_answers.push_back(MsgResult::No);
        }
        dialogs->file_answers.push_back(QString::fromStdString(path));
        form.g_megnyitClick();
    }
    void chooseLanguage(const QString& name) {
        child<QComboBox>("list_lang")->setCurrentText(name);
        form.list_langSelect();
    }
    void writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    }

    test::ScratchFolder folder;
};

TEST_F(LongSessionTest, EverythingAUserCanDoInOneSession) {
    QComboBox* list_tip = child<QComboBox>("list_tip");
    QSpinBox* szog = child<QSpinBox>("szog");
    Tform_feny* form_feny = child<Tform_feny>("form_feny");
    Tform_forg* form_forg = child<Tform_forg>("form_forg");
    // Profiles at the point limit, in both modes and on both axes.
    drawPoints(kMaxPoints + 50, 1);
    EXPECT_EQ(form.profileModel().pointCount(), kMaxPoints);
    frame();
    for (int i = 0; i < 300; ++i) {
        button("g_torol")->click();
    }
    button("g_kulon")->click();
    button("g_x")->click();
    drawPoints(400, 2);
    EXPECT_EQ(form.profileModel().pointCount(), kMaxPoints);
    button("g_ford")->click();
    button("g_folytonos")->click();
    button("g_y")->click();
    frame();

    // Every display mode, with axes and normals: the full profile at few steps, then a
    // shorter one at the most steps (a full one there takes seconds a frame).
    button("g_tengely")->click();
    button("g_norm")->click();
    for (int mode = 0; mode < list_tip->count(); ++mode) {
        list_tip->setCurrentIndex(mode);
        szog->setValue(3);
        frame();
    }
    for (int i = 0; i < kMaxPoints - 200; ++i) {
        button("g_torol")->click();
    }
    szog->setValue(999);
    for (int mode = 0; mode < list_tip->count(); ++mode) {
        list_tip->setCurrentIndex(mode);
        frame();
    }
    szog->setValue(7);

    // Editor buttons.
    for (QToolButton* b : {button("g_racs"), button("g_surubb"), button("g_surubb"),
                           button("g_ritkabb"), button("g_ritkabb"), button("g_ritkabb"),
                           button("g_igazit"), button("g_igazit"), button("g_racs")}) {
        b->click();
    }
    dialogs->message_answers.push_back(MsgResult::No);  // modified: do not save
    button("g_uj")->click();
    button("g_uj")->click();
    drawPoints(120, 3);
    frame();

    // Every track bar of every tool window to both ends, lit, with every light's switches.
    list_tip->setCurrentIndex(3);
    for (QToolButton* toggle : {button("g_zoom"), button("g_mozg"), button("g_forg"),
                                button("g_anyag"), button("g_feny")}) {
        toggle->click();
    }
    for (int light = 0; light < kLightCount; ++light) {
        std::array<QRadioButton*, 3>{form_feny->rb_1, form_feny->rb_2, form_feny->rb_3}[light]
            ->click();
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
                 form_feny->cb_be, form_feny->cb_be, form_feny->rb_poz, form_feny->cb_spot,
                 form_feny->cb_irany, form_feny->cb_forg}) {
            b->click();
        }
        const QList<QWidget*> windows = {child<Tform_zoom>("form_zoom"),
                                         child<Tform_mozg>("form_mozg"), form_forg,
                                         child<Tform_anyag>("form_anyag"), form_feny};
        for (QWidget* window : windows) {
            for (QSlider* slider : window->findChildren<QSlider*>()) {
                slider->setValue(slider->minimum());
                frame();
                slider->setValue(slider->maximum());
                frame();
            }
        }
    }
    form_forg->g_fxplClick();
    form_forg->g_fzmClick();
    frame();
    dialogs->color_answers = {0x102030, 0x00FF00, 0xFFFFFF};
    form.g_hatterClick(child<ColorButton>("g_hatter"));
    form.g_hatterClick(child<ColorButton>("g_obj"));
    form_feny->g_globambClick(form_feny->g_ldiff);
    frame();

    // Languages back and forth.
    for (int round = 0; round < 3; ++round) {
        chooseLanguage(QStringLiteral("Magyar"));
        frame();
        chooseLanguage(QStringLiteral("English"));
    }
    EXPECT_EQ(list_tip->currentIndex(), 3);

    // A dozen files: saved, refused, converted, opened.
    std::vector<std::string> saved;
    for (int i = 0; i < 6; ++i) {
        drawPoints(20, 10 + i);
        saved.push_back(folder.file("doc" + std::to_string(i)));
        saveAs(saved.back());
        saved.back() += ".tvl";
    }
    writeFile(folder.file("short.tvl"), std::vector<uint8_t>(20, 1));
    writeFile(folder.file("huge.tvl"), std::vector<uint8_t>(70000, 0));
    std::vector<uint8_t> corrupt = encodeObjectFile(ObjectDocument{}).image;
    corrupt[200] ^= 0xFF;
    writeFile(folder.file("corrupt.tvl"), corrupt);
    writeFile(folder.file("stranger.tvl"), std::vector<uint8_t>(400, 'x'));
    for (const char* refused :
         {"short.tvl", "huge.tvl", "corrupt.tvl", "stranger.tvl", "missing.tvl"}) {
        const size_t before = dialogs->messages.size();
        open(folder.file(refused));
        EXPECT_GT(dialogs->messages.size(), before) << refused;
    }
    for (const std::string& path : saved) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const DecodeResult decoded = decodeObjectFile(
            std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
        ASSERT_TRUE(std::holds_alternative<CurrentObjectFile>(decoded)) << path;
        const ObjectDocument converted = documentAsOpened(std::get<CurrentObjectFile>(decoded));
        writeFile(path + ".converted.tvl", encodeObjectFile(converted).image);
        open(path + ".converted.tvl");
        frame();
        open(path);
        frame();
        EXPECT_FALSE(form.IsModified());
    }

    // The last document on screen is saved and opens identical.
    drawPoints(30, 99);
    child<Tform_mozg>("form_mozg")->tb_x->setValue(17);
    const ObjectDocument on_screen = form.documentFromWindows();
    saveAs(folder.file("last"));
    dialogs->message_answers.push_back(MsgResult::No);
    form.g_ujClick();
    open(folder.file("last.tvl"));
    EXPECT_EQ(form.documentFromWindows(), on_screen);
    frame();

    bool can_close = false;
    form.FormCloseQuery(can_close);
    EXPECT_TRUE(can_close);
}

}  // namespace
}  // namespace tv
