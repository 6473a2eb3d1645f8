// libFuzzer target for block-reply parsing and routing: any bytes as one raw
// block. The reply's lines must be consistent with its text.
#include "EventRecorder.h"
#include "session/BlockReply.h"
#include "session/BlockReplyRouter.h"
#include "session/TraceLog.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray raw(reinterpret_cast<const char*>(data), qsizetype(size));
    EventRecorder windows(LoginState::Ready, 2, [](const QByteArray&) {});
    const TraceLog trace(false);
    BlockReplyRouter router(windows, trace);
    const BlockReplyRouter::Routed routed = router.route(raw);
    router.finishEvent();

    const BlockReply& reply = routed.reply;
    if (reply.identifier.size() > 3 || reply.commandCode.size() > 3)
        std::abort();
    if (routed.destinations.isEmpty())
        std::abort();
    qsizetype joined = 0;
    for (const QByteArray& line : reply.lines())
        joined += line.size();
    if (joined > reply.text.size())
        std::abort();
    return 0;
}
