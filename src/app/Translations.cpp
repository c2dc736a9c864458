// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "app/Translations.h"

#include "app/BundleInfoValues.h"
#include "logging/LoggingCategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {
// Loads the first catalogue `name` for `locale` found in `directories`; the translator belongs
// to the application, so that it lives as long as the texts it translates.
QString install(QCoreApplication &application, const QLocale &locale, const QString &name,
                const QStringList &directories) {
    for (const QString &directory : directories) {
        auto *translator = new QTranslator(&application);
        if (translator->load(locale, name, QStringLiteral("_"), directory) &&
            QCoreApplication::installTranslator(translator))
            return translator->filePath();
        delete translator;
    }
    return {};
}
} // namespace

QStringList translationDirectories() {
    const QString beside = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                           QStringLiteral("/../share/vantel/translations"));
    const QString configured = QString::fromUtf8(builtTranslationsDirectory);
    return beside == configured ? QStringList{beside} : QStringList{beside, configured};
}

QStringList installTranslations(QCoreApplication &application) {
    const QLocale locale = QLocale::system();
    QStringList loaded;
    for (const QString &file :
         {install(application, locale, QStringLiteral("vantel"), translationDirectories()),
          install(application, locale, QStringLiteral("qtbase"),
                  {QLibraryInfo::path(QLibraryInfo::TranslationsPath)})}) {
        if (!file.isEmpty())
            loaded.append(file);
    }
    qCDebug(lcVantel) << "translations for" << locale.uiLanguages() << loaded;
    return loaded;
}
