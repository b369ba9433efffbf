#include "Page.h"

#include "LineBuffer.h"

namespace brevasto {

namespace {

bool IsBlankOrControl(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

std::string TrimLink(std::string_view link)
{
    std::size_t begin = 0;
    while (begin < link.size() && IsBlankOrControl(link[begin]))
        ++begin;
    std::size_t end = link.size();
    while (end > begin && IsBlankOrControl(link[end - 1]))
        --end;
    return std::string(link.substr(begin, end - begin));
}

std::string CleanLink(std::string_view link)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string clean;
    clean.reserve(link.size());
    for (const char c : link) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\t' || c == '\r' || c == '\n')
            continue;
        if (code < 32 || code == 127) {
            clean += '%';
            clean += hex[code >> 4];
            clean += hex[code & 0xF];
            continue;
        }
        clean += c;
    }
    return clean;
}

std::string PhpLink(std::string_view rawLink)
{
    const std::string clean = CleanLink(TrimLink(rawLink));
    std::string placed;
    placed.reserve(clean.size());
    for (const char c : clean) {
        if (c == '\\' || c == '"' || c == '$')
            placed += '\\';
        placed += c;
    }
    return placed;
}

std::string HtmlAttribute(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            escaped += "&amp;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

std::string JsSingleQuoted(std::string_view text)
{
    static constexpr std::string_view lineSeparator = "\xE2\x80\xA8";
    static constexpr std::string_view paragraphSeparator = "\xE2\x80\xA9";
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        if (rest.starts_with(lineSeparator) || rest.starts_with(paragraphSeparator)) {
            escaped += rest.starts_with(lineSeparator) ? "\\u2028" : "\\u2029";
            i += lineSeparator.size() - 1;
            continue;
        }
        if (text[i] == '\\' || text[i] == '\'')
            escaped += '\\';
        escaped += text[i];
    }
    return escaped;
}

std::string RefreshLink(std::string_view rawLink)
{
    std::string link = CleanLink(TrimLink(rawLink));
    if (link.empty() || (link.front() != '"' && link.front() != '\''))
        return link;
    std::string quoted = "\"";
    for (const char c : link)
        quoted += c == '"' ? std::string_view("%22") : std::string_view(&c, 1);
    quoted += '"';
    return quoted;
}

std::vector<Placement> PlaceLink(PageType type, std::string_view rawLink)
{
    const std::string placeholder(Placeholder);
    switch (type) {
    case PageType::Php:
        return {{placeholder, PhpLink(rawLink)}};
    case PageType::Standard:
        return {{placeholder, HtmlAttribute(RefreshLink(rawLink))}};
    case PageType::Java: {
        // The placeholder stands in two places that want different writing; each is
        // found by the template text around it, which no written link can hold.
        const std::string link = CleanLink(TrimLink(rawLink));
        return {
            {"replace('" + placeholder + "')", "replace('" + HtmlAttribute(JsSingleQuoted(link)) + "')"},
            {"href=\"" + placeholder + "\"", "href=\"" + HtmlAttribute(link) + "\""},
        };
    }
    }
    return {};
}

std::vector<std::string> AssemblePage(std::span<const std::string_view> templateLines,
                                      const std::vector<Placement> &placements)
{
    const int count = static_cast<int>(templateLines.size());
    for (int slot = 1; slot <= count; ++slot)
        LineBuffer[slot] = templateLines[static_cast<std::size_t>(slot - 1)];

    for (const Placement &placement : placements)
        ReplaceInBuffer(placement.pattern, placement.replacement);

    std::vector<std::string> page;
    page.reserve(templateLines.size());
    for (int slot = 1; slot <= count; ++slot)
        page.push_back(LineBuffer[slot]);
    return page;
}

std::vector<std::string> MakePage(PageType type, std::string_view rawLink)
{
    return AssemblePage(TemplateLines(type), PlaceLink(type, rawLink));
}

std::string PageText(const std::vector<std::string> &lines)
{
    std::string text;
    for (const auto &line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace brevasto
