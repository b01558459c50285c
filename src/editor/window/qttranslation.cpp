#include "qttranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace zimo
{

bool installLatvianQtTexts(QCoreApplication& app)
{
    const QLocale latvian(QLocale::Latvian, QLocale::Latvia);
    auto* translator = new QTranslator(&app);
    if (!translator->load(latvian, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    // Dates and sizes in the file dialog follow the language of its words.
    QLocale::setDefault(latvian);
    return QCoreApplication::installTranslator(translator);
}

} // namespace zimo
