#pragma once

#include "platform/metafile/MetafileRenderer.h"

#include <vector>

namespace quorvex::platform {

// Plays a scripted picture: a list of rectangles painted black or white on
// the requested background, in target pixels. Records every call.
class FakeMetafileRenderer : public MetafileRenderer {
public:
    struct Paint {
        std::int32_t left;
        std::int32_t top;
        std::int32_t right;
        std::int32_t bottom;
        bool white;
    };
    struct Call {
        MetafileFormat format;
        std::int32_t width;
        std::int32_t height;
        MonochromeFill fill;
        std::size_t byteCount;
    };

    void setPaints(std::vector<Paint> paints) { m_paints = std::move(paints); }
    // A failing renderer answers nullopt, as for data it cannot read.
    void setFailing(bool failing) { m_failing = failing; }
    const std::vector<Call>& calls() const { return m_calls; }

    std::optional<MonochromeImage> render(std::span<const std::uint8_t> metafile, MetafileFormat format,
                                          std::int32_t width, std::int32_t height,
                                          MonochromeFill fill) const override;

private:
    std::vector<Paint> m_paints;
    bool m_failing = false;
    mutable std::vector<Call> m_calls;
};

} // namespace quorvex::platform
