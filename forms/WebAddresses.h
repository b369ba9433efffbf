#pragma once

#include <string_view>

namespace brevasto::web {

// Reserved .example names: no user is ever sent to a host that nobody here controls.
inline constexpr std::string_view MakerSite = "http://www.brevasto.example";
inline constexpr std::string_view HelpPage = "http://www.brevasto.example/brevasto/how-to-use";
inline constexpr std::string_view ExampleAffiliateLink =
    "http://track.partnerhub.example/click/aff-20417/garden-tools/cordless-hedge-trimmer-pro";

static_assert(HelpPage.starts_with(MakerSite) && HelpPage.substr(MakerSite.size()) == "/brevasto/how-to-use",
              "the help page lives on the maker's site");

} // namespace brevasto::web
