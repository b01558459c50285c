#pragma once

#include <QString>

/// The command line's texts, in Latvian.
namespace zimo::appmsg
{

/// "Nevar nolasīt failu PATH: REASON".
QString cannotRead(const QString& path, const QString& reason);
QString cannotWriteTrace(const QString& path, const QString& reason);
QString cannotWritePicture(const QString& path, const QString& reason);
QString cannotWriteSvg(const QString& path, const QString& reason);
QString cannotWriteAnimation(const QString& path, const QString& reason);
QString cannotWritePdf(const QString& path, const QString& reason);
QString checkUsage();
QString runUsage();
/// What is wrong with a headless run's command line.
QString unknownOption(const QString& option);
QString missingValue(const QString& option);
QString missingProgram();
QString stepsNotANumber(const QString& value);
QString stepsTooFew(const QString& value);
QString stepsTooMany(const QString& value);
/// A run without --max-steps stopped at the bound it had by default.
QString stepLimitWithoutOption(long long steps);

} // namespace zimo::appmsg
