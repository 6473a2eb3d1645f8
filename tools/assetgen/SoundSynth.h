#pragma once

#include <QByteArray>
#include <QList>

// Short synthesised sounds for the default wave files: tones and chimes made of
// decaying sine notes, 16-bit mono PCM at 22050 Hz, each ending in 0.2 s of
// silence so that no player cuts its tail.
namespace SoundSynth {

constexpr int SampleRate = 22050;

struct Note
{
    double frequency; // Hz; 0 is a rest
    double seconds;
};

QByteArray render(const QList<Note>& notes);
// A short click, for beeps.
QByteArray click();
// A RIFF WAVE file around 16-bit mono samples.
QByteArray waveFile(const QByteArray& samples);

} // namespace SoundSynth
