// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "fnkey/FnKeyToggler.h"

#include <QStringList>

#include <utility>

namespace {

const char flipScriptText[] =
    "CURRENT=$(defaults read -g com.apple.keyboard.fnState 2>/dev/null || echo false);\n"
    "if [ \"$CURRENT\" = \"true\" ] || [ \"$CURRENT\" = \"1\" ]; then NEW=false; else "
    "NEW=true; fi;\n"
    "defaults write -g com.apple.keyboard.fnState -bool $NEW;\n"
    "defaults -currentHost write -g com.apple.keyboard.fnState -bool $NEW;\n"
    "/System/Library/PrivateFrameworks/SystemAdministration.framework/Resources/"
    "activateSettings -u;\n"
    "/usr/bin/killall -u \"$USER\" cfprefsd 2>/dev/null || true;\n"
    "echo \"$NEW\"";

} // namespace

QString normalisedAnswer(const QString &text) {
    return text.trimmed().toLower();
}

QString lastNonEmptyLine(const QString &text) {
    const QStringList lines = text.split(u'\n');
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!line->trimmed().isEmpty())
            return *line;
    }
    return {};
}

FnKeyToggler::FnKeyToggler(QString defaultsExecutable, QString shellExecutable)
    : defaultsExecutable_(std::move(defaultsExecutable)),
      shellExecutable_(std::move(shellExecutable)) {}

QString FnKeyToggler::flipScript() {
    return QString::fromUtf8(flipScriptText);
}

bool FnKeyToggler::readFnState() const {
    const ProcessResult result = runProcess(defaultsExecutable_,
                                            {QStringLiteral("read"), QStringLiteral("-g"),
                                             QStringLiteral("com.apple.keyboard.fnState")},
                                            readLimit);
    if (result.status != 0 || !result.output)
        return false;
    const QString answer = normalisedAnswer(*result.output);
    return answer == u"1" || answer == u"true" || answer == u"yes";
}

bool FnKeyToggler::toggleFnState() const {
    // The exit status is deliberately ignored: only the printed new value counts.
    const ProcessResult result =
        runProcess(shellExecutable_, {QStringLiteral("-lc"), flipScript()}, flipLimit);
    if (!result.output)
        return false;
    // A login shell runs the user's profile first, and a profile may print (a greeting, a
    // warning); the script's own answer is always the last thing it prints.
    return normalisedAnswer(lastNonEmptyLine(*result.output)) == u"true";
}

bool FnKeyToggler::writeFnState(bool fnState) const {
    return !storeFnState(fnState);
}

std::optional<QString> FnKeyToggler::storeFnState(bool fnState) const {
    const QStringList write = {
        QStringLiteral("write"), QStringLiteral("-g"), QStringLiteral("com.apple.keyboard.fnState"),
        QStringLiteral("-bool"), fnState ? QStringLiteral("true") : QStringLiteral("false")};
    // Both copies are written even when the first fails: the other may still land.
    std::optional<QString> failed;
    for (const QStringList &arguments :
         {write, QStringList{QStringLiteral("-currentHost")} + write}) {
        const ProcessResult result = runProcess(defaultsExecutable_, arguments, readLimit);
        if (result.status == 0 || failed)
            continue;
        const QString said = result.errorOutput.value_or(QString()).trimmed();
        failed = said.isEmpty() ? QStringLiteral("%1 %2 ended with status %3")
                                      .arg(defaultsExecutable_, arguments.join(u' '))
                                      .arg(result.status)
                                : said;
    }
    return failed;
}
