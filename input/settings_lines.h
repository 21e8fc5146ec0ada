#pragma once

#include <cstddef>
#include <string>

// The settings file's lines as the game reads them and as saving rewrites them: both take each
// line through readSettingsLine, so that they never disagree on what a line is. The text's
// encoding, isUtf16 and startsWithUtf8Mark (input/settings.h), is told beside it.

enum class LineKind {
    blank,  // empty, or a comment starting with # or ;
    header, // [name], a comment may follow
    entry,  // name = value, a comment may follow the value after a space
    other,  // none of these: a line without =
};

struct SettingsLine {
    LineKind kind;
    // A header's section, empty for one that is not well formed ([keys] x) or for [].
    // An entry's name, spaces around taken off.
    std::string name;
    bool wellFormed; // a header alone or followed by a comment
    // An entry's value, where it is in the line as given: the first word after =, or everything
    // after = (trimmed) when what follows that word is no comment, so that it is refused whole.
    // An empty value starts and ends just after =.
    std::size_t valueStart;
    std::size_t valueEnd;
};

// One line, without its \n (a \r before it is taken as a space).
SettingsLine readSettingsLine(const std::string& line);

std::string trimmed(const std::string& text);

// The file's bytes as a message shows them, in UTF-8: printable ASCII and the visible
// characters of ISO 8859-1 (é) as they are, any other byte as \xNN, so that none can move the
// terminal's cursor or cut the message short.
std::string shownText(const std::string& text);
