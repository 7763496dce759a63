#include "launcher/window/QuorvexForm.h"

#include "launcher/controls/PlainText.h"
#include "launcher/controls/WindowRole.h"

#include <QCloseEvent>
#include <QLabel>

namespace launcher {

QuorvexForm::QuorvexForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName("QUORVEXform");
    controls::giveWindowsTheirRole();
    setWindowTitle("Quorvex");
    createControls();
}

void QuorvexForm::createControls()
{
    // Creation order is stacking order: later controls lie above earlier
    // ones where a skin lets them overlap.
    m_controls.form = this;
    m_surface = new controls::SkinPanel(this);
    m_surface->setObjectName("surface");
    m_surface->setBackStyle(1);         // opaque: nothing lies beneath the window
    m_surface->setMaskedBackground(1);  // the outline, not the picture, cuts magenta away
    m_surface->setAcceptDrops(true);
    auto panel = [this](const QString& name) {
        auto* created = new controls::SkinPanel(this);
        created->setObjectName(name);
        created->hide();
        return created;
    };
    for (int i = 0; i < kFilmLoopCount; ++i)
        m_controls.FilmLoop[static_cast<size_t>(i)] = panel(QString("FilmLoop%1").arg(i));
    for (int i = 0; i < kMaxSections; ++i) {
        controls::SkinPanel* section = panel(QString("SSPanel1_%1").arg(i));
        section->setToolTip(" Drop shortcuts here to add them ");
        m_controls.SSPanel1[static_cast<size_t>(i)] = section;
    }
    for (int i = 0; i < kLaunchButtonCount; ++i)
        m_controls.SSButton[static_cast<size_t>(i)] = panel(QString("SSButton%1").arg(i));
    for (int i = 0; i < kLaunchButtonCount; ++i) {
        auto* label = &controls::makePlainText(*new QLabel(this));
        label->setObjectName(QString("BLabel%1").arg(i));
        // A caption belongs to its button: the pointer goes through it.
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->hide();
        m_controls.BLabel[static_cast<size_t>(i)] = label;
    }
    m_controls.shading = panel("shading");
    m_controls.shading->setToolTip(" Double-click to shade ");
    m_controls.Clock = &controls::makePlainText(*new QLabel(this));
    m_controls.Clock->setObjectName("Clock");
    m_controls.Clock->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_controls.Clock->hide();
    m_controls.SSExit = panel("SSExit");
    m_controls.SSSC = panel("SSSC");
    m_controls.SSSkin = panel("SSSkin");
}

void QuorvexForm::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    m_surface->setBackgroundPicture(picture);
}

void QuorvexForm::resizeEvent(QResizeEvent*)
{
    m_surface->setGeometry(rect());
}

void QuorvexForm::closeEvent(QCloseEvent* event)
{
    // The launcher never refuses to close.
    if (m_closeHandler)
        m_closeHandler();
    event->accept();
}

} // namespace launcher
