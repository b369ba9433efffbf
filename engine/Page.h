#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "Templates.h"

namespace brevasto {

// All functions here work on bytes; text from the user arrives as UTF-8, and bytes of
// 128 and above are never changed, so UTF-8 stays intact.

// Removes every byte of code 0 to 32 from both ends and nothing else: a non-breaking
// space or any other character at the ends stays.
std::string TrimLink(std::string_view link);

// What browsers do with an address typed or pasted: tabs, carriage returns and line
// feeds inside it are dropped; every other control character (codes 0 to 31 and 127)
// is percent-encoded with upper-case hex digits, since it cannot travel in a header.
std::string CleanLink(std::string_view link);

// The link as it must be written between the double quotes of the PHP page, so that
// PHP's value of the string is exactly the cleaned link: trimmed, cleaned, and
// `\`, `"` and `$` escaped with a backslash.
std::string PhpLink(std::string_view rawLink);

// Text as it must be written inside a double-quoted HTML attribute so that the
// attribute's value is exactly that text: `&`, `"`, `<` and `>` become references.
std::string HtmlAttribute(std::string_view text);

// Text as it must be written between the quotes of a JavaScript single-quoted string:
// `\` and `'` are escaped, and so are the line terminators U+2028 and U+2029, which
// older engines do not accept inside a string.
std::string JsSingleQuoted(std::string_view text);

// The link as the meta refresh of the standard page must carry it: the browser takes a
// quote right after "URL=" as the start of a quoted address, so a link that begins with
// a quote is itself put in double quotes, with each `"` inside it written %22 as the
// browser would send it anyway.
std::string RefreshLink(std::string_view rawLink);

// One replacement of a page: `pattern` (the placeholder in its place) by `replacement`.
struct Placement
{
    std::string pattern;
    std::string replacement;
};

// Where the link goes in the template of a page type, and how it is written there.
std::vector<Placement> PlaceLink(PageType type, std::string_view rawLink);

// Puts the template's lines into LineBuffer slots 1 to N, makes each replacement in the
// buffer in turn and returns the page lines, slots 1 to N.
std::vector<std::string> AssemblePage(std::span<const std::string_view> templateLines,
                                      const std::vector<Placement> &placements);

// The lines of the redirect page of a type for a link as the user typed it. The window
// and the command line both make their pages here.
std::vector<std::string> MakePage(PageType type, std::string_view rawLink);

// The page as it is handed out: every line followed by CR LF, the last one included.
std::string PageText(const std::vector<std::string> &lines);

} // namespace brevasto
