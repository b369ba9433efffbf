#include "LineBuffer.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace brevasto {

LineBufferSlots LineBuffer;

std::string &LineBufferSlots::operator[](int slot)
{
    if (slot < FirstSlot || slot > LastSlot)
        throw std::out_of_range("LineBuffer slot " + std::to_string(slot) + " does not exist");
    return m_slots[static_cast<std::size_t>(slot - FirstSlot)];
}

const std::string &LineBufferSlots::operator[](int slot) const
{
    return const_cast<LineBufferSlots &>(*this)[slot];
}

void LineBufferSlots::Release()
{
    for (std::string &slot : m_slots)
        std::string().swap(slot);
}

namespace {

// Position (from 1) of the first exact occurrence of `pattern` in `text`, 0 if none;
// an empty text or pattern has none.
std::size_t Search(std::string_view text, std::string_view pattern)
{
    if (text.empty() || pattern.empty())
        return 0;
    const auto found = text.find(pattern);
    return found == std::string_view::npos ? 0 : found + 1;
}

void ReplaceInSlot(std::string &slot, std::string_view pattern, std::string_view replacement)
{
    // Where the last replacement began; nothing replaced yet in this slot.
    std::optional<std::size_t> last;
    for (;;) {
        const std::size_t position = Search(slot, pattern);
        if (position == 0)
            return;
        if (last && position < *last + std::max<std::size_t>(replacement.size(), 1))
            return; // at or left of the last replacement, or inside the text it put in

        last = position;
        std::string next;
        next.reserve(slot.size() - pattern.size() + replacement.size());
        next.append(slot, 0, position - 1);
        next.append(replacement);
        next.append(slot, position - 1 + pattern.size());
        slot = std::move(next);
    }
}

} // namespace

void ReplaceInBuffer(std::string_view pattern, std::string_view replacement)
{
    for (int slot = LineBufferSlots::FirstSlot; slot <= LineBufferSlots::LastSlot; ++slot)
        ReplaceInSlot(LineBuffer[slot], pattern, replacement);
}

} // namespace brevasto
