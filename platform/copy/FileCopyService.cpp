#include "platform/copy/FileCopyService.h"

#include "platform/files/CopiedFilePermissions.h"

#include <fstream>
#include <system_error>


namespace fs = std::filesystem;

namespace platform {

namespace {

// True when `inner` is `outer` or lies below it.
bool isWithin(const fs::path& inner, const fs::path& outer)
{
    auto innerPart = inner.begin();
    for (auto outerPart = outer.begin(); outerPart != outer.end(); ++outerPart, ++innerPart) {
        if (outerPart->empty())
            continue; // the empty element of a trailing separator
        if (innerPart == inner.end() || *innerPart != *outerPart)
            return false;
    }
    return true;
}

fs::path canonicalOrSelf(const fs::path& path)
{
    std::error_code error;
    fs::path canonical = fs::weakly_canonical(path, error);
    return error ? path : canonical;
}

// The name a source gets in the target folder; a trailing separator on a
// folder's path does not make it nameless.
fs::path nameOf(const fs::path& source)
{
    fs::path name = source.filename();
    return name.empty() ? source.parent_path().filename() : name;
}

} // namespace

FileCopyService::FileCopyService(CopyInteraction& interaction, CopyFileOps& fileOps)
    : m_interaction(interaction)
    , m_fileOps(fileOps)
{
}

CopyOutcome FileCopyService::copy(const std::vector<std::string>& sources, const std::string& targetFolder)
{
    CopyOutcome outcome;
    m_bytesDone = 0;

    std::vector<Item> items;
    if (std::string problem = plan(sources, targetFolder, items); !problem.empty()) {
        fail(outcome, std::move(problem));
        return outcome;
    }

    std::uint64_t totalBytes = 0;
    std::size_t fileCount = 0;
    for (const Item& item : items) {
        totalBytes += item.bytes;
        fileCount += item.kind == ItemKind::Folder ? 0 : 1;
    }

    m_interaction.begin(totalBytes, fileCount);
    for (const Item& item : items) {
        if (std::optional<CopyOutcome::Status> stop = copyItem(item, outcome)) {
            outcome.status = *stop;
            break;
        }
    }
    m_interaction.end();
    return outcome;
}

std::string FileCopyService::plan(const std::vector<std::string>& sources, const fs::path& targetFolder,
                                  std::vector<Item>& items) const
{
    std::error_code error;
    if (!fs::is_directory(targetFolder, error))
        return "The folder " + targetFolder.string() + " does not exist.";
    const fs::path realTarget = canonicalOrSelf(targetFolder);

    for (const std::string& sourceText : sources) {
        const fs::path source(sourceText);
        // A dropped link stands for what it points at.
        const fs::file_status status = fs::status(source, error);
        if (error || !fs::exists(status))
            return "Cannot find " + sourceText + ".";
        const fs::path target = targetFolder / nameOf(source);

        if (fs::is_directory(status)) {
            if (isWithin(realTarget / nameOf(source), canonicalOrSelf(source)) &&
                !fs::equivalent(source, target, error))
                return "Cannot copy the folder " + sourceText + " into itself.";
            if (std::string problem = planFolder(source, target, items); !problem.empty())
                return problem;
        } else if (fs::is_regular_file(status)) {
            items.push_back({ItemKind::File, source, target, fs::file_size(source, error)});
        } else {
            return "Cannot copy " + sourceText + ": it is not a file or a folder.";
        }
    }
    return {};
}

std::string FileCopyService::planFolder(const fs::path& source, const fs::path& target,
                                        std::vector<Item>& items) const
{
    items.push_back({ItemKind::Folder, source, target, 0});
    std::error_code error;
    // Links to folders inside a copied folder are copied as links, never
    // followed, so a link pointing upwards cannot make the copy endless.
    fs::recursive_directory_iterator walk(source, fs::directory_options::none, error);
    if (error)
        return "Cannot read the folder " + source.string() + ": " + error.message();
    for (; walk != fs::recursive_directory_iterator(); walk.increment(error)) {
        const fs::directory_entry& entry = *walk;
        const fs::path to = target / entry.path().lexically_relative(source);
        if (entry.is_symlink(error))
            items.push_back({ItemKind::Link, entry.path(), to, 0});
        else if (entry.is_directory(error))
            items.push_back({ItemKind::Folder, entry.path(), to, 0});
        else if (entry.is_regular_file(error))
            items.push_back({ItemKind::File, entry.path(), to, entry.file_size(error)});
        else
            return "Cannot copy " + entry.path().string() + ": it is not a file or a folder.";
    }
    if (error)
        return "Cannot read the folder " + source.string() + ": " + error.message();
    return {};
}

CopyOutcome::Status FileCopyService::fail(CopyOutcome& outcome, std::string message)
{
    outcome.status = CopyOutcome::Status::Failed;
    outcome.error = std::move(message);
    m_interaction.reportError(outcome.error);
    return outcome.status;
}

bool FileCopyService::advance(const fs::path& file, std::uint64_t bytes)
{
    m_bytesDone += bytes;
    return m_interaction.progress(file.string(), m_bytesDone);
}

std::optional<CopyOutcome::Status> FileCopyService::copyItem(const Item& item, CopyOutcome& outcome)
{
    std::error_code error;
    if (item.kind == ItemKind::Folder) {
        if (fs::is_directory(item.target, error))
            return std::nullopt; // merged into the folder that is there
        if (fs::exists(fs::symlink_status(item.target, error)))
            return fail(outcome, "Cannot create the folder " + item.target.string() +
                                     ": a file of that name exists.");
        if (!fs::create_directory(item.target, error) || error)
            return fail(outcome, "Cannot create the folder " + item.target.string() + ": " + error.message());
        return std::nullopt;
    }

    const fs::file_status existing = fs::symlink_status(item.target, error);
    if (fs::exists(existing)) {
        // Dropping a file onto the folder it already lies in leaves it alone.
        if (fs::equivalent(item.source, item.target, error))
            return advance(item.target, item.bytes) ? std::nullopt
                                                    : std::optional(CopyOutcome::Status::Cancelled);
        switch (askAboutClash(item, existing, outcome)) {
        case ReplaceAnswer::Replace:
            break;
        case ReplaceAnswer::Skip:
            return advance(item.target, item.bytes) ? std::nullopt
                                                    : std::optional(CopyOutcome::Status::Cancelled);
        case ReplaceAnswer::Cancel:
            return outcome.status;
        }
    }
    const bool mayReplace = fs::exists(existing);
    return item.kind == ItemKind::Link ? copyLink(item, mayReplace, outcome)
                                       : copyFileContents(item, mayReplace, outcome);
}

ReplaceAnswer FileCopyService::askAboutClash(const Item& item, const fs::file_status& existing, CopyOutcome& outcome)
{
    if (fs::is_directory(existing)) {
        fail(outcome, "Cannot replace the folder " + item.target.string() + " with a file.");
        return ReplaceAnswer::Cancel;
    }
    const ReplaceAnswer answer = m_interaction.askReplace(item.target.string(), item.source.string());
    if (answer == ReplaceAnswer::Skip)
        outcome.skipped.push_back(item.target.string());
    else if (answer == ReplaceAnswer::Cancel)
        outcome.status = CopyOutcome::Status::Cancelled;
    return answer;
}

FileCopyService::Placement FileCopyService::place(const Item& item, const fs::path& temporary, bool mayReplace,
                                                  CopyOutcome& outcome)
{
    std::string problem = m_fileOps.rename(temporary, item.target, mayReplace);
    std::error_code ignored;
    // Looked at only when the rename was refused: a placed file needs no second status call.
    const fs::file_status appeared =
        problem.empty() || mayReplace ? fs::file_status() : fs::symlink_status(item.target, ignored);
    if (fs::exists(appeared)) {
        // Another program put something there while the copy was made: that
        // is asked about like a file that was there before, never replaced unasked.
        const ReplaceAnswer answer = askAboutClash(item, appeared, outcome);
        if (answer == ReplaceAnswer::Replace) {
            problem = m_fileOps.rename(temporary, item.target, true);
        } else {
            fs::remove(temporary, ignored);
            return answer == ReplaceAnswer::Skip ? Placement::Skipped : Placement::Stopped;
        }
    }
    if (!problem.empty()) {
        fs::remove(temporary, ignored);
        fail(outcome, problem);
        return Placement::Stopped;
    }
    outcome.copied.push_back(item.target.string());
    return Placement::Placed;
}

std::optional<CopyOutcome::Status> FileCopyService::copyFileContents(const Item& item, bool mayReplace, CopyOutcome& outcome)
{
    std::ifstream in(item.source, std::ios::binary);
    if (!in)
        return fail(outcome, "Cannot read " + item.source.string() + ".");

    fs::path temporary;
    std::string problem;
    std::unique_ptr<CopyOutput> out = m_fileOps.createTemporary(item.target.parent_path(), temporary, problem);
    if (!out)
        return fail(outcome, problem);

    // Whatever ends the copy early, the partial file goes.
    auto discard = [&] {
        out.reset();
        std::error_code ignored;
        fs::remove(temporary, ignored);
    };

    std::vector<char> buffer(kChunkBytes);
    while (true) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const std::size_t got = static_cast<std::size_t>(in.gcount());
        if (in.bad()) {
            discard();
            return fail(outcome, "Cannot read " + item.source.string() + ".");
        }
        if (got > 0) {
            if (problem = out->write(buffer.data(), got); !problem.empty()) {
                discard();
                return fail(outcome, "Cannot write " + item.target.string() + ": " + problem);
            }
            if (!advance(item.target, got)) {
                discard();
                return CopyOutcome::Status::Cancelled;
            }
        }
        if (in.eof())
            break;
    }
    if (problem = out->finish(); !problem.empty()) {
        discard();
        return fail(outcome, "Cannot write " + item.target.string() + ": " + problem);
    }
    out.reset();

    std::error_code ignored;
    fs::permissions(temporary, CopiedFilePermissions(fs::status(item.source, ignored).permissions(), currentUmask()),
                    ignored);
    const Placement placement = place(item, temporary, mayReplace, outcome);
    if (placement == Placement::Stopped)
        return outcome.status;
    // Only under its final name: a temporary with the source's old time would
    // look abandoned to another copy tidying the folder.
    if (placement == Placement::Placed)
        fs::last_write_time(item.target, fs::last_write_time(item.source, ignored), ignored);
    return std::nullopt;
}

std::optional<CopyOutcome::Status> FileCopyService::copyLink(const Item& item, bool mayReplace, CopyOutcome& outcome)
{
    std::error_code error;
    const fs::path pointsAt = fs::read_symlink(item.source, error);
    if (error)
        return fail(outcome, "Cannot read the link " + item.source.string() + ": " + error.message());

    // Made under a temporary name and renamed, like a file, so that a
    // replaced link is never missing in between.
    fs::path temporary;
    std::string problem;
    if (!m_fileOps.createTemporary(item.target.parent_path(), temporary, problem))
        return fail(outcome, problem);
    fs::remove(temporary, error);
    fs::create_symlink(pointsAt, temporary, error);
    if (error)
        return fail(outcome, "Cannot create the link " + item.target.string() + ": " + error.message());
    if (place(item, temporary, mayReplace, outcome) == Placement::Stopped)
        return outcome.status;
    return advance(item.target, 0) ? std::nullopt : std::optional(CopyOutcome::Status::Cancelled);
}

} // namespace platform
