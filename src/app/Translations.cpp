#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {

std::unique_ptr<QTranslator> LoadTranslator(const QLocale& language, const QString& name, const QString& dir)
{
    auto pTranslator = std::make_unique<QTranslator>();
    if (!pTranslator->load(language, name, QStringLiteral("_"), dir))
        return nullptr;
    return pTranslator;
}

void Install(QCoreApplication& app, std::unique_ptr<QTranslator> pTranslator)
{
    pTranslator->setParent(&app);
    QCoreApplication::installTranslator(pTranslator.release());
}

} // namespace

void InstallTranslators(QCoreApplication& app, const QLocale& locale)
{
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return;
        std::unique_ptr<QTranslator> pOwn =
            LoadTranslator(language, QStringLiteral("editzarn"), QString::fromLatin1(kTranslationResourceDir));
        if (!pOwn)
            continue;
        // Qt's own texts may be missing (the package is only recommended).
        if (auto pQt =
                LoadTranslator(language, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            Install(app, std::move(pQt));
        Install(app, std::move(pOwn));
        return;
    }
}
