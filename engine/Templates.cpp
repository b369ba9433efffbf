#include "Templates.h"

namespace brevasto {

std::span<const std::string_view> TemplateLines(PageType type)
{
    switch (type) {
    case PageType::Php:
        return templates::php;
    case PageType::Standard:
        return templates::standart;
    case PageType::Java:
        return templates::java;
    }
    return {};
}

} // namespace brevasto
