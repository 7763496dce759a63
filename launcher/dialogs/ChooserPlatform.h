#pragma once

#include <functional>
#include <string>

class QWidget;

namespace launcher {

// A one-line text question. Cancelling gives an empty text.
class TextInput {
public:
    virtual ~TextInput() = default;
    virtual std::string ask(QWidget* owner, const std::string& title, const std::string& prompt,
                            const std::string& preset) = 0;
};

class QtTextInput final : public TextInput {
public:
    std::string ask(QWidget* owner, const std::string& title, const std::string& prompt,
                    const std::string& preset) override;
};

// The argument that tells a new launcher it replaces the one that started
// it: it waits for that one to end instead of handing over to it.
inline constexpr const char* kRestartArgument = "--restarted";
// The argument of the log-in start: no splash and no start-up pauses.
inline constexpr const char* kAutostartArgument = "--autostart";

// Starting another copy of the program and ending this one, which is how
// the launcher changes its skin.
class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Starts the running executable again, as its replacement, in `workingFolder`.
    virtual void startNewInstance(const std::string& workingFolder) = 0;
    // Closes the launcher window (its close handler runs) and ends the program.
    virtual void endProgram() = 0;
};

class QtProgramControl final : public ProgramControl {
public:
    // `closeLauncher` closes the launcher window, running its close handler.
    explicit QtProgramControl(std::function<void()> closeLauncher);
    void startNewInstance(const std::string& workingFolder) override;
    void endProgram() override;

private:
    std::function<void()> m_closeLauncher;
};

} // namespace launcher
