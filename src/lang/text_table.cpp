#include "lang/text_table.h"

namespace tv {

void assignDefaultTexts(TextTable& texts) {
    texts.fill(std::string());
    texts[kTextRowError] = "Error in %s at row %d";
    texts[kTextInformation] = "Information";
    texts[kTextConfirm] = "Confirm";
    texts[kTextWarning] = "Warning";
    texts[kTextError] = "Error";
    texts[kTextModified] = "Modified";
    texts[kTextPoints] = "points";
    texts[kTextFps] = "fps";
    texts[kTextSaveChanges] = "Object has been modified. Do you want to save changes?";
    texts[kTextNoComponent] = "There is no component nr %d";
    texts[kTextLanguageMissing] = "Language file not present: %s.lng";
    texts[kTextResetQuestion] = "Are you sure to reset 3D settings?";
    texts[kTextUntitled] = "Untitled";
    texts[kTextFileFilter] = "Torvelle files (*.tvl)|*.tvl|All files (*.*)|*.*";
    texts[kTextDiskWriteError] = "Disk write error";
    texts[kTextUnableToSave] = "Unable to save %s";
    texts[kTextDiskFull] = "Disk full! Make enough free space and try to save again!";
    texts[kTextCannotOpen] = "Cannot open %s";
    texts[kTextDiskReadError] = "Disk read error";
    texts[kTextNotAnObject] = "File is not a Torvelle object: %s";
    texts[kTextCorrupt] = "File is corrupt: %s";
    texts[kTextNewerVersion] = "This file requires OpenGL Torvelle version %d.%d or newer!";
    texts[kTextFlatImage] = "This file contains a flat image. Do you want to load it anyway?";
    texts[kTextDosVersion] =
        "This file was made by the old DOS version of Torvelle.%sIf you overwrite this file, "
        "it will not be loadable by Torvelle for DOS anymore!";
    texts[kTextTooManyPoints] =
        "The profile has %d points, but a file holds at most %d. Delete points to save it.";
    texts[kTextExportMenu] = "Export solid...";
    texts[kTextExportCaption] = "Export solid";
    texts[kTextExportFilter] =
        "STL files (*.stl)|*.stl|3MF files (*.3mf)|*.3mf|OBJ files (*.obj)|*.obj";
    texts[kTextExportScale] = "Scale (mm per unit):";
    texts[kTextExporting] = "Exporting %s";
    texts[kTextUnableToExport] = "Unable to export %s";
    texts[kTextUnderConstruction] = "This part is under construction!";
}

}  // namespace tv
