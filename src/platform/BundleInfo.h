#pragma once

#include <QString>
#include <QVariant>

// The application's information dictionary.
class BundleInfo {
public:
    virtual ~BundleInfo() = default;

    // The value stored under `key`; an invalid variant when the key is absent.
    virtual QVariant objectForInfoDictionaryKey(const QString &key) const = 0;
};

// The dictionary written into the program when it was built: the short version is the
// project's version, the build number the one given at configure time (absent when empty).
class BuiltInBundleInfo final : public BundleInfo {
public:
    QVariant objectForInfoDictionaryKey(const QString &key) const override;
};
