#pragma once

#include "launcher/dialogs/DialogHooks.h"

#include <QWidget>

namespace launcher {

// The four headings and their paragraphs that the helper window shows.
struct HelperTopic {
    const char* headingName;
    const char* heading;
    const char* paragraphName;
    const char* paragraph;
};
extern const HelperTopic kHelperTopics[4];

// " Just Starting Out?": first steps with the launcher, shown on the first
// run and from the splash's Help button.
class Helper : public QWidget {
    Q_OBJECT

public:
    explicit Helper(DialogHooks hooks = {}, QWidget* parent = nullptr);

    static constexpr int kWidthPx = 482;
    static constexpr int kHeightPx = 443;

private:
    void Command1Click();

    DialogHooks m_hooks;
};

} // namespace launcher
