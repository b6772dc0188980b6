#pragma once
// Reads a WAV file as Windows' sound player plays it: RIFF chunks read with Qt (so any path, any
// letters), PCM of 8, 16, 24 or 32 bits or floating point, any rate and any number of channels,
// made 16-bit mono at the stream's rate. Plain Qt, so it is proven on the build machine too.
#include <QByteArray>
#include <QString>

namespace Wav {

// Empty, with the reason, when the file cannot be played. Longer sounds are cut at 20 seconds.
QByteArray decodifica(const QString& percorso, QString* problema = nullptr);

}  // namespace Wav
