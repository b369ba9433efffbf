#pragma once

#include <array>
#include <string>
#include <string_view>

namespace brevasto {

// The working store in which a page is put together: slots 1 to 15000, each one
// line of bytes. It lives for the whole run, and a slot keeps its text until it is
// written again, also from one page to the next.
class LineBufferSlots
{
public:
    static constexpr int FirstSlot = 1;
    static constexpr int LastSlot = 15000;

    // Slots count from 1; anything outside 1..15000 throws std::out_of_range
    // rather than touching memory that is not a slot.
    std::string &operator[](int slot);
    const std::string &operator[](int slot) const;

    // Gives back the memory of every slot's text; each slot is empty afterwards.
    void Release();

private:
    std::array<std::string, LastSlot> m_slots;
};

extern LineBufferSlots LineBuffer;

// Replaces `pattern` by `replacement` in every slot of LineBuffer, each slot on its own:
// the leftmost occurrence is replaced, then the line is searched again from its first
// byte, and the passes go on only while the next occurrence begins to the right of the
// text just inserted. So an occurrence that an insertion forms with the text before it,
// or one that lies inside the inserted text itself, ends that slot's passes, and a
// replacement that holds the pattern can never make the line grow without end.
// A slot is written in one assignment, so a failed allocation leaves it as it was.
void ReplaceInBuffer(std::string_view pattern, std::string_view replacement);

} // namespace brevasto
