// kesto-solver: the double-dummy solver in a process of its own. Kesto starts it (SolverProcess),
// sends it one request a line on standard input and reads each answer from standard output
// (solver_protocol.h). Whatever the solver's library does ends this process alone. It ends when
// its input ends, or with the thread of Kesto that started it, even in the middle of a call.

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <string>

#include "kesto/analysis/dds_solver.h"
#include "kesto/analysis/solver_protocol.h"

int main() {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The answers keep standard output to themselves: what the library prints goes to standard
    // error, which Kesto reads to say why this process stopped.
    const int answerFile = ::dup(STDOUT_FILENO);
    FILE* answers = answerFile >= 0 ? ::fdopen(answerFile, "w") : nullptr;
    if (answers == nullptr || ::dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        std::perror("kesto-solver");
        return 1;
    }
    for (std::string request; std::getline(std::cin, request);) {
        const std::string answer =
            kesto::AnswerSolverRequest(request, kesto::TheDdsSolver()) + "\n";
        if (std::fwrite(answer.data(), 1, answer.size(), answers) != answer.size() ||
            std::fflush(answers) != 0) {
            return 1;
        }
    }
    return 0;
}
