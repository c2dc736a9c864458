#include "app/BundleInfo.h"

#include "app/BundleInfoValues.h"

BundleInfo builtInBundleInfo() {
    return {QString::fromUtf8(builtShortVersion), QString::fromUtf8(builtBuildNumber)};
}
