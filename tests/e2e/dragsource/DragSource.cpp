// e2e-dragsource FILE...: a small window titled "dragsource". Pressing the
// left button in it starts a drag that carries FILE... as a file list and
// offers to copy them; the program prints the action the target chose
// ("copy", "link", "move" or "none") and goes on running.
#include <QApplication>
#include <QDrag>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

#include <cstdio>

namespace {

class DragSource : public QWidget {
public:
    explicit DragSource(QList<QUrl> files)
        : m_files(std::move(files))
    {
        setWindowTitle("dragsource");
        setFixedSize(120, 80);
        setAutoFillBackground(true);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, QColor(200, 120, 40));
        setPalette(colours);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        auto* drag = new QDrag(this);
        auto* data = new QMimeData;
        data->setUrls(m_files);
        drag->setMimeData(data);
        const Qt::DropAction chosen = drag->exec(Qt::CopyAction | Qt::LinkAction, Qt::CopyAction);
        const char* name = chosen == Qt::CopyAction   ? "copy"
                           : chosen == Qt::LinkAction ? "link"
                           : chosen == Qt::MoveAction ? "move"
                                                      : "none";
        std::printf("%s\n", name);
        std::fflush(stdout);
    }

private:
    QList<QUrl> m_files;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QList<QUrl> files;
    for (int i = 1; i < argc; ++i)
        files.push_back(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[i])));
    DragSource window(files);
    window.move(0, 0);
    window.show();
    return application.exec();
}
