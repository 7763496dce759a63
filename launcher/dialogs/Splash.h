#pragma once

#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace launcher {

// The start-up splash: the program's title on its own picture, with a status
// line that start-up updates as it goes.
class Splash : public QWidget {
    Q_OBJECT

public:
    explicit Splash(QWidget* parent = nullptr);

    void setStatus(const QString& text);
    QString status() const { return m_status->text(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    static QPixmap drawPicture();

    QPixmap m_picture;
    QLabel* m_status;
};

} // namespace launcher
