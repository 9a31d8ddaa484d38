#include "gui/base/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>
#include <memory>

// The catalogs live in a static library: make sure the linker keeps them.
// (Q_INIT_RESOURCE must be used outside any namespace.)
static void InitTranslationResource() { Q_INIT_RESOURCE(qx720_translations); }

namespace qx {

namespace {

bool Speaks(const QString& code)
{
    for (const LanguageChoice& language : kLanguages)
        if (code == QLatin1String(language.code)) return true;
    return false;
}

// The translators in use, replaced as a whole when the language changes.
std::unique_ptr<QTranslator>& Ours()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

std::unique_ptr<QTranslator>& Qts()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void Drop(std::unique_ptr<QTranslator>& translator)
{
    if (!translator) return;
    QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

}  // namespace

QString ChosenLanguage(const QSettings* settings, const QLocale& desktop)
{
    if (settings != nullptr) {
        QString chosen = settings->value(kLanguageSetting).toString();
        if (Speaks(chosen)) return chosen;
    }
    const QString desktopCode = desktop.name().section('_', 0, 0);
    return Speaks(desktopCode) ? desktopCode : QStringLiteral("en");
}

bool UseLanguage(const QString& code)
{
    InitTranslationResource();
    Drop(Ours());
    Drop(Qts());
    if (code == QLatin1String("en") || !Speaks(code)) return code == QLatin1String("en");
    auto ours = std::make_unique<QTranslator>();
    if (!ours->load(QStringLiteral(":/i18n/qx720_%1.qm").arg(code))) return false;
    QCoreApplication::installTranslator(ours.get());
    Ours() = std::move(ours);
    // Qt's own texts, where the system has its catalog.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        Qts() = std::move(qt);
    }
    return true;
}

}  // namespace qx
