// libFuzzer target for chunk intake and dispatch: the input is cut into chunks
// (the first byte picks the chunk size) and fed through the whole pipeline,
// with the deferred reply events run after each chunk, as the event loop would.
#include "EventRecorder.h"
#include "session/SessionLog.h"
#include "session/SessionPipeline.h"
#include "session/TraceLog.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_pipeline";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);

    if (size == 0)
        return 0;
    const qsizetype chunk = 1 + data[0] % 64;
    const QByteArray input(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    // Alternate the login state so that both the flush pass and joined lines run.
    const LoginState state = (data[0] & 0x80) ? LoginState::Ready : LoginState::Connected;
    EventRecorder recorder(state, 2 + (data[0] >> 6 & 1), [](const QByteArray&) {});
    const TraceLog trace(false);
    SessionLog log;
    SessionPipeline pipeline(recorder.receivers(), trace, log);
    for (qsizetype at = 0; at < input.size(); at += chunk) {
        pipeline.chunkIntake(input.mid(at, chunk));
        QCoreApplication::sendPostedEvents();
    }
    return 0;
}
