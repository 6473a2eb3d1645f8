#include "SoundSynth.h"

#include <QtEndian>

#include <cmath>
#include <numbers>

namespace SoundSynth {

namespace {

constexpr double TailSeconds = 0.2;
constexpr double Loudness = 0.45;

void appendSample(QByteArray& samples, double value)
{
    const auto sample = qint16(std::lround(std::clamp(value, -1.0, 1.0) * 32767.0));
    char bytes[2];
    qToLittleEndian(sample, bytes);
    samples.append(bytes, 2);
}

void appendSilence(QByteArray& samples, double seconds)
{
    samples.append(QByteArray(int(seconds * SampleRate) * 2, '\0'));
}

} // namespace

QByteArray render(const QList<Note>& notes)
{
    QByteArray samples;
    for (const Note& note : notes) {
        const int count = int(note.seconds * SampleRate);
        for (int i = 0; i < count; ++i) {
            const double t = double(i) / SampleRate;
            // A quick attack and an exponential decay: a struck, chime-like note,
            // with a faint octave above for colour.
            const double envelope = std::min(1.0, t / 0.005) * std::exp(-t * 6.0 / note.seconds);
            const double phase = 2.0 * std::numbers::pi * note.frequency * t;
            const double value =
                note.frequency > 0 ? (std::sin(phase) + 0.25 * std::sin(2.0 * phase)) / 1.25 : 0;
            appendSample(samples, Loudness * envelope * value);
        }
    }
    appendSilence(samples, TailSeconds);
    return samples;
}

QByteArray click()
{
    QByteArray samples;
    const int count = int(0.03 * SampleRate);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SampleRate;
        const double value = std::sin(2.0 * std::numbers::pi * 1800.0 * t) * std::exp(-t * 180.0);
        appendSample(samples, Loudness * value);
    }
    appendSilence(samples, TailSeconds);
    return samples;
}

QByteArray waveFile(const QByteArray& samples)
{
    const auto le32 = [](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        return QByteArray(bytes, 4);
    };
    const auto le16 = [](quint16 value) {
        char bytes[2];
        qToLittleEndian(value, bytes);
        return QByteArray(bytes, 2);
    };
    QByteArray file;
    file += "RIFF" + le32(quint32(36 + samples.size())) + "WAVE";
    file += "fmt " + le32(16) + le16(1) + le16(1) + le32(SampleRate) + le32(SampleRate * 2) +
            le16(2) + le16(16);
    file += "data" + le32(quint32(samples.size())) + samples;
    return file;
}

} // namespace SoundSynth
