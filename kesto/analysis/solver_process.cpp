#include "kesto/analysis/solver_process.h"

#include <filesystem>
#include <optional>
#include <system_error>

#include "kesto/analysis/solver_protocol.h"
#include "kesto/platform/program_files.h"

namespace kesto {

namespace {

constexpr const char* kSolverProgram = "kesto-solver";

// "10 minutes", "1 second": the answer limit as the message says it.
std::string DurationText(std::chrono::milliseconds duration) {
    const auto plural = [](long long count, const char* unit) {
        return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
    };
    if (duration >= std::chrono::minutes(1) &&
        duration % std::chrono::minutes(1) == duration.zero()) {
        return plural(std::chrono::duration_cast<std::chrono::minutes>(duration).count(), "minute");
    }
    return plural(std::chrono::ceil<std::chrono::seconds>(duration).count(), "second");
}

Status Stopped(const std::string& how) {
    return AnalysisFailure("the solver stopped (" + how + ")");
}

}  // namespace

std::string SolverProgramPath() {
    return ProgramLibraryFolder() + std::string(kSolverProgram);
}

SolverProcess::SolverProcess(std::string program, std::chrono::milliseconds answerLimit)
    : program_(std::move(program)), answerLimit_(answerLimit) {}

StatusOr<std::string> SolverProcess::Ask(const std::string& request) {
    StatusOr<std::string> answer;
    const auto interrupted = [this] {
        const std::lock_guard lock(interruptMutex_);
        return interrupted_;
    };
    if (interrupted()) {
        answer.status = Status::Cancelled();
        return answer;
    }
    if (!child_.Running()) {
        std::error_code error;
        if (!std::filesystem::exists(program_, error)) {
            answer.status = AnalysisFailure("the solver's program " + program_ +
                                            " is missing (install Kesto again)");
            return answer;
        }
        if (const Status started = child_.Start(program_, {}); !started.Ok()) {
            answer.status = AnalysisFailure("the solver's program " + program_ +
                                            " could not be started (" + started.Reason() + ")");
            return answer;
        }
    }
    // An Interrupt while the process started could not end it.
    if (interrupted()) {
        child_.Kill();
        answer.status = Status::Cancelled();
        return answer;
    }
    const ChildProcess::Read read =
        child_.WriteLine(request)
            ? child_.ReadLine(answer.value, std::chrono::steady_clock::now() + answerLimit_,
                              kLongestSolverAnswer)
            : ChildProcess::Read::Ended;
    switch (read) {
        case ChildProcess::Read::Line:
            return answer;
        case ChildProcess::Read::TooLong:
            answer.status = Unreadable();
            break;
        case ChildProcess::Read::TimedOut:
            child_.HowItEnded();
            answer.status = Stopped("it gave no answer for " + DurationText(answerLimit_));
            break;
        case ChildProcess::Read::Ended: {
            const std::string how = child_.HowItEnded();
            answer.status = interrupted() ? Status::Cancelled() : Stopped(how);
            break;
        }
    }
    answer.value.clear();
    return answer;
}

Status SolverProcess::Unreadable() {
    child_.HowItEnded();
    return Stopped("it gave an answer Kesto cannot read");
}

StatusOr<std::vector<TrickTable>> SolverProcess::SolveTables(
    const std::vector<std::string>& pbnDeals) {
    StatusOr<std::vector<TrickTable>> result;
    for (const std::string& deal : pbnDeals) {
        if (deal.find_first_of("|\r\n") != std::string::npos) {
            result.status = AnalysisFailure("the double-dummy solver failed (PBN string error)");
            return result;
        }
    }
    const std::lock_guard lock(callMutex_);
    const StatusOr<std::string> answer = Ask(TablesRequest(pbnDeals));
    if (!answer.status.Ok()) {
        result.status = answer.status;
        return result;
    }
    std::optional<StatusOr<std::vector<TrickTable>>> tables =
        ReadTablesAnswer(answer.value, pbnDeals.size());
    if (!tables) {
        result.status = Unreadable();
        return result;
    }
    return std::move(*tables);
}

StatusOr<ParResult> SolverProcess::Par(const TrickTable& table, Seat dealer,
                                       std::string_view vulnerability) {
    const std::lock_guard lock(callMutex_);
    StatusOr<ParResult> result;
    const StatusOr<std::string> answer = Ask(ParRequest(table, dealer, vulnerability));
    if (!answer.status.Ok()) {
        result.status = answer.status;
        return result;
    }
    std::optional<StatusOr<ParResult>> par = ReadParAnswer(answer.value);
    if (!par) {
        result.status = Unreadable();
        return result;
    }
    return std::move(*par);
}

std::size_t SolverProcess::Threads() {
    const std::lock_guard lock(callMutex_);
    const StatusOr<std::string> answer = Ask(ThreadsRequest());
    if (!answer.status.Ok()) {
        return 1;
    }
    const std::optional<std::size_t> threads = ReadThreadsAnswer(answer.value);
    if (!threads) {
        Unreadable();
        return 1;
    }
    return *threads;
}

void SolverProcess::Interrupt() {
    const std::lock_guard lock(interruptMutex_);
    interrupted_ = true;
    child_.Kill();
}

void SolverProcess::Resume() {
    const std::lock_guard lock(interruptMutex_);
    interrupted_ = false;
}

}  // namespace kesto
