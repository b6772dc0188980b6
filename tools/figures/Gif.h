#pragma once
// Writes a picture as a GIF with the fixed colour table of Tavolozza.
#include <QImage>
#include <QString>

namespace Gif {

// Every pixel goes to the nearest colour of the table. Returns false (and says why in
// `errore`) if the file cannot be written.
bool scrivi(const QImage& immagine, const QString& percorso, QString* errore);

}  // namespace Gif
