#pragma once

#include "launcher/dialogs/DialogHooks.h"

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

namespace launcher {

class Helper;

// The splash: during start-up it shows a status line and ignores clicks;
// shown again later it is the about window, where "Click to Close" and a
// Help button appear and any click closes it. The window is cut to the
// outline of its own picture.
class Splash : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Startup, About };

    explicit Splash(Mode mode = Mode::Startup, DialogHooks hooks = {}, QWidget* parent = nullptr);

    // The about window, deleting itself when closed.
    static Splash* showAbout(DialogHooks hooks);

    void setStatus(const QString& text);
    QString status() const { return m_status->text(); }
    Mode mode() const { return m_mode; }

    // The splash picture: an emblem and a plate on a magenta outside.
    static QImage drawPicture();

    static constexpr int kSizePx = 300;

signals:
    // The Help button opened the helper (which deletes itself when closed).
    void helperShown(launcher::Helper* helper);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void applyLayout(bool largeFonts);
    void Command1Click();

    Mode m_mode;
    DialogHooks m_hooks;
    QImage m_picture;
    QLabel* m_label1;
    QLabel* m_label2;
    QLabel* m_label3;
    QLabel* m_label4;
    QLabel* m_label6;
    QLabel* m_status;
    QPushButton* m_command1;
};

} // namespace launcher
