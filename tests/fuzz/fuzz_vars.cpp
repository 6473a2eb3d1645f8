// libFuzzer target for the variables reply: any bytes as the lines of a "vars"
// reply, filled into the window's values; "Set Variables" then sends nothing.
#include "lists/VarsFields.h"
#include "lists/VarsReply.h"
#include "lists/VarsState.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const VarsReply reply = VarsReply::parse(text.split('\r'));
    if (reply.handle.contains(u'^') || reply.handle.contains(u'\n'))
        std::abort();
    VarsState state;
    state.fill(reply);
    for (int field = 0; field < state.count(); ++field) {
        const VarsFields::Field& each = VarsFields::all().at(field);
        if (each.kind == VarsFields::Kind::Index &&
            (state.choice(field) < -1 || state.choice(field) >= each.choices.size()))
            std::abort();
    }
    if (!state.takeSetCommands().isEmpty())
        std::abort();
    return 0;
}
