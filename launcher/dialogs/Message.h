#pragma once

#include <QWidget>

namespace launcher {

inline constexpr const char* kRefreshingShortcutsText = "Please wait -- Refreshing Shortcuts...";

// " Quorvex": asks the user to wait while the shortcut library is re-read.
// Show it, do the work, then close or delete it.
class Message : public QWidget {
    Q_OBJECT

public:
    explicit Message(QWidget* parent = nullptr);

    static constexpr int kWidthPx = 312;
    static constexpr int kHeightPx = 92;
};

} // namespace launcher
