// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "results/results_writer.h"

#include "results/results_csv.h"
#include "system/errors.h"
#include "system/logging.h"

#include <pwd.h>
#include <unistd.h>

namespace brindolo {

std::string loginName()
{
    const passwd* user = ::getpwuid(::geteuid());
    return user && user->pw_name ? std::string(user->pw_name) : std::string();
}

ResultsWriter::ResultsWriter(const std::string& folder, std::string login) : file_(std::move(login) + ".csv")
{
    if (file_ == ".csv" || file_.find('/') != std::string::npos || file_.front() == '.') {
        qCWarning(lcResults, "no results are written: the user has no login name fit for a file name");
        return;
    }
    try {
        appender_ = std::make_unique<LineAppender>(folder);
    } catch (const EInOutError& failure) {
        qCWarning(lcResults, "no results are written: %s", failure.what());
    }
}

void ResultsWriter::write(const GameResult& result) const
{
    if (!appender_)
        return;
    try {
        appender_->append(file_, resultsHeader(), resultsLine(result));
    } catch (const EInOutError& failure) {
        qCWarning(lcResults, "a game's result is lost: %s", failure.what());
    }
}

}  // namespace brindolo
