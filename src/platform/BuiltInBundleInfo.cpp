#include "BundleInfo.h"

#include "BundleInfoValues.h"

namespace {
QVariant presentOrAbsent(const char *value) {
    const QString text = QString::fromUtf8(value);
    return text.isEmpty() ? QVariant() : QVariant(text);
}
} // namespace

QVariant BuiltInBundleInfo::objectForInfoDictionaryKey(const QString &key) const {
    if (key == QLatin1String("CFBundleShortVersionString"))
        return presentOrAbsent(builtShortVersion);
    if (key == QLatin1String("CFBundleVersion"))
        return presentOrAbsent(builtBuildNumber);
    return {};
}
