// The main window's Save, Save as and Open commands: between the object file codec
// and the windows whose controls hold the document's settings.
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <variant>

#include "app/fomenu.h"
#include "app/segments_box.h"
#include "lang/format_text.h"
#include "objfile/document_scene.h"
#include "objfile/object_decoder.h"
#include "objfile/object_encoder.h"
#include "objfile/object_file_name.h"
#include "objfile/opened_document.h"
#include "objfile/safe_file_writer.h"
#include "objfile/whole_file_reader.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/zoom.h"
#include "util/vex1.h"

namespace tv {

void Tform_fomenu::showError(int text_id, const QString& path) {
    dialogs().message(uiFormat(text_id, {FormatArg(path.toStdString())}), uiText(kTextError),
                      MsgIcon::Error, MsgButtons::Ok);
}

ObjectDocument Tform_fomenu::documentFromWindows() const {
    ObjectDocument doc;
    doc.continuous = g_folytonos->isChecked();
    doc.flip = g_ford->isChecked();
    doc.axis_x = g_x->isChecked();
    doc.colors = scene_state.colors;
    doc.display_mode = static_cast<uint8_t>(list_tip->currentIndex());
    szog->interpretText();
    doc.segments = static_cast<uint16_t>(szog->value());
    doc.zoom_position = form_zoom->tb_zoom->value();
    doc.move_positions = {form_mozg->tb_x->value(), form_mozg->tb_y->value(),
                          form_mozg->tb_z->value()};
    doc.rotation_matrix = scene_state.rotation_matrix;
    doc.rotate_positions = {form_forg->tb_x->value(), form_forg->tb_y->value(),
                            form_forg->tb_z->value()};
    doc.transparency_position = form_anyag->tb_atl->value();
    doc.shininess_position = form_anyag->tb_mshininess->value();
    for (int l = 0; l < kLightCount; ++l) {
        ObjectLight& light = doc.lights[l];
        light.on = scene_state.light_on[l];
        light.position = scene_state.light_position[l];
        light.spot_steps = scene_state.spot_direction_steps[l];
        light.spotlight = isSpotlight(scene_state.spot_cutoff[l]);
        light.spot_angle = scene_state.spot_angle[l];
        light.indicated = scene_state.light_indicated[l];
        light.rotated = scene_state.light_rotated[l];
    }
    doc.show_axes = g_tengely->isChecked();
    doc.show_normals = g_norm->isChecked();
    doc.profile.count = static_cast<uint16_t>(profile.pointCount());
    for (int i = 0; i < profile.pointCount(); ++i) {
        doc.profile.links[static_cast<size_t>(i)] = profile.link(i);
    }
    std::copy_n(profile.points.begin(), profile.pointCount(), doc.profile.points.begin());
    return doc;
}

bool Tform_fomenu::g_mentClick(QToolButton* sender) {
    const bool save_as = sender == g_mentmaskent;
    // A profile too long for a file is refused before the user picks a name for it.
    const EncodeResult encoded = encodeObjectFile(documentFromWindows());
    if (encoded.status == EncodeStatus::TooManyPoints) {
        dialogs().message(uiFormat(kTextTooManyPoints,
                                   {FormatArg(profile.pointCount()), FormatArg(kMaxSavablePoints)}),
                          uiText(kTextError), MsgIcon::Error, MsgButtons::Ok);
        return false;
    }
    if (!untitled && FileOpenable(file_name.toStdString())) {
        save_dialog_name_ = file_name;
    }
    QString target;
    if (save_as || untitled) {
        // The dialog takes only a name in a folder that exists: a name in any other
        // folder is reported as a file that cannot be saved, and the dialog comes back.
        for (;;) {
            const std::optional<QString> chosen =
                dialogs().saveFileName(save_dialog_name_, uiText(kTextFileFilter));
            if (!chosen) {
                return false;
            }
            save_dialog_name_ = *chosen;
            if (QFileInfo(*chosen).absoluteDir().exists()) {
                target = *chosen;
                break;
            }
            showError(kTextUnableToSave, QFileInfo(*chosen).absoluteFilePath());
        }
    } else {
        // A named document is saved under its own name, also when its file has been
        // moved or deleted since it was opened.
        target = file_name;
    }
    target = QString::fromStdString(withObjectExtension(target.toStdString()));
    save_dialog_name_ = target;

    if (!writeDocumentFile(target, encoded.image)) {
        return false;
    }
    file_name = QFileInfo(target).absoluteFilePath();
    untitled = false;
    updateCaption();
    SetModified(false);
    markHistorySaved();
    return true;
}

bool Tform_fomenu::writeDocumentFile(const QString& target, const std::vector<uint8_t>& image) {
    SafeFileWriter writer(*file_ops_);
    if (writer.begin(target.toStdString()) != SafeFileWriter::BeginStatus::Ok) {
        showError(kTextUnableToSave, target);
        return false;
    }
    SafeFileWriter::WriteStatus written = writer.writeAll(image);
    while (written == SafeFileWriter::WriteStatus::IoError) {
        if (dialogs().message(uiText(kTextDiskWriteError), uiText(kTextError), MsgIcon::Error,
                              MsgButtons::RetryCancel) != MsgResult::Retry) {
            writer.abort();
            showError(kTextUnableToSave, target);
            return false;
        }
        written = writer.writeAll(image);
    }
    if (written == SafeFileWriter::WriteStatus::ShortWrite) {
        writer.abort();
        dialogs().message(uiText(kTextDiskFull), uiText(kTextError), MsgIcon::Error,
                          MsgButtons::Ok);
        return false;
    }
    if (writer.commit() != SafeFileWriter::CommitStatus::Ok) {
        showError(kTextUnableToSave, target);
        return false;
    }
    return true;
}

bool Tform_fomenu::readDocumentFile(const QString& path, std::vector<uint8_t>& bytes) {
    if (!FileOpenable(path.toStdString())) {
        showError(kTextCannotOpen, path);
        return false;
    }
    WholeFileReader reader(*file_ops_);
    switch (reader.open(path.toStdString())) {
        case WholeFileReader::OpenStatus::Ok:
            break;
        case WholeFileReader::OpenStatus::TooLarge:
            showError(kTextNotAnObject, path);
            return false;
        case WholeFileReader::OpenStatus::CannotOpen:
            showError(kTextCannotOpen, path);
            return false;
    }
    if (reader.size() < objfile::kMinFileSize) {
        showError(kTextNotAnObject, path);
        return false;
    }
    WholeFileReader::ReadStatus read = reader.read(bytes);
    while (read == WholeFileReader::ReadStatus::IoError) {
        if (dialogs().message(uiText(kTextDiskReadError), uiText(kTextError), MsgIcon::Error,
                              MsgButtons::RetryCancel) != MsgResult::Retry) {
            break;
        }
        read = reader.read(bytes);
    }
    if (read != WholeFileReader::ReadStatus::Ok) {
        showError(kTextCannotOpen, path);
        return false;
    }
    return true;
}

void Tform_fomenu::g_megnyitClick() {
    if (!mayDiscardChanges()) {
        return;
    }
    const std::optional<QString> chosen =
        dialogs().openFileName(open_dialog_name_, uiText(kTextFileFilter));
    if (!chosen) {
        return;
    }
    openFile(*chosen);
}

void Tform_fomenu::openFile(const QString& name) {
    const QString path = QFileInfo(name).absoluteFilePath();
    open_dialog_name_ = path;
    std::vector<uint8_t> bytes;
    if (!readDocumentFile(path, bytes)) {
        return;
    }
    const DecodeResult decoded = decodeObjectFile(bytes);
    if (const auto* refusal = std::get_if<ObjectRefusal>(&decoded)) {
        showError(*refusal == ObjectRefusal::Corrupt ? kTextCorrupt : kTextNotAnObject, path);
        return;
    }
    if (const auto* current = std::get_if<CurrentObjectFile>(&decoded)) {
        if (current->newerVersion()) {
            dialogs().message(uiFormat(kTextNewerVersion, {FormatArg(current->versionMajor()),
                                                           FormatArg(current->versionMinor())}),
                              uiText(kTextError), MsgIcon::Error, MsgButtons::Ok);
        }
        applyDocument(documentAsOpened(*current));
    } else {
        const auto& legacy = std::get<LegacyObjectFile>(decoded);
        if (legacy.flatImage() &&
            dialogs().message(uiText(kTextFlatImage), uiText(kTextConfirm), MsgIcon::Question,
                              MsgButtons::YesNo) != MsgResult::Yes) {
            return;
        }
        dialogs().message(uiFormat(kTextDosVersion, {FormatArg("\r")}), uiText(kTextWarning),
                          MsgIcon::Warning, MsgButtons::Ok);
        form_mozg->g_alapClick();
        form_forg->g_alapClick();
        form_anyag->g_alapClick();
        form_feny->g_alapClick();
        applyDocument(documentAsOpened(legacy, g_folytonos->isChecked()));
    }
    applyCommonSteps(path);
}

void Tform_fomenu::applyDocument(const ObjectDocument& doc) {
    (doc.continuous ? g_folytonos : g_kulon)->setChecked(true);
    g_ford->setChecked(doc.flip);
    setAxisButtons(doc.axis_x ? Axis::X : Axis::Y);
    scene_state.colors = doc.colors;
    form_anyag->g_mdiff->setColor(static_cast<uint32_t>(doc.colors[kColorObject]));
    form_anyag->g_mamb->setColor(static_cast<uint32_t>(doc.colors[kColorMaterialAmbient]));
    form_anyag->g_mspec->setColor(static_cast<uint32_t>(doc.colors[kColorMaterialSpecular]));
    form_anyag->StoreColors();
    {
        const QSignalBlocker quiet(list_tip);
        list_tip->setCurrentIndex(doc.display_mode < list_tip->count() ? doc.display_mode : -1);
    }
    szog->setValue(doc.segments);
    form_zoom->tb_zoom->setValue(doc.zoom_position);
    form_mozg->tb_x->setValue(doc.move_positions[0]);
    form_mozg->tb_y->setValue(doc.move_positions[1]);
    form_mozg->tb_z->setValue(doc.move_positions[2]);
    scene_state.rotation_matrix = doc.rotation_matrix;
    form_forg->tb_x->setValue(doc.rotate_positions[0]);
    form_forg->tb_y->setValue(doc.rotate_positions[1]);
    form_forg->tb_z->setValue(doc.rotate_positions[2]);
    form_anyag->tb_atl->setValue(doc.transparency_position);
    form_anyag->tb_mshininess->setValue(doc.shininess_position);
    for (int l = 0; l < kLightCount; ++l) {
        applyLightToSceneState(doc.lights[l], l, scene_state);
    }
    g_tengely->setChecked(doc.show_axes);
    g_norm->setChecked(doc.show_normals);
    profile.replace(doc.profile.count, doc.profile.links.data(), doc.profile.points.data(),
                    separateMode());
    layout_changed = true;
    gc2dPaint();
}

void Tform_fomenu::applyCommonSteps(const QString& path) {
    showDocumentColors();
    file_name = path;
    untitled = false;
    updateCaption();
    SetModified(false);
    restartHistory();
}

void Tform_fomenu::showDocumentColors() {
    const uint32_t background = static_cast<uint32_t>(scene_state.colors[kColorBackground]);
    g_hatter->setColor(background);
    scene_state.setColor(kColorBackground, background);
    g_obj->setColor(static_cast<uint32_t>(scene_state.colors[kColorObject]));

    form_feny->g_globamb->setColor(static_cast<uint32_t>(scene_state.colors[kColorGlobalAmbient]));
    const int remembered = form_feny->current_light;
    for (int l = 0; l < kLightCount; ++l) {
        form_feny->current_light = l;
        form_feny->g_ldiff->setColor(
            static_cast<uint32_t>(scene_state.colors[lightDiffuseIndex(l)]));
        form_feny->g_lamb->setColor(
            static_cast<uint32_t>(scene_state.colors[lightAmbientIndex(l)]));
        form_feny->g_lspec->setColor(
            static_cast<uint32_t>(scene_state.colors[lightSpecularIndex(l)]));
        form_feny->StoreColors();
    }
    form_feny->current_light = remembered;
    form_anyag->UpdateEnabledState();
    form_feny->rb_1Click();
}

}  // namespace tv
