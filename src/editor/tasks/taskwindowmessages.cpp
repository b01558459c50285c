#include "taskwindowmessages.h"

namespace zimo::taskwinmsg
{

QString tasksMenu() { return QStringLiteral("&Uzdevumi"); }
QString noTasks() { return QStringLiteral("(uzdevumu nav)"); }
QString solvedTip() { return QStringLiteral("Atrisināts"); }
QString makeTask() { return QStringLiteral("Izveidot uzdevumu…"); }

QString panelName() { return QStringLiteral("Uzdevums"); }
QString showTarget() { return QStringLiteral("Rādīt paraugu"); }

QString showTargetTip() { return QStringLiteral("Gaišais zīmējums uz lapas rāda, kas jāuzzīmē"); }

QString leaveTask() { return QStringLiteral("Beigt uzdevumu"); }
QString tryIt() { return QStringLiteral("Uzraksti programmu un spied zaļo pogu vai F5!"); }

QString taskNotOpened(const QString& path, const QString& problem)
{
    return QStringLiteral("Uzdevumu „%1” nevar atvērt: %2").arg(path, problem);
}

QString progressNotKept(const QString& path, const QString& reason)
{
    return QStringLiteral("Atzīmi par atrisināto uzdevumu neizdevās saglabāt failā „%1”: %2.")
        .arg(path, reason);
}

QString makeCaption() { return QStringLiteral("Izveidot uzdevumu"); }
QString titleLabel() { return QStringLiteral("Nosaukums:"); }
QString instructionLabel() { return QStringLiteral("Uzdevums (garumi, leņķi, krāsas un vietas):"); }
QString requiredLabel() { return QStringLiteral("Jāizmanto:"); }

QString requiredTip()
{
    return QStringLiteral("Komandas vai procedūras, kas programmā jāizmanto, atdalītas ar komatu, "
                          "piemēram: atkartot, kvadrats");
}

QString maxLinesLabel() { return QStringLiteral("Ne vairāk rindu kā:"); }
QString noLimit() { return QStringLiteral("bez ierobežojuma"); }
QString saveTask() { return QStringLiteral("Saglabāt uzdevumu…"); }
QString cancel() { return QStringLiteral("Atcelt"); }
QString saveCaption() { return QStringLiteral("Saglabāt uzdevumu"); }
QString taskFilter() { return QStringLiteral("Zimo uzdevumi (*.zku)"); }

QString taskNotSaved(const QString& path, const QString& reason)
{
    return QStringLiteral("Uzdevumu „%1” neizdevās saglabāt: %2").arg(path, reason);
}

QString taskSaved(const QString& path)
{
    return QStringLiteral("Uzdevums saglabāts: %1").arg(path);
}

} // namespace zimo::taskwinmsg
