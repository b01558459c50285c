#include "recordingmessages.h"

namespace zimo::recordingmsg
{

QString lineArrayFull()
{
    return QStringLiteral("Programmā jau ir 1000 rindu, vairāk nevar būt. "
                          "Jaunā rinda netika pievienota.");
}

QString workFileNotWritten(const QString& fileName, const QString& reason)
{
    return QStringLiteral("Rinda pievienota teksta logā, bet darba failu „%1” neizdevās "
                          "ierakstīt (%2).")
        .arg(fileName, reason);
}

QString colourCaption(int number) { return QStringLiteral("%1.krāsa").arg(number); }

} // namespace zimo::recordingmsg
