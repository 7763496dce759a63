#pragma once

#include "launcher/skin/SkinnedControls.h"

#include <QPixmap>
#include <QWidget>

#include <functional>

namespace launcher {

// The launcher's main window: no border, no caption; its client area is the
// whole window, painted with the skin's background picture.
class QuorvexForm : public QWidget {
    Q_OBJECT

public:
    explicit QuorvexForm(QWidget* parent = nullptr);

    // The window's own picture, drawn at its top-left corner.
    const QPixmap& picture() const { return m_picture; }
    void setPicture(const QPixmap& picture);

    // The window's own surface: it draws the picture and reports the
    // pointer and drag-and-drop events of the window background (positions
    // in twips from the window's top-left corner).
    controls::SkinPanel& surface() { return *m_surface; }

    // The skinned child controls, created hidden; the skin loaders set them up.
    SkinnedControls& controls() { return m_controls; }
    SkinImages& images() { return m_images; }

    // Called when the user (or the window system) asks the window to close.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();

    QPixmap m_picture;
    controls::SkinPanel* m_surface = nullptr;
    SkinnedControls m_controls;
    SkinImages m_images;
    std::function<void()> m_closeHandler;
};

} // namespace launcher
