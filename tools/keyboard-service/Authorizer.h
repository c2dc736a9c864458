#pragma once

#include <QString>

#include <functional>

// Decides whether a caller may change the mode. Asynchronous because the decision may wait for
// a person to answer a password prompt, and the service must keep serving others meanwhile.
class Authorizer {
public:
    virtual ~Authorizer() = default;
    // Calls `done` exactly once, later, with the answer and, when refused, a reason for logs.
    virtual void check(const QString &caller,
                       std::function<void(bool allowed, QString why)> done) = 0;
};
