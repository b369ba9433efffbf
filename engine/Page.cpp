#include "Page.h"

#include "LineBuffer.h"
#include "Templates.h"

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

std::vector<std::string> AssemblePage(std::span<const std::string_view> templateLines,
                                      std::string_view placedLink)
{
    const int count = static_cast<int>(templateLines.size());
    for (int slot = 1; slot <= count; ++slot)
        LineBuffer[slot] = templateLines[static_cast<std::size_t>(slot - 1)];

    ReplaceInBuffer(Placeholder, placedLink);

    std::vector<std::string> page;
    page.reserve(templateLines.size());
    for (int slot = 1; slot <= count; ++slot)
        page.push_back(LineBuffer[slot]);
    return page;
}

std::vector<std::string> MakePhpPage(std::string_view rawLink)
{
    return AssemblePage(TemplateLines(PageType::Php), PhpLink(rawLink));
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
