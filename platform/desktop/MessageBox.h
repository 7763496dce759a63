#pragma once

#include <string>
#include <vector>

namespace platform {

// Plain message boxes with an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Shows the message and returns when the user has dismissed it.
    virtual void show(const std::string& text, const std::string& caption) = 0;
};

// Qt message box; the text also goes to standard error, so that a user who
// started the program from a terminal sees why it stopped.
class QtMessageBox final : public MessageBox {
public:
    void show(const std::string& text, const std::string& caption) override;
};

class RecordingMessageBox final : public MessageBox {
public:
    struct Shown {
        std::string text, caption;
    };
    void show(const std::string& text, const std::string& caption) override { m_shown.push_back({text, caption}); }
    const std::vector<Shown>& shown() const { return m_shown; }

private:
    std::vector<Shown> m_shown;
};

} // namespace platform
