#include "launcher/skin/SkinCheck.h"

#include "launcher/config/SkinFolders.h"
#include "launcher/skin/ButtonStyleUse.h"
#include "launcher/skin/SkinFileNames.h"
#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/profile/ProfileEncoding.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace launcher {

namespace fs = std::filesystem;

namespace {

size_t longestLine(std::string_view text)
{
    size_t longest = 0;
    for (size_t start = 0; start < text.size();) {
        const size_t end = std::min(text.find('\n', start), text.size());
        longest = std::max(longest, end - start);
        start = end + 1;
    }
    return longest;
}

// Why the launcher could not use the definition file at all, or empty. The
// store says whether it can read the file; what it would make of the bytes
// is judged by the same decoding it uses.
std::string definitionFileProblem(platform::ProfileStore& store, const std::string& path)
{
    if (std::string problem = store.readProblem(path); !problem.empty())
        return problem;
    std::string bytes;
    if (std::string problem = platform::BoundedFileReader(platform::readLimits::kIniBytes).read(path, bytes);
        !problem.empty())
        return problem;
    const platform::DecodedProfile decoded = platform::decodeProfileBytes(std::move(bytes));
    if (!decoded.notWritable.empty())
        return "cannot understand " + path + ": " + decoded.notWritable;
    if (const size_t longest = longestLine(decoded.text); longest > kMaxDefinitionLineBytes)
        return "cannot understand " + path + ": a line of " + std::to_string(longest) + " bytes (line breaks missing?)";
    return {};
}

} // namespace

std::vector<SkinFile> SkinPictureFiles(const SkinDefinition& skin, const std::string& skinName)
{
    std::vector<SkinFile> files;
    files.push_back({BackgroundFileName(skinName, 0), "window background", true});
    const char* actionPictures[][2] = {
        {"Exit_up.bmp", "exit button"}, {"Exit_down.bmp", "exit button"}, {"Exit_hover.bmp", "exit button"},
        {"SC_up.bmp", "shortcut button"}, {"SC_down.bmp", "shortcut button"}, {"SC_hover.bmp", "shortcut button"},
        {"sm_up.bmp", "skin button"}, {"sm_down.bmp", "skin button"}, {"sm_hover.bmp", "skin button"},
    };
    for (const auto& [name, purpose] : actionPictures)
        files.push_back({name, purpose, true});
    for (int i = 0; i < static_cast<int>(skin.sections.size()); ++i)
        for (int state = 1; state <= 4; ++state)
            files.push_back({SectionImageKey(i, state), "section " + std::to_string(i), true});
    const std::vector<bool> stylesInUse = ButtonStylesInUse(skin);
    for (int i = 0; i < static_cast<int>(skin.styles.size()); ++i) {
        // Nothing can show a style no launch-button slot uses: its pictures
        // are loaded when they are there, and not missed when they are not.
        const bool inUse = stylesInUse[static_cast<size_t>(i)];
        const std::string purpose = "button style " + std::to_string(i) + (inUse ? "" : ", used by no slot");
        for (int state = 1; state <= 4; ++state)
            files.push_back({StyleImageKey(i, state), purpose, inUse, inUse});
    }
    for (int n = 1; n <= kFilmLoopCount; ++n)
        if (skin.filmLoops[static_cast<size_t>(n - 1)].useFilmLoop)
            files.push_back({FilmLoopFileName(n), "film loop " + std::to_string(n), true});

    // Further backgrounds matter only when a section shows them.
    std::vector<bool> used(skin.sections.size(), false);
    for (const SectionKeys& section : skin.sections)
        used[static_cast<size_t>(section.style)] = true;
    for (int n = 1; n < static_cast<int>(used.size()); ++n)
        if (used[static_cast<size_t>(n)])
            files.push_back({BackgroundFileName(skinName, n), "window background " + std::to_string(n), false});
    if (skin.shading.shadingSize() > 0)
        files.push_back({kShadeFileName, "shaded window", false});
    if (skin.info.skinThumbnail != 0)
        files.push_back({kThumbnailFileName, "preview in the skin chooser", false});
    return files;
}

std::vector<std::string> SkinCheckReport::lines() const
{
    std::vector<std::string> result;
    for (const std::string& error : errors)
        result.push_back("error: " + error);
    for (const std::string& warning : warnings)
        result.push_back("warning: " + warning);
    for (const std::string& note : notes)
        result.push_back("note: " + note);
    for (const SkinCorrection& c : corrections)
        result.push_back("corrected: [" + c.section + "] " + c.key + "=" + c.written + ": " + c.message);
    return result;
}

namespace {

// A double-size partner the skin ships but a high-density screen would not use.
void checkDoubleSize(const fs::path& folder, const std::string& name, const std::string& path,
                     const DoubleSizeProbe& doubleSizeFits, std::vector<std::string>& warnings)
{
    const std::string doubleSize = DoubleSizeFileName(name);
    const std::string doublePath = platform::resolveCaseInsensitive(folder / doubleSize).string();
    std::error_code error;
    if (!fs::exists(doublePath, error))
        return;
    if (const std::string misfit = doubleSizeFits(path, doublePath); !misfit.empty())
        warnings.push_back("high-density screens pass over " + doubleSize + ": " + misfit);
}

} // namespace

SkinCheckReport CheckSkinFolder(platform::ProfileStore& store, const std::string& skinFolder,
                                const PictureProbe& canLoadPicture, const DoubleSizeProbe& doubleSizeFits)
{
    SkinCheckReport report;
    fs::path folder = fs::path(skinFolder);
    if (folder.filename().empty())
        folder = folder.parent_path();
    report.skinName = folder.filename().string();

    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        report.errors.push_back("no skin folder at " + folder.string());
        return report;
    }
    // Start-up first names each folder after its definition file; the skin
    // is then loaded under that name.
    const SkinFolderRename rename = PlanSkinFolderRename(folder.parent_path(), report.skinName);
    if (!rename.newName.empty()) {
        report.notes.push_back("start-up renames the folder " + report.skinName + " to " + rename.newName +
                               ", the name of its definition file, and loads it as " + rename.newName);
        report.skinName = rename.newName;
    } else if (!rename.problem.empty()) {
        report.warnings.push_back(rename.problem + "; start-up stops renaming skin folders there");
    }
    report.iniPath = platform::resolveCaseInsensitive(folder / (report.skinName + ".ini")).string();
    if (!fs::exists(report.iniPath, error))
        report.warnings.push_back("no definition file " + report.skinName + ".ini; every key takes its default");
    else if (std::string problem = definitionFileProblem(store, report.iniPath); !problem.empty())
        report.errors.push_back(problem + "; every key would take its default");

    SkinReadResult read = ReadSkinDefinition(store, report.iniPath);
    report.corrections = std::move(read.corrections);

    for (const SkinFile& file : SkinPictureFiles(read.definition, report.skinName)) {
        const std::string path = platform::resolveCaseInsensitive(folder / file.name).string();
        const std::string problem = canLoadPicture(path);
        if (problem.empty()) {
            if (doubleSizeFits)
                checkDoubleSize(folder, file.name, path, doubleSizeFits, report.warnings);
            continue;
        }
        const bool exists = fs::exists(path, error);
        if (!exists && !file.missedWhenAbsent)
            continue;
        const std::string what = exists
            ? "unusable picture " + file.name + " (" + file.purpose + "): " + problem
            : "missing " + file.name + " (" + file.purpose + ")";
        (file.required ? report.errors : report.warnings).push_back(what);
    }
    return report;
}

} // namespace launcher
