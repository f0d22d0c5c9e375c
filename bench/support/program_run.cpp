// SPDX-FileCopyrightText: 2026 The Brindolo developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/program_run.h"

#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace brindolo::bench {

void runProgramEachIteration(benchmark::State& state, const std::vector<const char*>& arguments)
{
    std::vector<const char*> argv = arguments;
    argv.push_back(nullptr);
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, STDOUT_FILENO);
            execv(argv[0], const_cast<char* const*>(argv.data()));
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError((std::string("brindolo ") + (argv.size() > 2 ? argv[1] : "") + " failed").c_str());
            break;
        }
    }
}

}  // namespace brindolo::bench
