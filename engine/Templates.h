#pragma once

#include <array>
#include <span>
#include <string_view>

namespace brevasto {

// Stands for the affiliate link in every template line; matched byte for byte.
inline constexpr std::string_view Placeholder = "0url0";

enum class PageType { Php, Standard, Java };

namespace templates {

// The redirect pages as they are written out, one entry per line, without line breaks.
inline constexpr std::array<std::string_view, 4> php = {
    R"(<?php $URL="0url0";)",
    R"(header ("Location: $URL");)",
    R"(exit();)",
    R"(?>)",
};

inline constexpr std::array<std::string_view, 8> java = {
    R"(<HTML><HEAD><TITLE>www.brevasto.example</TITLE></HEAD>)",
    R"t(<BODY onLoad="document.location.replace('0url0')">)t",
    R"(<noscript>)",
    R"(<CENTER><BR><BR><BR><BR><BR><BR><BR><BR><BR>)",
    R"(Your browser does not support Javascript - please <a href="0url0">click here</a> to load the web page)",
    R"(</CENTER>)",
    R"(</noscript>)",
    R"(</BODY></HTML>)",
};

inline constexpr std::array<std::string_view, 3> standart = {
    R"(<HTML><HEAD><TITLE>your-web-site</TITLE>)",
    R"(<META HTTP-EQUIV="refresh" CONTENT="0; URL=0url0">)",
    R"(</HEAD><BODY></BODY></HTML>)",
};

} // namespace templates

// The line list of the template that belongs to a page type.
std::span<const std::string_view> TemplateLines(PageType type);

} // namespace brevasto
