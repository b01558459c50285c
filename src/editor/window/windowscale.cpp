#include "windowscale.h"

#include "platform/userdata.h"

#include <algorithm>

namespace zimo
{

namespace
{

const char* const ScaleKey = "scale";

QSettings settings() { return userSettings(); }

bool isStep(int percent)
{
    return std::find(ScaleSteps.begin(), ScaleSteps.end(), percent) != ScaleSteps.end();
}

} // namespace

int fittingScale(QSize available, QSize fullSize)
{
    for (auto step = ScaleSteps.rbegin(); step != ScaleSteps.rend(); ++step) {
        const int width = (fullSize.width() * *step + 50) / 100;
        const int height = (fullSize.height() * *step + 50) / 100 + TitleBarRoom;
        if (width <= available.width() && height <= available.height())
            return *step;
    }
    return ScaleSteps.front();
}

int nextScale(int percent, int direction)
{
    const auto at = std::find(ScaleSteps.begin(), ScaleSteps.end(), percent);
    if (at == ScaleSteps.end())
        return 100;
    const auto index = std::clamp<std::ptrdiff_t>(
        (at - ScaleSteps.begin()) + direction, 0, std::ptrdiff_t(ScaleSteps.size()) - 1);
    return ScaleSteps[size_t(index)];
}

int rememberedScale()
{
    const int percent = settings().value(QLatin1String(ScaleKey), 0).toInt();
    return isStep(percent) ? percent : 0;
}

void rememberScale(int percent)
{
    if (isStep(percent))
        settings().setValue(QLatin1String(ScaleKey), percent);
}

} // namespace zimo
