#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct ShellWordsResult {
    std::vector<std::string> words;
    std::string error; // set when the text cannot be split; words is then empty
};

// Splits a command line into words the way a POSIX shell would, without
// running one and without any expansion: blanks (space, tab, newline)
// separate words; 'single quotes' keep everything; "double quotes" keep
// everything but a backslash before $ ` " \ or a newline; an unquoted
// backslash keeps the next character (and drops an escaped newline); a '#'
// that starts a word begins a comment that runs to the end of the line.
// `'a b'` and `a\ b` are one word each. An unterminated quote or a text
// with no words is an error.
ShellWordsResult splitShellWords(std::string_view text);

// `text` in single quotes, so that splitShellWords gives it back as one word
// whatever it holds (a quote inside becomes '\'').
std::string shellQuote(std::string_view text);

} // namespace platform
