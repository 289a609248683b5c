#include "app/fomenu.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>

#include "app/control_bar.h"
#include "app/glyphs.h"
#include "app/pausing_dialogs.h"
#include "app/qt_dialogs.h"
#include "app/segments_box.h"
#include "lang/start_language.h"
#include "toolwin/anyag.h"
#include "toolwin/color_button.h"
#include "toolwin/feny.h"
#include "toolwin/fitting_text.h"
#include "toolwin/forg.h"
#include "toolwin/mozg.h"
#include "toolwin/nevjegy.h"
#include "toolwin/speed_button.h"
#include "toolwin/zoom.h"
#include "view3d/scene_controls.h"
#include "view3d/view3d_widget.h"

namespace tv {

namespace {

constexpr int kButtonWidth = 23;
constexpr int kButtonHeight = 22;
constexpr int kLowerRow = 26;
constexpr int kStatusBarHeight = 19;
constexpr QSize kMinimumSize(560, 300);
const QString kApplicationTitle = QStringLiteral("OpenGL Torvelle");

QToolButton* speedButton(QWidget* parent, const char* name, int x, int y, Glyph glyph,
                         bool checkable) {
    auto* button = new SpeedButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(x, y, kButtonWidth, kButtonHeight);
    button->setAutoRaise(true);
    button->setCheckable(checkable);
    button->setFocusPolicy(Qt::NoFocus);
    button->setIcon(makeGlyph(glyph));
    return button;
}

void exclusivePair(QObject* owner, QToolButton* a, QToolButton* b) {
    auto* group = new QButtonGroup(owner);
    group->setExclusive(true);
    group->addButton(a);
    group->addButton(b);
}

}  // namespace

Tform_fomenu::Tform_fomenu(QWidget* parent) : QMainWindow(parent) {
    FormCreate();
    setDialogs(std::make_unique<QtDialogs>(this));
}

Tform_fomenu::~Tform_fomenu() {
    // The view holds references to the scene, the profile and the frame counters, members of
    // this window that are gone by the time QWidget deletes the children: it goes first.
    delete gl_view;
}

void Tform_fomenu::setDialogs(std::unique_ptr<Dialogs> dialogs) {
    dialogs_ = std::make_unique<PausingDialogs>(std::move(dialogs), gl_view);
}

void Tform_fomenu::FormCreate() {
    setWindowTitle(kApplicationTitle);
    QFont small_font = font();
    small_font.setPointSize(8);
    setFont(small_font);
    setDockOptions(QMainWindow::AnimatedDocks);
    resize(640, 422);

    ControlBar1 = new ControlBar(this, 56);
    ControlBar1->setObjectName(QStringLiteral("ControlBar1"));
    setMenuWidget(ControlBar1);
    buildFileBand();
    buildEditorBand();
    build3dBand();
    buildClientArea();
    buildStatusBar();
    buildViewMenu();

    untitled = true;
    lang_dir = QDir::currentPath();
    if (!lang_dir.endsWith(QLatin1Char('/'))) {
        lang_dir += QLatin1Char('/');
    }
    language_fallback_dirs_ =
        installedLanguageDirs(QCoreApplication::applicationDirPath().toStdString());
    frames = FrameCounters{};

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 2 - height() / 2);
    }

    profile = ProfileModel{};
    profile_buffer = QImage(gc2d->size(), QImage::Format_RGB32);

    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));
    Timer->setInterval(1000);
    connectHandlers();
    installFileShortcuts();
    Timer->start();
    setMinimumSize(kMinimumSize);
    setAcceptDrops(true);
}

void Tform_fomenu::buildFileBand() {
    panel_file = new Band(ControlBar1, QSize(297, kButtonHeight));
    panel_file->setObjectName(QStringLiteral("panel_file"));
    QWidget* band = panel_file->content();
    g_uj = speedButton(band, "g_uj", 0, 0, Glyph::New, false);
    g_megnyit = speedButton(band, "g_megnyit", 24, 0, Glyph::Open, false);
    g_ment = speedButton(band, "g_ment", 48, 0, Glyph::Save, false);
    g_mentmaskent = speedButton(band, "g_mentmaskent", 72, 0, Glyph::SaveAs, false);
    l_lang = new QLabel(QStringLiteral("Language:"), band);
    l_lang->setObjectName(QStringLiteral("l_lang"));
    l_lang->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l_lang->setGeometry(96, 0, 59, kButtonHeight);
    list_lang = new FittingComboBox(band);
    list_lang->setObjectName(QStringLiteral("list_lang"));
    list_lang->setGeometry(160, 0, 73, kButtonHeight);
    list_lang->setEditable(false);
    g_nevjegy = speedButton(band, "g_nevjegy", 240, 0, Glyph::About, false);
    g_kilep = speedButton(band, "g_kilep", 264, 0, Glyph::Exit, false);
}

void Tform_fomenu::buildEditorBand() {
    panel_2d = new Band(ControlBar1, QSize(297, kButtonHeight));
    panel_2d->setObjectName(QStringLiteral("panel_2d"));
    QWidget* band = panel_2d->content();
    g_folytonos = speedButton(band, "g_folytonos", 0, 0, Glyph::Continuous, true);
    g_kulon = speedButton(band, "g_kulon", 24, 0, Glyph::Separate, true);
    g_ford = speedButton(band, "g_ford", 56, 0, Glyph::Flip, true);
    g_torol = speedButton(band, "g_torol", 88, 0, Glyph::Delete, false);
    g_x = speedButton(band, "g_x", 120, 0, Glyph::AxisX, true);
    g_y = speedButton(band, "g_y", 144, 0, Glyph::AxisY, true);
    g_racs = speedButton(band, "g_racs", 176, 0, Glyph::Grid, true);
    g_surubb = speedButton(band, "g_surubb", 208, 0, Glyph::Denser, false);
    g_ritkabb = speedButton(band, "g_ritkabb", 232, 0, Glyph::Sparser, false);
    g_igazit = speedButton(band, "g_igazit", 264, 0, Glyph::Snap, true);
    exclusivePair(this, g_folytonos, g_kulon);
    exclusivePair(this, g_x, g_y);
    g_folytonos->setChecked(true);
    g_y->setChecked(true);
    g_igazit->setChecked(true);
    g_igazit->setEnabled(false);
    g_surubb->setEnabled(false);
    g_ritkabb->setEnabled(false);
}

void Tform_fomenu::build3dBand() {
    panel_3d = new Band(ControlBar1, QSize(220, 48));
    panel_3d->setObjectName(QStringLiteral("panel_3d"));
    QWidget* band = panel_3d->content();
    list_tip = new FittingComboBox(band);
    list_tip->setObjectName(QStringLiteral("list_tip"));
    list_tip->setGeometry(0, 0, 105, kButtonHeight);
    list_tip->setEditable(false);
    g_zoom = speedButton(band, "g_zoom", 112, 0, Glyph::Zoom, true);
    g_mozg = speedButton(band, "g_mozg", 136, 0, Glyph::Move, true);
    g_forg = speedButton(band, "g_forg", 160, 0, Glyph::Rotate, true);
    auto* separator = new QFrame(band);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    separator->setGeometry(187, 2, 2, 44);
    g_tengely = speedButton(band, "g_tengely", 193, 0, Glyph::Axes, true);

    g_hatter = new ColorButton(band, QStringLiteral("H"),
                               QRect(0, kLowerRow, kButtonWidth, kButtonHeight));
    g_hatter->setObjectName(QStringLiteral("g_hatter"));
    g_obj = new ColorButton(band, QStringLiteral("O"),
                            QRect(24, kLowerRow, kButtonWidth, kButtonHeight));
    g_obj->setObjectName(QStringLiteral("g_obj"));
    g_obj->setColor(defaultColor(kColorObject));
    szog = new SegmentsBox(band);
    szog->setObjectName(QStringLiteral("szog"));
    szog->setGeometry(56, kLowerRow, 49, kButtonHeight);
    szog->setRange(kSegmentsRange.min, kSegmentsRange.max);
    szog->setValue(kDefaultSegments);
    szog->findChild<QLineEdit*>()->setMaxLength(3);
    g_anyag = speedButton(band, "g_anyag", 112, kLowerRow, Glyph::Material, true);
    g_feny = speedButton(band, "g_feny", 136, kLowerRow, Glyph::Light, true);
    g_alap = speedButton(band, "g_alap", 160, kLowerRow, Glyph::Reset, false);
    g_norm = speedButton(band, "g_norm", 193, kLowerRow, Glyph::Normals, true);
}

void Tform_fomenu::buildClientArea() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->installEventFilter(this);

    panel_edit = new QFrame(client);
    panel_edit->setObjectName(QStringLiteral("panel_edit"));
    // A sunken box of one-pixel lines is a lowered outer and a raised inner bevel.
    panel_edit->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel_edit->setLineWidth(1);
    panel_edit->setMidLineWidth(0);
    panel_edit->setAutoFillBackground(true);
    QPalette silver = panel_edit->palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    panel_edit->setPalette(silver);
    gc2d = new ProfileSurface(*this, panel_edit);
    gc2d->setObjectName(QStringLiteral("gc2d"));

    panel_view = new QFrame(client);
    panel_view->setObjectName(QStringLiteral("panel_view"));
    panel_view->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel_view->setAutoFillBackground(true);
    QPalette black = panel_view->palette();
    black.setColor(QPalette::Window, Qt::black);
    panel_view->setPalette(black);
    gl_view = new View3DWidget(scene_state, profile, frames, panel_view);
    gl_view->setObjectName(QStringLiteral("gl_view"));
    gl_view->setControlsSource([this] {
        return ViewControls{axis(),     displayMode(), g_tengely->isChecked(), g_norm->isChecked(),
                            segments(), g_obj->color()};
    });
}

void Tform_fomenu::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(true);
    bar->setFixedHeight(kStatusBarHeight);
    const std::array<int, 4> widths = {400, 50, 60, 50};
    for (size_t i = 0; i < status_panels.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("status_panel_%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setFixedWidth(widths[i]);
        bar->addWidget(panel);
        status_panels[i] = panel;
    }
}

void Tform_fomenu::connectHandlers() {
    connect(Timer, &QTimer::timeout, this, &Tform_fomenu::TimerTimer);
    connect(g_kilep, &QToolButton::clicked, this, &QWidget::close);
    connect(g_folytonos, &QToolButton::clicked, this, &Tform_fomenu::g_folytonosClick);
    connect(g_kulon, &QToolButton::clicked, this, &Tform_fomenu::g_folytonosClick);
    connect(g_torol, &QToolButton::clicked, this, &Tform_fomenu::g_torolClick);
    connect(g_x, &QToolButton::clicked, this, [this] { g_xClick(g_x); });
    connect(g_y, &QToolButton::clicked, this, [this] { g_xClick(g_y); });
    connect(g_racs, &QToolButton::clicked, this, &Tform_fomenu::g_racsClick);
    connect(g_surubb, &QToolButton::clicked, this, &Tform_fomenu::g_surubbClick);
    connect(g_ritkabb, &QToolButton::clicked, this, &Tform_fomenu::g_ritkabbClick);
    connect(list_lang, &QComboBox::activated, this, &Tform_fomenu::list_langSelect);

    connect(g_uj, &QToolButton::clicked, this, &Tform_fomenu::g_ujClick);
    connect(g_megnyit, &QToolButton::clicked, this, &Tform_fomenu::g_megnyitClick);
    // A save tells the user itself how it went; a click has nobody else to report to.
    connect(g_ment, &QToolButton::clicked, this,
            [this] { static_cast<void>(g_mentClick(g_ment)); });
    connect(g_mentmaskent, &QToolButton::clicked, this,
            [this] { static_cast<void>(g_mentClick(g_mentmaskent)); });
    connect(g_nevjegy, &QToolButton::clicked, this, &Tform_fomenu::g_nevjegyClick);
    connect(g_alap, &QToolButton::clicked, this, &Tform_fomenu::g_alapClick);
    connect(g_hatter, &QToolButton::clicked, this, [this] { g_hatterClick(g_hatter); });
    connect(g_obj, &QToolButton::clicked, this, [this] { g_hatterClick(g_obj); });
    connect(g_tengely, &QToolButton::clicked, this, &Tform_fomenu::g_tengelyClick);
    connect(g_norm, &QToolButton::clicked, this, &Tform_fomenu::g_tengelyClick);
    connect(list_tip, &QComboBox::currentIndexChanged, this, &Tform_fomenu::list_tipChange);
    for (QToolButton* toggle : {g_zoom, g_mozg, g_forg, g_anyag, g_feny}) {
        connect(toggle, &QToolButton::clicked, this, [this, toggle] { toggleToolWindow(toggle); });
    }
}

void Tform_fomenu::createWindows() {
    form_zoom = new Tform_zoom(*this, this);
    form_mozg = new Tform_mozg(*this, this);
    form_forg = new Tform_forg(*this, this);
    form_feny = new Tform_feny(*this, this);
    form_anyag = new Tform_anyag(*this, this);
    form_nevjegy = new Tform_nevjegy(this);
    form_zoom->setObjectName(QStringLiteral("form_zoom"));
    form_mozg->setObjectName(QStringLiteral("form_mozg"));
    form_forg->setObjectName(QStringLiteral("form_forg"));
    form_feny->setObjectName(QStringLiteral("form_feny"));
    form_anyag->setObjectName(QStringLiteral("form_anyag"));
    form_nevjegy->setObjectName(QStringLiteral("form_nevjegy"));
    connectHistory();
    for (QDockWidget* window : std::initializer_list<QDockWidget*>{form_zoom, form_mozg, form_forg,
                                                                   form_feny, form_anyag}) {
        // Queued: the dock areas have their new layout only after the change is handled.
        connect(window, &QDockWidget::topLevelChanged, this, &Tform_fomenu::fitDockedWindows,
                Qt::QueuedConnection);
        connect(window, &QDockWidget::dockLocationChanged, this, &Tform_fomenu::fitDockedWindows,
                Qt::QueuedConnection);
        connect(window, &QDockWidget::visibilityChanged, this, &Tform_fomenu::fitDockedWindows,
                Qt::QueuedConnection);
    }
}

void Tform_fomenu::fitDockedWindows() {
    // The dock areas' layout knows how wide the docked windows need it to be; the window's
    // own fixed minimum would otherwise let it cut them off.
    const int needed = std::max(kMinimumSize.width(), layout()->minimumSize().width());
    const bool grows = width() < needed;
    setMinimumWidth(needed);  // this alone widens the window already
    if (!grows) {
        return;
    }
    resize(needed, height());
    // Grown past the screen's right edge, the window moves left as far as it must.
    if (const QScreen* screen = this->screen()) {
        const QRect area = screen->availableGeometry();
        const int overhang = frameGeometry().right() - area.right();
        if (overhang > 0) {
            move(std::max(area.left(), x() - overhang), y());
        }
    }
}

bool Tform_fomenu::event(QEvent* event) {
    // The hint of the control under the mouse goes to the first status panel instead of
    // the status bar's temporary message, which would hide the other panels.
    if (event->type() == QEvent::StatusTip) {
        StatusHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool Tform_fomenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) {
        FormResize();
    }
    return QMainWindow::eventFilter(watched, event);
}

void Tform_fomenu::FormResize() {
    layout_changed = true;
    const QWidget* client = centralWidget();
    const int w = client->width();
    const int h = client->height();
    panel_edit->setGeometry(0, 0, w / 2, h);
    panel_view->setGeometry(w / 2, 0, w - w / 2, h);
    gc2d->setGeometry(panel_edit->contentsRect());
    // The view covers the whole panel, frame included, so that the viewport and the aspect
    // ratio are taken from the panel's own size.
    gl_view->setGeometry(panel_view->rect());

    panel_file->placeContentAt(QPoint(11, 2));
    panel_2d->placeContentAt(QPoint(11, 28));
    // The 3D band stands over the 3D view, but never over the file band.
    const int right_of_file_band = 11 + 297 + Band::kGripWidth + 4;
    panel_3d->placeContentAt(QPoint(std::max(panel_view->x() + 10, right_of_file_band), 2));

    status_panels[0]->setFixedWidth(std::max(0, width() - 200));
}

}  // namespace tv
