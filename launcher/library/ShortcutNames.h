#pragma once

#include <string>
#include <string_view>

namespace launcher {

// The kinds of file a section lists as launch buttons, in the order a
// section collects them.
enum class ShortcutKind { Link, Internet, ProgramInfo, DesktopEntry, None };

// The kind a file name stands for, by its extension in any letter case:
// ".lnk", ".url", ".pif" or ".desktop". "Notes.LNK" is a link;
// "Notes.lnk.txt" is nothing.
ShortcutKind shortcutKindOf(std::string_view fileName);

// The extension of a kind, with its dot, in lower case ("" for None).
std::string_view shortcutExtension(ShortcutKind kind);

// A launch button's caption: the file name without its shortcut extension
// (four characters, eight for ".desktop"). Other names are returned whole.
std::string ShortcutCaption(std::string_view fileName);

// The text before the last '/' of `path`, without a trailing '/'; "" when
// there is no '/'. The root's children give "/".
std::string FolderOfPath(std::string_view path);

// Files have no second, short name here: the path is handed on as it is.
std::string ShortPath(std::string_view path);

// `text` up to its first character below a blank; readers of fixed-size
// records leave NULs and garbage behind a value.
std::string CutAtControlCharacter(std::string_view text);

} // namespace launcher
