#include "fnkey/ModeRules.h"

#include "fnkey/FnKeyToggler.h"
#include "fnkey/ProcessRunner.h"

#include <QStringList>

namespace {
const QString domain = QStringLiteral("org.vantel.Vantel");
const QString applicationsKey = QStringLiteral("ApplicationModes");
const QString defaultKey = QStringLiteral("DefaultMode");

// One word of the printed form at `position`: quoted with backslash escapes, or bare up to a
// separator. Moves `position` past it; none when the text ends inside a quote.
std::optional<QString> word(const QString &text, qsizetype &position) {
    while (position < text.size() && text[position].isSpace())
        ++position;
    QString result;
    if (position < text.size() && text[position] == u'"') {
        for (++position; position < text.size(); ++position) {
            if (text[position] == u'"') {
                ++position;
                return result;
            }
            if (text[position] == u'\\' && position + 1 < text.size())
                ++position;
            result.append(text[position]);
        }
        return std::nullopt;
    }
    while (position < text.size() && !text[position].isSpace() && text[position] != u'=' &&
           text[position] != u';' && text[position] != u'}')
        result.append(text[position++]);
    return result;
}

// Skips blanks, then `expected`; false when something else stands there.
bool expect(const QString &text, qsizetype &position, QChar expected) {
    while (position < text.size() && text[position].isSpace())
        ++position;
    if (position >= text.size() || text[position] != expected)
        return false;
    ++position;
    return true;
}

bool succeeded(const ProcessResult &result) {
    return result.status == 0;
}
} // namespace

ModeRules::ModeRules(QString defaultsExecutable)
    : defaultsExecutable_(std::move(defaultsExecutable)) {}

QString ModeRules::modeName(bool fnState) {
    return fnState ? QStringLiteral("function-keys") : QStringLiteral("hardware-keys");
}

std::optional<bool> ModeRules::parseMode(const QString &name) {
    const QString mode = normalisedAnswer(name);
    if (mode == u"function-keys")
        return true;
    if (mode == u"hardware-keys")
        return false;
    return std::nullopt;
}

std::optional<QHash<QString, QString>> ModeRules::parseDictionary(const QString &text) {
    qsizetype position = 0;
    if (!expect(text, position, u'{'))
        return std::nullopt;
    QHash<QString, QString> pairs;
    while (!expect(text, position, u'}')) {
        const std::optional<QString> key = word(text, position);
        if (!key || key->isEmpty() || !expect(text, position, u'='))
            return std::nullopt;
        const std::optional<QString> value = word(text, position);
        if (!value || !expect(text, position, u';'))
            return std::nullopt;
        pairs.insert(*key, *value);
    }
    return pairs;
}

StoredRules ModeRules::read() const {
    StoredRules rules;
    const ProcessResult applications =
        runProcess(defaultsExecutable_, {QStringLiteral("read"), domain, applicationsKey},
                   FnKeyToggler::readLimit);
    const auto pairs = succeeded(applications) && applications.output
                           ? parseDictionary(*applications.output)
                           : std::nullopt;
    const QHash<QString, QString> stored = pairs.value_or(QHash<QString, QString>());
    for (auto [application, name] : stored.asKeyValueRange()) {
        if (const std::optional<bool> mode = parseMode(name))
            rules.applications.insert(application, *mode);
    }
    const ProcessResult fallback = runProcess(
        defaultsExecutable_, {QStringLiteral("read"), domain, defaultKey}, FnKeyToggler::readLimit);
    if (succeeded(fallback) && fallback.output)
        rules.defaultMode = parseMode(*fallback.output);
    return rules;
}

bool ModeRules::remember(const QString &application, bool fnState) const {
    return succeeded(runProcess(defaultsExecutable_,
                                {QStringLiteral("write"), domain, applicationsKey,
                                 QStringLiteral("-dict-add"), application, modeName(fnState)},
                                FnKeyToggler::readLimit));
}

bool ModeRules::forget(const QString &application) const {
    // The tool takes whole dictionaries or additions only, so the others are written back as
    // they were read; a rule added by someone else in between is the one thing that can go.
    QStringList write{QStringLiteral("write"), domain, applicationsKey, QStringLiteral("-dict")};
    const ProcessResult current =
        runProcess(defaultsExecutable_, {QStringLiteral("read"), domain, applicationsKey},
                   FnKeyToggler::readLimit);
    const auto pairs =
        succeeded(current) && current.output ? parseDictionary(*current.output) : std::nullopt;
    if (!pairs || !pairs->contains(application))
        return true;
    for (auto pair = pairs->cbegin(); pair != pairs->cend(); ++pair) {
        if (pair.key() != application)
            write << pair.key() << pair.value();
    }
    return succeeded(runProcess(defaultsExecutable_, write, FnKeyToggler::readLimit));
}

bool ModeRules::setDefaultMode(bool fnState) const {
    return succeeded(runProcess(
        defaultsExecutable_,
        {QStringLiteral("write"), domain, defaultKey, QStringLiteral("-string"), modeName(fnState)},
        FnKeyToggler::readLimit));
}
