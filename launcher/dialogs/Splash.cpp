#include "launcher/dialogs/Splash.h"

#include "launcher/controls/DialogKeys.h"
#include "launcher/controls/PlainText.h"
#include "launcher/controls/WindowRole.h"
#include "launcher/dialogs/Helper.h"
#include "launcher/dialogs/PictureOutline.h"
#include "launcher/dialogs/ScreenFontClass.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QScreen>

#include <cmath>

namespace launcher {

namespace {

const QColor kPlate(0x23, 0x2b, 0x36);
const QColor kRim(0x8a, 0xa4, 0xbf);
const QColor kBright(0xe8, 0xee, 0xf4);
const QColor kSoft(0x9f, 0xb3, 0xc8);

struct Placement {
    QLabel* Splash::*label;
    QPoint design;
    QPoint largeFonts;
};

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QColor& colour, int pixelSize,
                  bool bold = false)
{
    auto* label = &controls::makePlainText(*new QLabel(text, parent));
    label->setObjectName(name);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

} // namespace

Splash::Splash(Mode mode, DialogHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_mode(mode)
    , m_hooks(std::move(hooks))
    , m_picture(drawPicture())
    , m_label1(makeLabel(this, "Label1", "Quorvex", kBright, 12, true))
    , m_label2(makeLabel(this, "Label2", "Version 1.02", kSoft, 10))
    , m_label3(makeLabel(this, "Label3", QString::fromUtf8("\u00a9 2026 Quorvex"), kSoft, 9))
    , m_label4(makeLabel(this, "Label4", "Click to Close", kBright, 11))
    , m_label6(makeLabel(this, "Label6", "www.quorvex.example", kSoft, 9))
    , m_status(makeLabel(this, "Status", QString(), kSoft, 11))
    , m_command1(new QPushButton("Help", this))
{
    setObjectName("Splash");
    controls::giveWindowsTheirRole();
    // Not shown (the window has no frame), but it must not be mistaken for
    // the launcher window by tools that look windows up by name.
    setWindowTitle("Quorvex Splash");
    setFixedSize(kSizePx, kSizePx);
    m_label1->resize(90, 16);
    m_label2->resize(80, 14);
    m_label3->resize(76, 13);
    m_label6->resize(130, 13);
    m_label4->resize(90, 16);
    m_status->resize(180, 16);
    m_command1->setObjectName("Command1");
    m_command1->resize(48, 22);
    // The button is sized for its caption in the design font whatever the
    // system font is; the large-font layout only moves it.
    QFont buttonFont = m_command1->font();
    buttonFont.setPixelSize(12);
    m_command1->setFont(buttonFont);
    connect(m_command1, &QPushButton::clicked, this, &Splash::Command1Click);

    applyLayout(ScreenFontClass() == "8514");
    // The outline comes first: outlining may make the window see-through,
    // which only a window that the window system does not know yet can be.
    if (m_hooks.OutlineWindow)
        m_hooks.OutlineWindow(*this, m_picture);
    else
        ApplyPictureOutline(*this, m_picture);
    // Above everything from its first showing on, start-up's included.
    m_hooks.topmost(*this, true);

    const bool about = m_mode == Mode::About;
    m_label4->setVisible(about);
    m_command1->setVisible(about);
    // The status line belongs to start-up; it would sit under the Help button.
    m_status->setVisible(!about);
    if (about) {
        // The picture says what this is; a screen reader needs it in words.
        setAccessibleName("About Quorvex");
        // Escape closes it as a click does; Enter presses Help, which has the focus.
        new controls::DialogKeys(*this, [this] { close(); });
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

Splash* Splash::showAbout(DialogHooks hooks)
{
    auto* splash = new Splash(Mode::About, std::move(hooks));
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    // Window managers leave a splash window without the focus; the about
    // window asks for it, so that its keys (Escape, Help) work at once.
    splash->activateWindow();
    return splash;
}

void Splash::applyLayout(bool largeFonts)
{
    static const Placement placements[] = {
        {&Splash::m_label6, {139, 284}, {109, 283}}, {&Splash::m_label4, {29, 229}, {29, 228}},
        {&Splash::m_status, {104, 232}, {91, 227}},  {&Splash::m_label1, {29, 271}, {28, 266}},
        {&Splash::m_label3, {30, 285}, {30, 283}},   {&Splash::m_label2, {202, 271}, {188, 267}},
    };
    for (const Placement& placement : placements)
        (this->*placement.label)->move(largeFonts ? placement.largeFonts : placement.design);
    m_command1->move(largeFonts ? QPoint(120, 224) : QPoint(125, 228));
}

void Splash::setStatus(const QString& text)
{
    m_status->setText(text);
    m_status->repaint();
}

void Splash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void Splash::mousePressEvent(QMouseEvent* event)
{
    // Labels pass their clicks on to the window, so this covers them too.
    // Start-up closes the splash itself when it is done.
    event->accept();
    if (m_mode == Mode::About)
        close();
}

void Splash::Command1Click()
{
    auto* helper = new Helper(m_hooks);
    helper->setAttribute(Qt::WA_DeleteOnClose);
    helper->show();
    helper->activateWindow();
    m_hooks.pause(25);
    m_hooks.topmost(*helper, true);
    emit helperShown(helper);
    close();
}

QImage Splash::drawPicture()
{
    // Drawn with smooth edges on a transparent ground, then every pixel is
    // made either opaque or magenta: a half-transparent edge would otherwise
    // blend into a pink fringe that the outline keeps.
    QImage art(kSizePx, kSizePx, QImage::Format_ARGB32_Premultiplied);
    art.fill(Qt::transparent);
    {
        QPainter painter(&art);
        painter.setRenderHint(QPainter::Antialiasing);

        // The plate that carries the labels.
        QPainterPath plate;
        plate.addRoundedRect(QRectF(14, 210, 272, 88), 16, 16);
        painter.fillPath(plate, kPlate);
        painter.setPen(QPen(kRim, 2));
        painter.drawPath(plate);

        // The emblem: a ring of twelve section beads round a disc with a "Q".
        const QPointF centre(150, 112);
        QRadialGradient glow(centre, 96, QPointF(128, 80));
        glow.setColorAt(0, QColor(0x5a, 0x78, 0x99));
        glow.setColorAt(1, QColor(0x1c, 0x24, 0x2e));
        painter.setPen(QPen(kRim, 3));
        painter.setBrush(glow);
        painter.drawEllipse(centre, 96, 96);
        for (int bead = 0; bead < 12; ++bead) {
            const double angle = bead * M_PI / 6;
            const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * 80;
            painter.setPen(Qt::NoPen);
            painter.setBrush(bead % 3 == 0 ? QColor(0xf0, 0xb4, 0x4c) : kSoft);
            painter.drawEllipse(at, 6, 6);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(kBright, 12, Qt::SolidLine, Qt::RoundCap));
        painter.drawArc(QRectF(centre.x() - 40, centre.y() - 40, 80, 80), 0, 360 * 16);
        painter.drawLine(centre + QPointF(14, 14), centre + QPointF(44, 44));

        // The stem that joins emblem and plate.
        painter.setPen(Qt::NoPen);
        painter.setBrush(kPlate);
        painter.drawRect(QRectF(138, 200, 24, 14));
    }

    QImage picture(kSizePx, kSizePx, QImage::Format_RGB32);
    for (int y = 0; y < kSizePx; ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(art.constScanLine(y));
        QRgb* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < kSizePx; ++x) {
            const int alpha = qAlpha(from[x]);
            if (alpha < 128) {
                to[x] = kOutlineMaskColour;
            } else {
                // Un-premultiply onto the plate colour so edges stay dark.
                const QColor ground = kPlate;
                auto mix = [&](int channel, int groundChannel) { return channel + groundChannel * (255 - alpha) / 255; };
                to[x] = qRgb(mix(qRed(from[x]), ground.red()), mix(qGreen(from[x]), ground.green()),
                             mix(qBlue(from[x]), ground.blue()));
            }
        }
    }
    return picture;
}

} // namespace launcher
