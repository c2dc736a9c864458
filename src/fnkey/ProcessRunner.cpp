// SPDX-FileCopyrightText: 2026 The Vantel developers
// SPDX-License-Identifier: MIT
#include "fnkey/ProcessRunner.h"

#include "logging/LoggingCategories.h"

#include <QProcess>
#include <QStringDecoder>

#include <signal.h>
#include <unistd.h>

namespace {
std::optional<QString> decodeUtf8(const QByteArray &bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

ProcessResult launchFailure(const QString &description) {
    return ProcessResult{std::nullopt, description, -1};
}

// Kills the child's whole process group: a login shell's children must not outlive it.
void killGroup(QProcess &process) {
    const qint64 pid = process.processId();
    if (pid > 0)
        ::kill(-static_cast<pid_t>(pid), SIGKILL);
    process.kill();
    process.waitForFinished(-1);
}

} // namespace

ProcessResult runProcess(const QString &executable, const QStringList &arguments,
                         std::chrono::milliseconds limit) {
    QProcess process;
    process.setProgram(executable);
    process.setArguments(arguments);
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    // Its own process group, so that a timeout can take down everything the child started.
    process.setChildProcessModifier([] { ::setpgid(0, 0); });

    process.start(QIODevice::ReadOnly);
    if (!process.waitForStarted(-1))
        return launchFailure(process.errorString());

    // QProcess drains both pipes while it waits, so a chatty child cannot fill a pipe and stall.
    if (!process.waitForFinished(static_cast<int>(limit.count()))) {
        qCWarning(lcProcess) << executable << "did not finish within" << limit.count() << "ms";
        killGroup(process);
        return launchFailure(QStringLiteral("%1 did not finish within %2 ms and was killed")
                                 .arg(executable)
                                 .arg(limit.count()));
    }

    ProcessResult result;
    result.output = decodeUtf8(process.readAllStandardOutput());
    result.errorOutput = decodeUtf8(process.readAllStandardError());
    // A child killed by a signal has no exit code of its own; report it as failed.
    result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}
