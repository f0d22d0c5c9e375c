// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's failures are exceptions carrying the message the user sees.
// The event boundary (event_boundary.h) catches them and shows the message.
// A handler catches one only to finish its own work first and then throws it
// on (the deal, whose picture fails after the board is dealt), or where no
// window shows it: the commands without a window print it instead.

#include <stdexcept>
#include <string>

namespace brindolo {

// Base of every failure the user is told about. Messages are UTF-8.
class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A file that cannot be opened ("Cannot open file %s").
class EFOpenError : public Exception {
public:
    using Exception::Exception;
};

// A text that does not convert ("'%s' is not a valid integer value").
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A file operation that failed with a system error number.
class EInOutError : public Exception {
public:
    EInOutError(const std::string& message, int errorCode) : Exception(message), errorCode_(errorCode) {}
    int errorCode() const { return errorCode_; }

private:
    int errorCode_;
};

// The silent kind: it ends a handler and is dropped without a message.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};

}  // namespace brindolo
