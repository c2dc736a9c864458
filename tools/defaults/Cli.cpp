// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "Cli.h"

#include "Store.h"

#include <optional>

const char versionLine[] = "defaults 1.0.0 (Vantel preference tool)\n";

namespace {

const char usageText[] =
    "usage: defaults [-currentHost | -host HOSTID] COMMAND\n"
    "\n"
    "  read [DOMAIN [KEY]]       print a value, a whole domain, or every domain\n"
    "  read-type DOMAIN KEY      print the type of a value\n"
    "  write DOMAIN KEY [-TYPE] VALUE\n"
    "                            store a value; TYPE is string (the default), int, integer,\n"
    "                            float, bool or boolean\n"
    "  write DOMAIN KEY -dict [KEY VALUE ...]\n"
    "                            store a dictionary of strings, replacing the value\n"
    "  write DOMAIN KEY -dict-add KEY VALUE [KEY VALUE ...]\n"
    "                            add or replace pairs in a stored dictionary\n"
    "  delete DOMAIN [KEY]       remove a value or a whole domain\n"
    "  domains                   list the stored domains\n"
    "  help                      show this text\n"
    "\n"
    "DOMAIN is -g (or -globalDomain, NSGlobalDomain) or a name such as org.example.app.\n";

using Args = std::vector<std::string_view>;

bool looksLikeOption(std::string_view value) {
    return value.size() > 1 && value[0] == '-' &&
           ((value[1] >= 'a' && value[1] <= 'z') || (value[1] >= 'A' && value[1] <= 'Z'));
}

class Command {
public:
    Command(PreferenceStore store, ToolOutput &output) : store_(std::move(store)), o_(output) {}

    void run(std::string_view name, const Args &args);

private:
    void read(const Args &args);
    void readType(const Args &args);
    void write(const Args &args);
    void writeDictionary(const Domain &domain, const std::string &key, std::string_view flag,
                         const Args &pairs);
    void remove(const Args &args);
    void listDomains();
    void readEverything();
    std::optional<Domain> domain(std::string_view argument);
    std::optional<StoredValue> value(const Domain &domain, const std::string &key);
    void fail(const Failure &failure, const Domain *domain = nullptr,
              const std::string *key = nullptr);
    void usage(const std::string &message);

    PreferenceStore store_;
    ToolOutput &o_;
};

void Command::fail(const Failure &failure, const Domain *domain, const std::string *key) {
    o_.status = 1;
    const bool missing =
        failure.problem == Problem::missingDomain || failure.problem == Problem::missingKey;
    if (missing && domain && key)
        o_.err += "The domain/default pair of (" + domain->pairName() + ", " + *key +
                  ") does not exist\n";
    else if (failure.problem == Problem::missingDomain && domain)
        o_.err += "Domain " + domain->name + " does not exist\n";
    else
        o_.err += failure.message + "\n";
}

void Command::usage(const std::string &message) {
    o_.status = 1;
    o_.err += message + "\n\n" + usageText;
}

std::optional<Domain> Command::domain(std::string_view argument) {
    Result<Domain> parsed = parseDomain(argument);
    if (!parsed) {
        fail(parsed.failure());
        return std::nullopt;
    }
    return *parsed;
}

std::optional<StoredValue> Command::value(const Domain &domain, const std::string &key) {
    Result<StoredValue> stored = store_.read(domain, key);
    if (!stored) {
        fail(stored.failure(), &domain, &key);
        return std::nullopt;
    }
    return std::move(*stored);
}

void Command::read(const Args &args) {
    if (args.empty())
        return readEverything();
    if (args.size() > 2)
        return usage("read takes at most a domain and a key");
    const std::optional<Domain> target = domain(args[0]);
    if (!target)
        return;
    if (args.size() == 2) {
        if (const std::optional<StoredValue> stored = value(*target, std::string(args[1])))
            o_.out += stored->text + "\n";
        return;
    }
    if (const Result<std::string> text = store_.read(*target))
        o_.out += *text + "\n";
    else
        fail(text.failure(), &*target);
}

void Command::readEverything() {
    const Result<Listing> listing = store_.readAll();
    if (!listing)
        return fail(listing.failure());
    for (const Failure &skipped : listing->skipped)
        fail(skipped);
    o_.out += listing->text + "\n";
}

void Command::readType(const Args &args) {
    if (args.size() != 2)
        return usage("read-type takes a domain and a key");
    const std::optional<Domain> target = domain(args[0]);
    if (!target)
        return;
    if (const std::optional<StoredValue> stored = value(*target, std::string(args[1])))
        o_.out += "Type is " + stored->type + "\n";
}

void Command::writeDictionary(const Domain &domain, const std::string &key, std::string_view flag,
                              const Args &pairs) {
    const bool adding = flag == "-dict-add";
    if (adding && pairs.empty())
        return usage("write: -dict-add needs at least one key and value");
    const Result<StringPairs> parsed = parsePairs(pairs);
    if (!parsed)
        return fail(parsed.failure());
    const Status failed = adding ? store_.addToDictionary(domain, key, *parsed)
                                 : store_.write(domain, key, Value(*parsed));
    if (failed)
        fail(*failed);
}

void Command::write(const Args &args) {
    if (args.size() >= 3 && (args[2] == "-dict" || args[2] == "-dict-add")) {
        const std::optional<Domain> target = domain(args[0]);
        if (target)
            writeDictionary(*target, std::string(args[1]), args[2],
                            Args(args.begin() + 3, args.end()));
        return;
    }
    const bool typed = args.size() == 4;
    if (args.size() != 3 && !typed)
        return usage("write takes a domain, a key, an optional type and a value");
    if (!typed && looksLikeOption(args[2]))
        return usage("write: " + std::string(args[2]) +
                     " looks like a type without a value (use -string to store text that "
                     "starts with a dash)");
    if (typed && (args[2].size() < 2 || args[2][0] != '-'))
        return usage("write: expected a type such as -bool before the value");
    const std::optional<Domain> target = domain(args[0]);
    if (!target)
        return;
    const Result<Value> value =
        typed ? parseValue(args[2].substr(1), args[3]) : parseValue("", args[2]);
    if (!value)
        return fail(value.failure());
    if (Status failed = store_.write(*target, std::string(args[1]), *value))
        fail(*failed);
}

void Command::remove(const Args &args) {
    if (args.empty() || args.size() > 2)
        return usage("delete takes a domain and an optional key");
    const std::optional<Domain> target = domain(args[0]);
    if (!target)
        return;
    if (args.size() == 1) {
        if (Status failed = store_.remove(*target))
            fail(*failed, &*target);
        return;
    }
    const std::string key(args[1]);
    if (Status failed = store_.remove(*target, key))
        fail(*failed, &*target, &key);
}

void Command::listDomains() {
    Result<std::vector<std::string>> names = store_.domains();
    if (!names)
        return fail(names.failure());
    std::string line;
    for (const std::string &name : *names)
        line += (line.empty() ? "" : ", ") + name;
    o_.out += line + "\n";
}

void Command::run(std::string_view name, const Args &args) {
    if (name == "read")
        read(args);
    else if (name == "read-type")
        readType(args);
    else if (name == "write")
        write(args);
    else if (name == "delete")
        remove(args);
    else if (name == "domains" && args.empty())
        listDomains();
    else
        usage("Unknown command or wrong arguments: " + std::string(name));
}

// Picks the files a -currentHost or -host option addresses; empty means the ordinary ones.
std::optional<std::string> hostFor(Args &args, const ToolContext &context, ToolOutput &output) {
    if (args.empty() || (args[0] != "-currentHost" && args[0] != "-host"))
        return std::string();
    const std::string_view option = args[0];
    args.erase(args.begin());
    if (option == "-currentHost") {
        Result<std::string> id = context.hostId();
        if (id)
            return *id;
        output.err += id.failure().message + "\n";
    } else if (!args.empty() && isSafeName(args[0]) &&
               args[0].find('.') == std::string_view::npos) {
        const std::string id(args[0]);
        args.erase(args.begin());
        return id;
    } else {
        // A dot would make DOMAIN.HOSTID ambiguous: org.x.a with host b is org.x with host a.b.
        output.err += "-host needs a host identifier made of letters, digits, '_' and '-'\n";
    }
    output.status = 1;
    return std::nullopt;
}

} // namespace

ToolOutput runDefaults(const std::vector<std::string_view> &arguments, const ToolContext &context) {
    ToolOutput output;
    Args args = arguments;
    const std::optional<std::string> host = hostFor(args, context, output);
    if (!host)
        return output;
    if (!args.empty() && (args[0] == "-currentHost" || args[0] == "-host")) {
        output.err += "Give only one of -currentHost and -host\n";
        output.status = 1;
        return output;
    }
    if (args.empty()) {
        output.err += usageText;
        output.status = 1;
    } else if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
        output.out += usageText;
    } else if (args[0] == "--version") {
        output.out += versionLine;
    } else {
        Command command(PreferenceStore(context.storeRoot, *host), output);
        command.run(args[0], Args(args.begin() + 1, args.end()));
    }
    return output;
}
