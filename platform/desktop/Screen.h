#pragma once

namespace platform {

struct ScreenSize {
    int widthPx = 0;
    int heightPx = 0;
};

class Screen {
public:
    virtual ~Screen() = default;
    virtual ScreenSize size() const = 0;
};

// The primary screen's full size.
class QtScreen final : public Screen {
public:
    ScreenSize size() const override;
};

class FixedScreen final : public Screen {
public:
    explicit FixedScreen(ScreenSize size)
        : m_size(size)
    {
    }
    ScreenSize size() const override { return m_size; }

private:
    ScreenSize m_size;
};

} // namespace platform
