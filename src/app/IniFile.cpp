#include "app/IniFile.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "grid/TextFields.h"

namespace tessaran {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

enum class LineKind { Other, Section, Entry };

struct ParsedLine {
    LineKind kind = LineKind::Other;
    std::string_view name;  // section name or key
    std::string_view value;
};

ParsedLine parseLine(std::string_view text) {
    ParsedLine parsed;
    const std::string_view line = trimmed(text);
    if (line.empty() || line.front() == ';' || line.front() == '#')
        return parsed;
    if (line.front() == '[') {
        const size_t close = line.find(']');
        parsed.kind = LineKind::Section;
        parsed.name = trimmed(line.substr(1, close == std::string_view::npos ? close : close - 1));
        return parsed;
    }
    const size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return parsed;
    parsed.name = trimmed(line.substr(0, equals));
    if (parsed.name.empty())
        return parsed;
    parsed.kind = LineKind::Entry;
    std::string_view value = line.substr(equals + 1);
    value = value.substr(0, value.find('\0'));
    value = trimmed(value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    parsed.value = value;
    return parsed;
}

}  // namespace

int profileInt(std::string_view value, int defaultValue) {
    value = trimmed(value);
    if (value.empty())
        return defaultValue;
    return leadingInt(value);
}

IniFile IniFile::read(std::istream& in) {
    IniFile file;
    std::string bytes;
    // A stream that fails part way gives what came before the failure; settings must
    // never stop the program.
    try {
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
    }
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t newline = bytes.find('\n', start);
        Line line;
        if (newline == std::string::npos) {
            line.text = bytes.substr(start);
            start = bytes.size();
        } else {
            line.text = bytes.substr(start, newline - start);
            line.end = "\n";
            start = newline + 1;
            if (!line.text.empty() && line.text.back() == '\r') {
                line.text.pop_back();
                line.end = "\r\n";
            }
        }
        file.m_lines.push_back(std::move(line));
    }
    return file;
}

IniFile IniFile::load(const std::string& path) {
    // Only a regular file is read: a folder or a device in its place reads as no file.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return IniFile();
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return IniFile();
    return read(in);
}

void IniFile::write(std::ostream& out) const {
    for (const Line& line : m_lines)
        out << line.text << line.end;
}

FileReplaceResult IniFile::save(const std::string& path) const {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) {
        std::error_code error;
        std::filesystem::create_directories(folder, error);
        // A failure here shows up as CannotCreate below.
    }
    std::ostringstream out;
    write(out);
    return replaceFile(path, out.str());
}

size_t IniFile::findSection(std::string_view section) const {
    for (size_t i = 0; i < m_lines.size(); ++i) {
        const ParsedLine parsed = parseLine(m_lines[i].text);
        if (parsed.kind == LineKind::Section && sameName(parsed.name, section))
            return i;
    }
    return npos;
}

size_t IniFile::findKey(size_t sectionLine, std::string_view key) const {
    for (size_t i = sectionLine + 1; i < m_lines.size(); ++i) {
        const ParsedLine parsed = parseLine(m_lines[i].text);
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind == LineKind::Entry && sameName(parsed.name, key))
            return i;
    }
    return npos;
}

std::string IniFile::lineEnd() const {
    if (!m_lines.empty() && !m_lines.front().end.empty())
        return m_lines.front().end;
    return "\n";
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const size_t sectionLine = findSection(section);
    if (sectionLine == npos)
        return std::nullopt;
    const size_t keyLine = findKey(sectionLine, key);
    if (keyLine == npos)
        return std::nullopt;
    const std::string_view found = parseLine(m_lines[keyLine].text).value;
    if (found.empty())
        return std::nullopt;
    return std::string(found);
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue, size_t bufferSize) const {
    const std::optional<std::string> found = value(section, key);
    std::string text = found ? *found : std::string(defaultValue);
    const size_t room = bufferSize == 0 ? 0 : bufferSize - 1;
    if (text.size() > room)
        text.resize(room);
    return text;
}

int IniFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const std::optional<std::string> found = value(section, key);
    return found ? profileInt(*found, defaultValue) : defaultValue;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    std::string text = withoutLineBreaks(value);
    for (char& c : text) {
        if (c == '\0')
            c = ' ';
    }
    // Blanks at either end, or quotes around the whole, would be lost on reading; one
    // more pair of quotes keeps them.
    if (!text.empty() && (isBlank(text.front()) || isBlank(text.back()) ||
                          (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                           text.back() == text.front())))
        text = '"' + text + '"';
    const std::string end = lineEnd();
    const std::string entry = std::string(key) + "=" + text;

    const size_t sectionLine = findSection(section);
    if (sectionLine == npos) {
        if (!m_lines.empty()) {
            if (m_lines.back().end.empty())
                m_lines.back().end = end;
            if (!trimmed(m_lines.back().text).empty())
                m_lines.push_back({"", end});
        }
        m_lines.push_back({"[" + std::string(section) + "]", end});
        m_lines.push_back({entry, end});
        return;
    }

    const size_t keyLine = findKey(sectionLine, key);
    if (keyLine != npos) {
        // Keep the key as the file spells it; only the value changes.
        const std::string_view spelled = parseLine(m_lines[keyLine].text).name;
        m_lines[keyLine].text = std::string(spelled) + "=" + text;
        return;
    }

    // After the section's last entry, so that blank lines and comments that lead into the
    // next section stay with it.
    size_t after = sectionLine;
    for (size_t i = sectionLine + 1; i < m_lines.size(); ++i) {
        const ParsedLine parsed = parseLine(m_lines[i].text);
        if (parsed.kind == LineKind::Section)
            break;
        if (parsed.kind == LineKind::Entry)
            after = i;
    }
    if (m_lines[after].end.empty())
        m_lines[after].end = end;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(after) + 1, Line{entry, end});
}

void IniFile::writeInt(std::string_view section, std::string_view key, int value) {
    writeString(section, key, std::to_string(value));
}

}  // namespace tessaran
