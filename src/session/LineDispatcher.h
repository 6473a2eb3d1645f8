#pragma once

#include "session/LineClass.h"
#include "session/ListCapture.h"
#include "session/SessionReceivers.h"
#include "settings/TextKind.h"

#include <QByteArrayView>

class LineAssembler;

// Decides what each finished server line is: a login prompt, a list-capture
// marker, a board update, a game notice, a chat line, a request or ordinary text.
// It sets the line's kind, hands the line to whoever acts on it, and answers
// whether the line is kept out of the terminal.
class LineDispatcher
{
public:
    // First: a finished line. Flush: a partial line shown at the end of a chunk
    // before login (this is how prompts without a line end are seen).
    enum class Pass { First, Flush };

    explicit LineDispatcher(const SessionReceivers& receivers);
    LineDispatcher(const LineDispatcher&) = delete;
    LineDispatcher& operator=(const LineDispatcher&) = delete;

    // Reads the line, its words, prompt-seen and the kinds from the assembler
    // and may change the current kind. Returns true when the line is suppressed.
    bool dispatch(LineAssembler& line, Pass pass);

    ListCapture& capture() { return m_capture; }

    static constexpr QByteArrayView CaptureMarker = "capt%%";

private:
    bool captureMarker(QByteArrayView line);
    bool act(LineClass lineClass, LineAssembler& line);
    void actOnChat(LineClass lineClass, LineAssembler& line);
    void request(LineAssembler& line, const char* sound);

    SessionReceivers m_receivers;
    ListCapture m_capture;
};
