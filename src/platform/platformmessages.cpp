#include "platformmessages.h"

#include <cerrno>

namespace zimo::platformmsg
{

namespace
{

// The causes a learner can meet on a school or home computer, the same for both directions.
QString commonReason(int code)
{
    switch (code) {
    case EROFS:
        return QStringLiteral("šajā diskā var tikai lasīt, ne rakstīt");
    case ENOSPC:
        return QStringLiteral("diskā nepietiek vietas");
#ifdef EDQUOT // Windows reports a full quota as a full disk
    case EDQUOT:
        return QStringLiteral("tev atvēlētā vieta diskā ir izlietota");
#endif
    case ENAMETOOLONG:
        return QStringLiteral("faila nosaukums ir pārāk garš");
    case ENOTDIR:
        return QStringLiteral("ceļā ir fails, nevis mape");
    case EFBIG:
        return QStringLiteral("fails ir pārāk liels");
    default:
        return {};
    }
}

} // namespace

QString writeReason(int code)
{
    if (const QString common = commonReason(code); !common.isEmpty())
        return common;
    switch (code) {
    case ENOENT:
        return QStringLiteral("tādas mapes nav");
    case EACCES:
    case EPERM:
        return QStringLiteral("šajā mapē nav atļauts rakstīt");
    case EISDIR:
        return QStringLiteral("ar šo nosaukumu jau ir mape");
    case EIO:
        return QStringLiteral("diska kļūda, failu neizdevās ierakstīt");
    default:
        return QStringLiteral("failu neizdevās ierakstīt");
    }
}

QString readReason(int code)
{
    if (const QString common = commonReason(code); !common.isEmpty())
        return common;
    switch (code) {
    case ENOENT:
        return QStringLiteral("tāda faila nav");
    case EACCES:
    case EPERM:
        return QStringLiteral("šo failu nav atļauts lasīt");
    case EISDIR:
        return QStringLiteral("tā ir mape, nevis fails");
    case EIO:
        return QStringLiteral("diska kļūda, failu neizdevās nolasīt");
    default:
        return QStringLiteral("failu neizdevās nolasīt");
    }
}

QString fileProtected() { return QStringLiteral("fails ir aizsargāts pret pārrakstīšanu"); }

QString readBackDiffers() { return QStringLiteral("no faila nolasītais nesakrīt ar ierakstīto"); }

QString pictureNotEncoded() { return QStringLiteral("attēlu neizdevās izveidot"); }

QString cannotEncode(const QString& character)
{
    return QStringLiteral("tekstā ir rakstzīme „%1”, ko failā nevar ierakstīt").arg(character);
}

} // namespace zimo::platformmsg
