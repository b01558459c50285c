#include "fontapplication.h"

namespace zimo
{

std::unique_ptr<QGuiApplication> applicationForFonts()
{
    if (QGuiApplication::instance())
        return nullptr;
    // The application keeps argc and argv for its whole life.
    static char name[] = "zimo", option[] = "-platform", platform[] = "offscreen";
    static char* argv[] = { name, option, platform, nullptr };
#ifdef Q_OS_WIN
    static int argc = 1;
#else
    static int argc = 3;
#endif
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace zimo
