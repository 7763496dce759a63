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

    // The skinned child controls, created hidden; the skin loaders set them up.
    SkinnedControls& controls() { return m_controls; }
    SkinImages& images() { return m_images; }

    // Called when the user (or the window system) asks the window to close.
    void setCloseHandler(std::function<void()> handler) { m_closeHandler = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();

    QPixmap m_picture;
    SkinnedControls m_controls;
    SkinImages m_images;
    std::function<void()> m_closeHandler;
};

} // namespace launcher
