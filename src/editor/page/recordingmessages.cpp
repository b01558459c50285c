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

QString workFileCannotHold(const QString& fileName, const QString& character)
{
    return QStringLiteral("Rinda pievienota teksta logā, bet darba failā „%1” nevar ierakstīt "
                          "rakstzīmi „%2”, tāpēc fails netika atjaunots.")
        .arg(fileName, character);
}

QString colourCaption(int number) { return QStringLiteral("%1.krāsa").arg(number); }

} // namespace zimo::recordingmsg
