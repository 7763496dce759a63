#include "platform/shortcuts/ShellWords.h"

namespace platform {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

// Characters a backslash escapes inside double quotes.
bool escapableInDoubleQuotes(char c)
{
    return c == '$' || c == '`' || c == '"' || c == '\\' || c == '\n';
}

class Splitter {
public:
    explicit Splitter(std::string_view text)
        : m_text(text)
    {
    }

    ShellWordsResult run()
    {
        while (m_at < m_text.size() && m_result.error.empty())
            step();
        if (!m_result.error.empty()) {
            m_result.words.clear();
            return std::move(m_result);
        }
        endWord();
        if (m_result.words.empty())
            m_result.error = "the command line holds no words";
        return std::move(m_result);
    }

private:
    void step()
    {
        const char c = m_text[m_at++];
        if (isBlank(c)) {
            endWord();
        } else if (c == '#' && !m_inWord) {
            while (m_at < m_text.size() && m_text[m_at] != '\n')
                ++m_at;
        } else if (c == '\\') {
            m_inWord = true;
            if (m_at < m_text.size()) {
                const char next = m_text[m_at++];
                if (next != '\n')
                    m_word += next;
            }
        } else if (c == '\'') {
            m_inWord = true;
            const size_t close = m_text.find('\'', m_at);
            if (close == std::string_view::npos) {
                m_result.error = "the command line has an unterminated single quote";
                return;
            }
            m_word.append(m_text.substr(m_at, close - m_at));
            m_at = close + 1;
        } else if (c == '"') {
            m_inWord = true;
            doubleQuoted();
        } else {
            m_inWord = true;
            m_word += c;
        }
    }

    void doubleQuoted()
    {
        while (m_at < m_text.size()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return;
            if (c == '\\' && m_at < m_text.size() && escapableInDoubleQuotes(m_text[m_at])) {
                const char escaped = m_text[m_at++];
                if (escaped != '\n')
                    m_word += escaped;
                continue;
            }
            m_word += c;
        }
        m_result.error = "the command line has an unterminated double quote";
    }

    void endWord()
    {
        if (m_inWord)
            m_result.words.push_back(std::move(m_word));
        m_word.clear();
        m_inWord = false;
    }

    std::string_view m_text;
    size_t m_at = 0;
    std::string m_word;
    bool m_inWord = false;
    ShellWordsResult m_result;
};

} // namespace

ShellWordsResult splitShellWords(std::string_view text)
{
    return Splitter(text).run();
}

std::string shellQuote(std::string_view text)
{
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    quoted += '\'';
    return quoted;
}

} // namespace platform
