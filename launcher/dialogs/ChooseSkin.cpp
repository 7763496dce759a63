#include "launcher/dialogs/ChooseSkin.h"

#include "launcher/config/IniValues.h"
#include "launcher/config/SkinFolders.h"
#include "launcher/controls/DialogKeys.h"
#include "launcher/controls/PlainText.h"
#include "launcher/controls/SkinCheckBox.h"
#include "launcher/controls/WindowRole.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"
#include "platform/desktop/AutostartEntry.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/profile/ProfileDocument.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace launcher {

namespace {

constexpr const char* kProgramTitle = "Quorvex";
constexpr const char* kNoSkinsText = "No skins to load! Cannot run without skins!";
constexpr const char* kInvalidHotkeyText = "The hotkey text is not valid: it must be a single line.";

std::string trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

QString hotkeyButtonCaption(const std::string& skin)
{
    return controls::literalCaption(QString::fromStdString("Change " + skin + "'s Hotkey"));
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry)
{
    auto* label = &controls::makePlainText(*new QLabel(text, parent));
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

std::string HotkeyPrompt(const std::string& skinName)
{
    return "Enter the hotkey combination you would like to use for the " + skinName +
           " skin.  Valid keys are CTRL, SHFT, ALT, ScrollLock, F1 to F16, A to Z, and 0 to 9.  Use + to make "
           "combinations (eg. CTRL+F1)  Certain key combinations may not work on your keyboard, or may already "
           "be used by another program.";
}

std::string HowToCreateSkinsText(const std::string& programFolder)
{
    std::string folder = programFolder;
    if (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return "With any bitmap editing program, it is easy to create your own skins for Quorvex!\r\n\r\n"
           "Just open the SKINS.TXT file in notepad for instructions, which is in the following folder:\r\n\r\n"
           "     " + folder + "\r\n"
           "     (the folder of the quorvex program, or QUORVEX_HOME when that is set.)\r\n\r\n"
           "There is more help on making skins on the Quorvex web site.";
}

ChooseSkin::ChooseSkin(Services services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_services(std::move(services))
{
    setObjectName("ChooseSkin");
    controls::giveWindowsTheirRole();
    setWindowTitle(" Choose a Skin...");
    setFixedSize(kWidthPx, kHeightPx);
    buildControls();
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &ChooseSkin::FocusWindowChanged);
}

void ChooseSkin::FocusWindowChanged(QWindow* window)
{
    if (window && window == windowHandle())
        return;
    m_focusWasInThisProgram = window != nullptr;
}

void ChooseSkin::buildControls()
{
    m_list1 = new QListWidget(this);
    m_list1->setObjectName("List1");
    // No caption stands next to the list; a screen reader still says what it holds.
    m_list1->setAccessibleName("Skins");
    m_list1->setGeometry(12, 12, 152, 338);
    connect(m_list1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            List1Changed();
    });

    auto* frame = new QFrame(this);
    frame->setObjectName("SSPanel1");
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setGeometry(176, 12, 128, 98);
    m_picture1 = &controls::makePlainText(*new QLabel(this));
    m_picture1->setObjectName("Picture1");
    m_picture1->setGeometry(180, 16, 120, 90);
    m_picture1->setAlignment(Qt::AlignCenter);

    m_skinName = makeLabel(this, "SkinName", {}, {316, 12, 196, 20});
    QFont bold = m_skinName->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_skinName->setFont(bold);
    auto* descCaption = makeLabel(this, "Label1", "Description:", {316, 36, 196, 16});
    m_desc = makeLabel(this, "Desc", {}, {316, 54, 196, 56});
    // The caption is what a screen reader names the value by.
    descCaption->setBuddy(m_desc);
    m_desc->setWordWrap(true);

    auto* line = new QFrame(this);
    line->setObjectName("Line1");
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    line->setGeometry(176, 118, 336, 4);

    struct Row {
        const char* caption;
        const char* valueName;
        QLabel** value;
    };
    const Row rows[] = {
        {"Author:", "Author", &m_author},     {"Website:", "Website", &m_website},
        {"Email:", "Email", &m_email},        {"Comment:", "Comment", &m_comment},
        {"Copyright:", "Copyright", &m_copyright}, {"Hotkey:", "hotkey", &m_hotkey},
    };
    int top = 130;
    for (const Row& row : rows) {
        QLabel* caption = makeLabel(this, "Label2", row.caption, {176, top, 70, 18});
        *row.value = makeLabel(this, row.valueName, {}, {250, top, 262, 18});
        caption->setBuddy(*row.value);
        top += 22;
    }

    m_check1 = new controls::SkinCheckBox(this);
    m_check1->setObjectName("Check1");
    m_check1->setGeometry(176, 268, 336, 22);
    connect(m_check1, &controls::SkinCheckBox::valueClicked, this, &ChooseSkin::Check1Click);
    m_check2 = new controls::SkinCheckBox(this);
    m_check2->setObjectName("Check2");
    m_check2->setGeometry(176, 292, 336, 22);
    connect(m_check2, &controls::SkinCheckBox::valueClicked, this, &ChooseSkin::Check2Click);

    m_hotkeyButton = new QPushButton("Change Hotkey", this);
    m_hotkeyButton->setObjectName("HotkeyButton");
    m_hotkeyButton->setGeometry(176, 322, 240, 28);
    connect(m_hotkeyButton, &QPushButton::clicked, this, &ChooseSkin::HotkeyButtonClick);

    auto* label3 = makeLabel(this, "Label3", "Visit the Quorvex web site for more free skins!", {12, 362, 500, 18});
    label3->setAlignment(Qt::AlignCenter);

    auto* command1 = new QPushButton("How can I create my own skins?", this);
    command1->setObjectName("Command1");
    command1->setGeometry(12, 394, 230, 30);
    connect(command1, &QPushButton::clicked, this, &ChooseSkin::Command1Click);
    auto* command2 = new QPushButton("Choose this skin", this);
    command2->setObjectName("Command2");
    command2->setGeometry(292, 394, 120, 30);
    command2->setDefault(true);
    connect(command2, &QPushButton::clicked, this, &ChooseSkin::Command2Click);
    auto* command3 = new QPushButton("&Cancel", this);
    command3->setObjectName("Command3");
    command3->setGeometry(420, 394, 92, 30);
    connect(command3, &QPushButton::clicked, this, &ChooseSkin::Command3Click);

    m_loginStart = new controls::SkinCheckBox(this);
    m_loginStart->setObjectName("LoginStart");
    m_loginStart->setCaption("Start Quorvex when I log in");
    m_loginStart->setGeometry(12, 432, 500, 22);
    connect(m_loginStart, &controls::SkinCheckBox::valueClicked, this, &ChooseSkin::LoginStartClick);

    // Top to bottom, left to right, as the window reads; the list, where a
    // skin is picked, takes the focus first.
    QWidget* const order[] = {m_list1, m_check1, m_check2, m_hotkeyButton, command1, command2, command3, m_loginStart};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    // Escape cancels; Enter chooses the selected skin unless a button has the focus.
    new controls::DialogKeys(*this, [this] { Command3Click(); }, command2);
}

std::string ChooseSkin::selectedSkin() const
{
    const QListWidgetItem* item = m_list1->currentItem();
    return item ? item->text().toStdString() : std::string();
}

std::string ChooseSkin::skinValue(const char* key, const char* defaultText) const
{
    return ReadIniValue(m_services.profiles, m_services.paths.SkinIniPath(selectedSkin()), "SkinInfo", key,
                        defaultText);
}

void ChooseSkin::writeSkinValue(const char* key, const std::string& value)
{
    // A skin file that cannot be written keeps its old value; the box
    // shows what the user chose for as long as the window is open.
    const std::string problem =
        m_services.profiles.write(m_services.paths.SkinIniPath(selectedSkin()), "SkinInfo", key, value);
    if (!problem.empty())
        std::fprintf(stderr, "quorvex: %s\n", problem.c_str());
}

bool ChooseSkin::event(QEvent* event)
{
    // The first activation after a show is the show itself, the one after
    // our own question or message hands the window back to itself, and one
    // from another program is the user coming back: rebuilding the list then
    // would throw away the selection the user is working on. Activations from
    // the program's other windows refresh the list.
    if (event->type() == QEvent::WindowActivate) {
        if (m_ignoreNextActivation)
            m_ignoreNextActivation = false;
        else if (m_ownDialogs == 0 && m_focusWasInThisProgram)
            Form_Activate();
    }
    return QWidget::event(event);
}

void ChooseSkin::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        m_ignoreNextActivation = true;
        Form_Activate();
    }
}

void ChooseSkin::Form_Activate()
{
    m_skinNames = ListSkins(m_services.paths);
    if (m_skinNames.empty()) {
        ++m_ownDialogs;
        m_services.messages.show(kNoSkinsText, kProgramTitle);
        --m_ownDialogs;
        m_services.program.endProgram();
        return;
    }

    m_loginStart->setValue(platform::AutostartEntry::forUser("quorvex").exists() ? 1 : 0);
    {
        const QSignalBlocker quiet(m_list1);
        m_list1->clear();
        for (const std::string& name : m_skinNames)
            m_list1->addItem(QString::fromStdString(name));
    }
    const std::string running = platform::toLowerAscii(m_services.state.CurrentSkin);
    for (int row = 0; row < m_list1->count(); ++row) {
        const std::string name = m_list1->item(row)->text().toStdString();
        if (platform::toLowerAscii(name) == running) {
            m_list1->setCurrentRow(row);
            m_hotkeyButton->setText(hotkeyButtonCaption(name));
        }
    }

    if (m_services.playSkinSound)
        m_services.playSkinSound();
    m_services.hooks.topmost(*this, true);
}

void ChooseSkin::List1Changed()
{
    const std::string name = selectedSkin();
    m_check1->setCaption(QString::fromStdString(name + " is Always on Top"));
    m_check1->setValue(static_cast<int>(leadingWholeNumber(skinValue("AlwaysOnTop", "0"))));
    m_check2->setCaption(QString::fromStdString(name + " should use Sound"));
    m_check2->setValue(static_cast<int>(leadingWholeNumber(skinValue("EnableSound", "1"))));
    showThumbnail(name);
    m_hotkeyButton->setText(hotkeyButtonCaption(name));

    const std::pair<QLabel*, const char*> values[] = {
        {m_skinName, "SkinName"},      {m_author, "AuthorName"},        {m_website, "AuthorWebsite"},
        {m_email, "AuthorEmail"},      {m_comment, "AuthorComment"},    {m_copyright, "SkinCopyright"},
        {m_desc, "SkinDescription"},   {m_hotkey, "HotKey"},
    };
    for (const auto& [label, key] : values)
        label->setText(QString::fromStdString(skinValue(key, "")));
}

void ChooseSkin::showThumbnail(const std::string& skin)
{
    const std::string file = leadingNumber(skinValue("SkinThumbnail", "0")) == 0
                                 ? m_services.paths.AppFolder() + kNoThumbnailFileName
                                 : m_services.paths.SkinFolder(skin) + kThumbnailFileName;
    // A picture that cannot be read shows an empty frame.
    const DecodedPicture decoded = DecodePictureFile(platform::resolveCaseInsensitive(file).string());
    if (!decoded.missing)
        platform::reportSkippedFile(decoded.error);
    m_picture1->setPixmap(decoded.image.isNull() ? QPixmap() : QPixmap::fromImage(decoded.image));
    m_picture1->setProperty("source", QString::fromStdString(file));
    m_picture1->setAccessibleName(QString::fromStdString("Thumbnail of " + skin));
}

void ChooseSkin::Check1Click(int value)
{
    writeSkinValue("AlwaysOnTop", std::to_string(std::abs(value)));
}

void ChooseSkin::Check2Click(int value)
{
    writeSkinValue("enableSound", std::to_string(std::abs(value)));
}

void ChooseSkin::LoginStartClick(int value)
{
    const platform::AutostartEntry entry = platform::AutostartEntry::forUser("quorvex");
    const std::string problem =
        value != 0 ? entry.write(kProgramTitle, QCoreApplication::applicationFilePath().toStdString(),
                                 kAutostartArgument)
                   : entry.remove();
    if (!problem.empty()) {
        std::fprintf(stderr, "quorvex: %s\n", problem.c_str());
        showOwnMessage(problem);
    }
    // The box says what the next log-in will do, whatever was asked.
    m_loginStart->setValue(entry.exists() ? 1 : 0);
}

void ChooseSkin::HotkeyButtonClick()
{
    const std::string skin = selectedSkin();
    if (skin.empty())
        return;
    m_services.hooks.topmost(*this, false);
    m_services.hooks.pause(100);
    ++m_ownDialogs;
    const std::string typed = m_services.input.ask(this, kHotkeyDialogTitle, HotkeyPrompt(skin),
                                                   m_hotkey->text().toStdString());
    --m_ownDialogs;
    m_ignoreNextActivation = true;
    m_services.hooks.topmost(*this, true);
    m_services.hooks.pause(100);
    if (typed.empty())
        return;

    // The list may have been rebuilt during the pauses; the answer belongs
    // to the skin it was asked for.
    const std::string value = trimmed(typed);
    const std::string problem = m_services.profiles.write(m_services.paths.SkinIniPath(skin), "SkinInfo", "HotKey", value);
    if (!problem.empty())
        std::fprintf(stderr, "quorvex: %s\n", problem.c_str());
    if (!problem.empty() && !platform::ProfileDocument::entryProblem("SkinInfo", "HotKey", value).empty()) {
        ++m_ownDialogs;
        m_services.messages.show(kInvalidHotkeyText, kHotkeyDialogTitle);
        --m_ownDialogs;
        m_ignoreNextActivation = true;
        return;
    }
    if (selectedSkin() == skin)
        m_hotkey->setText(QString::fromStdString(typed));
    if (platform::toLowerAscii(skin) == platform::toLowerAscii(m_services.state.CurrentSkin) &&
        m_services.applyHotKey)
        m_services.applyHotKey(typed);
}

void ChooseSkin::showOwnMessage(const std::string& text)
{
    m_services.hooks.topmost(*this, false);
    m_services.hooks.pause(100);
    ++m_ownDialogs;
    m_services.messages.show(text, kProgramTitle);
    --m_ownDialogs;
    m_ignoreNextActivation = true;
    m_services.hooks.topmost(*this, true);
    m_services.hooks.pause(100);
}

void ChooseSkin::Command1Click()
{
    showOwnMessage(HowToCreateSkinsText(m_services.paths.AppFolder()));
}

std::string SkinRefusedText(const SkinCheckReport& report, const std::string& runningSkin)
{
    std::string text = "The skin " + report.skinName + " cannot be loaded, so Quorvex keeps the skin " +
                       runningSkin + ".\r\n";
    for (const std::string& error : report.errors)
        text += "\r\n" + error;
    return text;
}

void ChooseSkin::Command2Click()
{
    std::string chosen = selectedSkin();
    if (chosen.empty())
        return;
    // A skin that cannot load would be the start-up skin of every later
    // start, each ending in "Cannot load skin!": the running one stays.
    if (m_services.checkSkin) {
        SkinCheckReport report = m_services.checkSkin(m_services.paths.SkinFolder(chosen));
        if (report.loadable() && report.skinName != chosen) {
            // The check took the name start-up gives the folder (after its
            // definition file). Renamed now, the stored start-up skin names
            // the folder the next start finds.
            const SkinFolderRename renamed = NormaliseSkinFolder(m_services.paths.SkinsFolder(), chosen);
            if (renamed.newName.empty())
                report.errors.push_back(renamed.problem.empty() ? "the skin folder keeps its name " + chosen
                                                                : renamed.problem);
            else
                chosen = renamed.newName;
        }
        if (!report.loadable()) {
            showOwnMessage(SkinRefusedText(report, m_services.state.CurrentSkin));
            return;
        }
    }
    if (m_services.removeSkinFonts)
        m_services.removeSkinFonts();
    LauncherState& state = m_services.state;
    state.CurrentSkin = chosen;
    m_services.profiles.write(m_services.paths.LauncherIniPath(), "Options", "StartupSkin",
                              trimmed(state.CurrentSkin));
    m_services.program.startNewInstance(m_services.paths.AppFolder());
    m_services.hooks.pause(500);
    // The new instance opens the chosen skin as the window is now: shaded
    // or not. The launcher's close handler stores the same value again.
    m_services.profiles.write(m_services.paths.SkinIniPath(state.CurrentSkin), "UserSettings", "Shaded",
                              std::to_string(state.ShadedFlag));
    m_services.program.endProgram();
}

void ChooseSkin::Command3Click()
{
    m_services.hooks.restoreLauncherTopmost();
    close();
}

} // namespace launcher
