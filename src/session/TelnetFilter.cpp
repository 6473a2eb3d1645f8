#include "session/TelnetFilter.h"

namespace {
constexpr unsigned char Iac = 255;
constexpr unsigned char Will = 251;
constexpr unsigned char Dont = 254;
} // namespace

QByteArray TelnetFilter::filter(const QByteArray& chunk)
{
    if (m_state == State::Data && !chunk.contains(char(Iac)))
        return chunk;

    QByteArray out;
    out.reserve(chunk.size() + 1);
    const qsizetype size = chunk.size();
    qsizetype i = 0;
    while (i < size) {
        if (m_state == State::Data) {
            // Copy the run up to the next IAC at once.
            qsizetype iac = chunk.indexOf(char(Iac), i);
            if (iac < 0)
                iac = size;
            out.append(chunk.constData() + i, iac - i);
            i = iac;
            if (i < size) {
                m_state = State::AfterIac;
                ++i;
            }
            continue;
        }
        const char ch = chunk[i++];
        const auto c = static_cast<unsigned char>(ch);
        if (m_state == State::AfterCommand) {
            m_state = State::Data; // the option byte goes with the command
        } else if (c >= Will && c <= Dont) {
            m_state = State::AfterCommand;
        } else {
            if (c != Iac)
                out += char(Iac);
            out += ch;
            m_state = State::Data;
        }
    }
    return out;
}
