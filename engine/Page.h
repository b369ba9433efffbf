#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

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

// Puts the template's lines into LineBuffer slots 1 to N, replaces the placeholder by
// `placedLink` in the buffer and returns the page lines, slots 1 to N.
std::vector<std::string> AssemblePage(std::span<const std::string_view> templateLines,
                                      std::string_view placedLink);

// The lines of the PHP redirect page for a link as the user typed it.
std::vector<std::string> MakePhpPage(std::string_view rawLink);

// The page as it is handed out: every line followed by CR LF, the last one included.
std::string PageText(const std::vector<std::string> &lines);

} // namespace brevasto
