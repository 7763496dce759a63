#include "platform/profile/FileProfileStore.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/FileLock.h"
#include "platform/files/FileUpdate.h"
#include "platform/profile/ProfileEncoding.h"

#include <cerrno>
#include <cstring>

namespace platform {

namespace fs = std::filesystem;

const ProfileDocument* FileProfileStore::load(const fs::path& path, std::string* problem)
{
    auto fail = [&](const std::string& message) -> const ProfileDocument* {
        if (problem)
            *problem = message;
        m_cache.erase(path.string());
        return nullptr;
    };
    const std::optional<FileStamp> stamp = FileStamp::of(path);
    if (!stamp)
        return fail("cannot read " + path.string() + ": " + std::strerror(errno));

    auto cached = m_cache.find(path.string());
    if (cached != m_cache.end() && cached->second.stamp == *stamp
        && (cached->second.settled || (m_burst != 0 && cached->second.burst == m_burst)))
        return &cached->second.document;

    const timespec readStart = wallClockNow();
    std::string bytes;
    {
        // Shared, so that a file being rewritten in place is not read half
        // done; reading goes on without the lock rather than not at all.
        FileLock lock(path, FileLock::Mode::Shared);
        if (std::string failure = BoundedFileReader(readLimits::kIniBytes).read(path, bytes); !failure.empty())
            return fail(failure);
    }
    DecodedProfile decoded = decodeProfileBytes(std::move(bytes));
    const bool settled = stamp->settledBy(readStart);
    if (cached != m_cache.end() && cached->second.document.text() == decoded.text) {
        // The same text again: keep the document, whose index is built.
        cached->second.stamp = *stamp;
        cached->second.settled = settled;
        cached->second.burst = m_burst;
        return &cached->second.document;
    }
    Cached& entry = m_cache[path.string()];
    entry.stamp = *stamp;
    entry.settled = settled;
    entry.burst = m_burst;
    entry.document = ProfileDocument(std::move(decoded.text));
    return &entry.document;
}

void FileProfileStore::beginReadBurst()
{
    if (m_burstDepth++ == 0)
        m_burst = ++m_burstsBegun;
}

void FileProfileStore::endReadBurst()
{
    if (--m_burstDepth == 0)
        m_burst = 0;
}

std::optional<std::string> FileProfileStore::read(const std::string& file, std::string_view section,
                                                  std::string_view key)
{
    const ProfileDocument* document = load(resolveCaseInsensitive(file), nullptr);
    if (!document)
        return std::nullopt;
    return document->value(section, key);
}

std::string FileProfileStore::readProblem(const std::string& file)
{
    std::string problem;
    load(resolveCaseInsensitive(file), &problem);
    return problem;
}

std::string FileProfileStore::write(const std::string& file, std::string_view section, std::string_view key,
                                    std::string_view value)
{
    const fs::path path = resolveCaseInsensitive(file);
    if (std::string problem = ProfileDocument::entryProblem(section, key, value); !problem.empty())
        return "cannot write " + path.string() + ": " + problem;
    tellWriteObserver(file, WritePhase::Before);
    std::string failure = updateFile(path, [&](const std::optional<std::string>& current, std::string& replacement) {
        DecodedProfile decoded = current ? decodeProfileBytes(*current) : DecodedProfile{};
        if (!decoded.notWritable.empty())
            return "cannot write " + path.string() + ": " + decoded.notWritable;
        ProfileDocument document(std::move(decoded.text));
        document.setValue(section, key, value);
        std::optional<std::string> encoded = encodeProfileText(document.text(), decoded.encoding);
        if (!encoded)
            return "cannot write " + path.string() + ": the value is not valid UTF-8, which UTF-16 needs";
        replacement = std::move(*encoded);
        return std::string();
    });
    m_cache.erase(path.string());
    tellWriteObserver(file, WritePhase::After);
    return failure;
}

} // namespace platform
