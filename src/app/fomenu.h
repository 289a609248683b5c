// The main window: the control bars with the document, editor and 3D-view buttons,
// the drawing surface on the left, the 3D view on the right and the status bar. It
// owns everything the program keeps: the profile, the scene state, the texts.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "app/component_slots.h"
#include "lang/format_text.h"
#include "lang/language_discovery.h"
#include "lang/text_table.h"
#include "objfile/file_ops.h"
#include "profile/profile_canvas.h"
#include "profile/profile_model.h"
#include "profile/profile_surface.h"
#include "toolwin/tool_host.h"
#include "util/dialogs.h"
#include "view3d/frame_counters.h"
#include "view3d/scene_state.h"

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QFrame;
class QLabel;
class QMenu;
class QSlider;
class QTimer;
class QToolButton;

namespace tv {

class Band;
class EditHistory;
class ColorButton;
class ControlBar;
class SegmentsBox;
class Tform_anyag;
class Tform_feny;
class Tform_forg;
class Tform_mozg;
class Tform_nevjegy;
class Tform_zoom;
class View3DWidget;
struct ObjectDocument;

class Tform_fomenu final : public QMainWindow, public ProfileSurfaceOwner, public ToolHost {
    Q_OBJECT
  public:
    explicit Tform_fomenu(QWidget* parent = nullptr);
    ~Tform_fomenu() override;

    // Creates the tool windows and the About box, in the program's fixed order.
    void createWindows();

    // The main window's start-up routine, run once after all windows exist.
    void Startup();

    // Modal windows go through this; tests replace it with a scripted one. The 3D view
    // pauses while any of them is open.
    void setDialogs(std::unique_ptr<Dialogs> dialogs);

    // Files are read and written through these operations; tests inject faults.
    void setFileOps(FileOps& ops) { file_ops_ = &ops; }

    // The folders Startup tries, in order, when the start directory holds no language
    // file; by default those of the installed or freshly built program.
    void setLanguageFallbackDirs(std::vector<std::string> dirs) {
        language_fallback_dirs_ = std::move(dirs);
    }

    // Applies the language file of the language chosen in `list_lang`.
    void list_langSelect();

    // Entry `index` of the text table, as it stands now.
    QString uiText(int index) const { return QString::fromStdString(ui_texts[index]); }

    // The same entry with its %s and %d filled in.
    QString uiFormat(int index, std::initializer_list<FormatArg> args) const {
        return QString::fromStdString(formatText(ui_texts[index], args));
    }

    // Modified state and caption.
    bool IsModified() const;
    void SetModified(bool flag) override;
    void updateCaption();

    // Settings held by controls.
    Axis axis() const;
    bool separateMode() const;
    bool snapping() const;
    int displayMode() const override;
    int segments() const;

    // ToolHost.
    TSceneState& scene() override { return scene_state; }
    Dialogs& dialogs() override { return *dialogs_; }
    void setObjectButtonColor(uint32_t color) override;
    void toolWindowClosed(ToolWindowId id) override;

    // Window events.
    void FormResize();
    void TimerTimer();
    void StatusHint(const QString& hint);
    // While tool windows are docked, the window is at least as wide as the widest dock
    // area needs, and grows when it is narrower.
    void fitDockedWindows();

    // Profile canvas and editing.
    void gc2dPaint();
    void gc2dMouseDown(Qt::MouseButton button, int x, int y) override;
    void gc2dMouseMove(int x, int y) override;
    void gc2dMouseUp(Qt::MouseButton button, int x, int y) override;
    const QImage& profilePicture() override;
    void g_folytonosClick();
    void g_torolClick();
    void g_xClick(QToolButton* sender);
    void g_racsClick();
    void g_surubbClick();
    void g_ritkabbClick();

    // 3D view switches and tool window toggles.
    void list_tipChange();
    void g_tengelyClick();
    void toggleToolWindow(QToolButton* button);

    // Document commands.
    void g_ujClick();
    void FormCloseQuery(bool& can_close);
    void g_alapClick();
    void g_hatterClick(ColorButton* sender);
    void g_nevjegyClick();

    // Save (`g_ment`) and Save as (`g_mentmaskent`); true when the file was written.
    [[nodiscard]] bool g_mentClick(QToolButton* sender);
    void g_megnyitClick();
    // Reads `name` into the document as Open does once its dialog has given the name: the
    // same checks, questions and messages; no question about unsaved changes.
    void openFile(const QString& name);

    // Export of the solid on screen (the 3D view's context menu, Ctrl+E).
    void mi_exportClick();

    // The document as a file holds it, read from the windows and their controls.
    ObjectDocument documentFromWindows() const;

    // Undo and redo (Ctrl+Z; Ctrl+Shift+Z and Ctrl+Y) of the commands that mark the
    // document modified; the history is what tests read.
    void undoEdit();
    void redoEdit();
    const EditHistory& editHistory() const { return *history_; }

    // What the program keeps, for reading.
    const ProfileModel& profileModel() const { return profile; }
    bool isUntitled() const { return untitled; }
    const QString& fileName() const { return file_name; }
    bool startupFailed() const { return startup_failed; }  // no language file: the program ends
    const ComponentSlots& componentSlots() const { return component_slots; }

  protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    // The table of the controls that language files address by number reads them here.
    friend ComponentSlots collectComponentSlots(Tform_fomenu& main_window);

    void FormCreate();
    void buildFileBand();
    void buildEditorBand();
    void build3dBand();
    void buildClientArea();
    void buildStatusBar();
    void buildViewMenu();
    void connectHandlers();
    void installFileShortcuts();
    // Sets the axis buttons without converting the profile (used when a file is loaded).
    void setAxisButtons(Axis axis);
    void renderProfilePicture();
    SurfaceSize surfaceSize() const;
    PixelPos mousePixel(int x, int y) const;
    bool mayDiscardChanges();
    void showError(int text_id, const QString& path);
    [[nodiscard]] bool writeDocumentFile(const QString& target, const std::vector<uint8_t>& image);
    [[nodiscard]] bool readDocumentFile(const QString& path, std::vector<uint8_t>& bytes);
    void applyDocument(const ObjectDocument& document);
    void applyCommonSteps(const QString& path);
    void showDocumentColors();

    // The undo history's hooks; each does nothing before the tool windows exist.
    void connectHistory();
    void noteEdit();
    void settleEdit();
    void restartHistory();
    void markHistorySaved();

    // Controls, named as the rest of the program refers to them; each carries its name as
    // its object name too, by which tests find it.
    ControlBar* ControlBar1 = nullptr;
    Band* panel_file = nullptr;
    Band* panel_2d = nullptr;
    Band* panel_3d = nullptr;
    QToolButton* g_uj = nullptr;
    QToolButton* g_megnyit = nullptr;
    QToolButton* g_ment = nullptr;
    QToolButton* g_mentmaskent = nullptr;
    QLabel* l_lang = nullptr;
    QComboBox* list_lang = nullptr;
    QToolButton* g_nevjegy = nullptr;
    QToolButton* g_kilep = nullptr;
    QToolButton* g_folytonos = nullptr;
    QToolButton* g_kulon = nullptr;
    QToolButton* g_ford = nullptr;
    QToolButton* g_torol = nullptr;
    QToolButton* g_x = nullptr;
    QToolButton* g_y = nullptr;
    QToolButton* g_racs = nullptr;
    QToolButton* g_surubb = nullptr;
    QToolButton* g_ritkabb = nullptr;
    QToolButton* g_igazit = nullptr;
    QComboBox* list_tip = nullptr;
    QToolButton* g_zoom = nullptr;
    QToolButton* g_mozg = nullptr;
    QToolButton* g_forg = nullptr;
    QToolButton* g_tengely = nullptr;
    ColorButton* g_hatter = nullptr;
    ColorButton* g_obj = nullptr;
    SegmentsBox* szog = nullptr;
    QToolButton* g_anyag = nullptr;
    QToolButton* g_feny = nullptr;
    QToolButton* g_alap = nullptr;
    QToolButton* g_norm = nullptr;
    QFrame* panel_edit = nullptr;
    ProfileSurface* gc2d = nullptr;
    QFrame* panel_view = nullptr;
    View3DWidget* gl_view = nullptr;  // the OpenGL view that fills panel_view; deleted first
    QMenu* popup_view = nullptr;      // the 3D view's context menu
    QAction* mi_export = nullptr;
    std::array<QLabel*, 4> status_panels{};
    QTimer* Timer = nullptr;

    Tform_zoom* form_zoom = nullptr;
    Tform_mozg* form_mozg = nullptr;
    Tform_forg* form_forg = nullptr;
    Tform_feny* form_feny = nullptr;
    Tform_anyag* form_anyag = nullptr;
    Tform_nevjegy* form_nevjegy = nullptr;

    // What the program keeps.
    ProfileModel profile;
    TSceneState scene_state;
    FrameCounters frames;
    TextTable ui_texts;
    bool untitled = true;
    QString file_name;
    QString lang_dir;
    bool layout_changed = true;
    QImage profile_buffer;
    ComponentSlots component_slots{};
    bool startup_failed = false;

    std::unique_ptr<Dialogs> dialogs_;
    ProfileCanvas profile_canvas_;
    QString save_dialog_name_;  // the file name the save dialog last held
    QString open_dialog_name_;
    ExportChoice export_choice_;  // the export dialog as it was last left
    FileOps* file_ops_ = &posixFileOps();
    // Where the start-up looks for language files when the start directory has none.
    std::vector<std::string> language_fallback_dirs_;
    Axis points_axis_ = Axis::Y;  // the axis the profile's coordinates are read against
    EditHistory* history_ = nullptr;
    std::vector<QSlider*> track_bars_;  // the tool windows' track bars, whose drags are one step
};

}  // namespace tv
