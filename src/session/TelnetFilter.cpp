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
    for (const char ch : chunk) {
        const auto c = static_cast<unsigned char>(ch);
        switch (m_state) {
        case State::Data:
            if (c == Iac)
                m_state = State::AfterIac;
            else
                out += ch;
            break;
        case State::AfterIac:
            if (c >= Will && c <= Dont) {
                m_state = State::AfterCommand;
            } else {
                if (c != Iac)
                    out += char(Iac);
                out += ch;
                m_state = State::Data;
            }
            break;
        case State::AfterCommand:
            m_state = State::Data; // the option byte goes with the command
            break;
        }
    }
    return out;
}
