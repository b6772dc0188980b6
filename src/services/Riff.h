#pragma once
// The walk over a WAV file's RIFF chunks, shared by the sound player that decodes the file and
// by switch play, which only wants to know how long a sentence lasts.
#include <QByteArray>
#include <QFile>
#include <QtEndian>

namespace Riff {

// Calls `pezzo(nome, lunghezza)` for each chunk after the "RIFF....WAVE" header, with the file
// at the chunk's first byte; stops when it returns false, at the end, or at a chunk cut short.
// False when the file is not a WAV file at all. Chunks are padded to even sizes.
template <class Pezzo>
bool perOgniPezzo(QFile& file, Pezzo&& pezzo)
{
    const QByteArray testa = file.read(12);
    if (testa.size() < 12 || !testa.startsWith("RIFF") || testa.mid(8, 4) != "WAVE")
        return false;
    for (QByteArray intestazione = file.read(8); intestazione.size() == 8; intestazione = file.read(8)) {
        const quint32 lunghezza = qFromLittleEndian<quint32>(intestazione.constData() + 4);
        const qint64 dopo = file.pos() + lunghezza + (lunghezza & 1);
        if (!pezzo(intestazione.left(4), lunghezza) || !file.seek(dopo))
            break;
    }
    return true;
}

}  // namespace Riff
