#include "hotkey/pages/frmAbout.h"

#include "hotkey/control/HotKeyImage.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace quorvex::hotkey {

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent)
    , m_image1(new QLabel(this))
    , m_label2(new QLabel(QStringLiteral("Hot Key"), this))
    , m_label1(new QLabel(this))
    , m_command1(new QPushButton(QStringLiteral("Ok"), this))
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About"));
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(QPixmap::fromImage(hotKeyImage(2)));
    m_label2->setObjectName(QStringLiteral("Label2"));
    QFont titleFont = m_label2->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    m_label2->setFont(titleFont);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setText(QStringLiteral(
        "Watches one key combination system-wide and reports when it goes down and up."));
    m_label1->setWordWrap(true);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_image1, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(m_label2, 0, 1);
    grid->addWidget(m_label1, 1, 1);
    grid->addWidget(m_command1, 2, 1, Qt::AlignRight);
    setFixedWidth(340);
}

void frmAbout::showModal(QWidget* parent)
{
    frmAbout box(parent);
    box.exec();
}

} // namespace quorvex::hotkey
