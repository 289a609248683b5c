#include "toolwin/nevjegy.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>

#include "toolwin/fitting_text.h"
#include "toolwin/tool_controls.h"

namespace tv {

namespace {

const QString kMakers = QStringLiteral("The Torvelle developers");
const QString kEmail = QStringLiteral("developers@torvelle.org");
const QString kHomepage = QStringLiteral("https://torvelle.org");
const QString kSupport = QStringLiteral("https://torvelle.org/support");

// A turned vase on a dark background: the kind of solid the program makes.
QPixmap aboutPicture() {
    QPixmap pixmap(81, 217);
    pixmap.fill(QColor(16, 24, 48));
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // Half-profile of the vase, as radius against height, mirrored about the centre.
    const QList<QPointF> half = {{6, 200}, {22, 196}, {30, 170}, {32, 130},
                                 {24, 95}, {14, 70},  {12, 45},  {20, 20}};
    QPainterPath outline;
    outline.moveTo(40.5 - half.first().x(), half.first().y());
    for (const QPointF& q : half) {
        outline.lineTo(40.5 - q.x(), q.y());
    }
    for (auto it = half.crbegin(); it != half.crend(); ++it) {
        outline.lineTo(40.5 + it->x(), it->y());
    }
    outline.closeSubpath();
    QLinearGradient shade(8, 0, 73, 0);
    shade.setColorAt(0.0, QColor(0, 50, 110));
    shade.setColorAt(0.35, QColor(120, 190, 255));
    shade.setColorAt(1.0, QColor(0, 40, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(outline);
    // A few rings, as the wire frame shows them.
    p.setPen(QPen(QColor(255, 255, 255, 70), 1));
    p.setBrush(Qt::NoBrush);
    for (const QPointF& q : half) {
        p.drawEllipse(QPointF(40.5, q.y()), q.x(), q.x() / 6.0);
    }
    return pixmap;
}

QLabel* boldLabel(QWidget* parent, const QString& text, int y) {
    auto* label = new FittingLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setGeometry(112, y, 100, 20);
    return label;
}

QLabel* valueLabel(QWidget* parent, const QString& text, int y) {
    auto* label = new FittingLabel(text, parent);
    label->setGeometry(212, y, 145, 20);
    return label;
}

QLabel* linkLabel(QWidget* parent, const QString& text, int y) {
    QLabel* label = valueLabel(parent, text, y);
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    label->setStyleSheet(QStringLiteral("color: #0000ff"));
    label->setCursor(Qt::PointingHandCursor);
    return label;
}

// Runs `action` when the label is clicked with the left button.
class ClickFilter final : public QObject {
  public:
    ClickFilter(QObject* parent, std::function<void()> action)
        : QObject(parent), action_(std::move(action)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only the left button follows a link; the others are left to the label.
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            action_();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::function<void()> action_;
};

}  // namespace

Tform_nevjegy::Tform_nevjegy(QWidget* parent)
    : QDialog(parent), open_url([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setWindowTitle(QStringLiteral("About"));
    setModal(true);
    setFixedSize(364, 247);

    auto* frame = new QLabel(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setGeometry(14, 14, 85, 221);
    picture = new QLabel(this);
    picture->setGeometry(16, 16, 81, 217);
    picture->setPixmap(aboutPicture());

    l_iro = boldLabel(this, QStringLiteral("Author:"), 24);
    l_iro_ = valueLabel(this, kMakers, 24);
    l_ver = boldLabel(this, QStringLiteral("Version:"), 52);
    l_ver_ = valueLabel(this, QStringLiteral("1.0"), 52);
    l_datum = boldLabel(this, QStringLiteral("Release date:"), 80);
    l_datum_ = valueLabel(this, QStringLiteral("29th december 2003."), 80);
    l_email = boldLabel(this, QStringLiteral("E-mail:"), 108);
    l_email_ = linkLabel(this, kEmail, 108);
    l_honlap = boldLabel(this, QStringLiteral("Homepage:"), 136);
    l_honlap_ = linkLabel(this, kHomepage, 136);
    l_support = boldLabel(this, QStringLiteral("Support:"), 164);
    l_support_ = linkLabel(this, kSupport, 164);
    l_email_->installEventFilter(new ClickFilter(this, [this] { l_emailClick(); }));
    l_honlap_->installEventFilter(new ClickFilter(this, [this] { l_honlapClick(); }));
    l_support_->installEventFilter(
        new ClickFilter(this, [this] { open_url(QUrl(l_support_->text())); }));

    ok_button = new QPushButton(QStringLiteral("OK"), this);
    ok_button->setGeometry(296, 216, 57, 22);
    ok_button->setDefault(true);
    connect(ok_button, &QPushButton::clicked, this, &QDialog::accept);
    nameControls({{picture, "picture"},
                  {l_iro, "l_iro"},
                  {l_iro_, "l_iro_"},
                  {l_ver, "l_ver"},
                  {l_ver_, "l_ver_"},
                  {l_datum, "l_datum"},
                  {l_datum_, "l_datum_"},
                  {l_email, "l_email"},
                  {l_email_, "l_email_"},
                  {l_honlap, "l_honlap"},
                  {l_honlap_, "l_honlap_"},
                  {l_support, "l_support"},
                  {l_support_, "l_support_"},
                  {ok_button, "ok_button"}});

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.x() + area.width() / 2 - width() / 2,
             area.y() + area.height() / 2 - height() / 2);
    }
}

void Tform_nevjegy::l_emailClick() {
    open_url(QUrl(QStringLiteral("mailto:") + l_email_->text()));
}

void Tform_nevjegy::l_honlapClick() {
    open_url(QUrl(l_honlap_->text()));
}

}  // namespace tv
