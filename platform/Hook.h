#pragma once

namespace brevasto {

// The one slot of a stand-in for something that would wait on the user (a box, a dialog,
// a browser): tests put a function there, and the real thing runs while it is empty.
template <class Hook> Hook &HookSlot()
{
    static Hook hook;
    return hook;
}

} // namespace brevasto
