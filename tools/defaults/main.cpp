// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
// The command-line front of the preference store. Kept free of Qt so that a read costs little
// more than starting a process: the program runs it on every question about the fn state.
#include "Cli.h"
#include "Store.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

bool writeAll(int fd, const std::string &text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written <= 0)
            return false;
        done += std::size_t(written);
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    const ToolContext context{storeRoot(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")),
                              currentHostId};
    const ToolOutput output =
        runDefaults(std::vector<std::string_view>(argv + 1, argv + argc), context);
    // A value that could not be printed (closed pipe, full disk) must not look like success.
    const bool printed = writeAll(STDOUT_FILENO, output.out);
    writeAll(STDERR_FILENO, output.err);
    return printed ? output.status : 1;
}
