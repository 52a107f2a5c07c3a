#include "kesto/analysis/dds_solver.h"

#include <dds/dll.h>

#include <algorithm>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>

#include "kesto/analysis/solver_threads.h"
#include "kesto/files/deal_notation.h"

namespace kesto {

namespace {

static_assert(kMaxDealsPerSolverCall <= MAXNOOFTABLES);
static_assert(DDS_STRAINS == kStrainCount && DDS_HANDS == 4);

// The library keeps one set of working memory per thread of its own: two calls at once would
// share it, so every call goes through this lock.
std::mutex& SolverLock() {
    static std::mutex lock;
    return lock;
}

// The number of threads the library chose for this machine's cores and memory at its first
// use. Call with SolverLock held.
int ChosenSolverThreads() {
    static int chosen = 0;
    if (chosen == 0) {
        SetMaxThreads(0);
        DDSInfo info{};
        GetDDSInfo(&info);
        chosen = std::max(1, info.noOfThreads);
    }
    return chosen;
}

// Before each call that hands the library work: it may use its chosen threads only as far as
// they can start now, since its threading ends the program when one cannot. Fewer threads
// only make it slower. Call with SolverLock held.
void FitSolverThreads() {
    const int chosen = ChosenSolverThreads();
    static int current = chosen;
    const int startable = StartableThreads(chosen);
    if (startable != current) {
        SetMaxThreads(startable);
        current = startable;
    }
}

// The library's strain order is spades, hearts, diamonds, clubs, no trump; ours starts with
// no trump, as PBN's does.
int SolverStrain(Strain strain) {
    return strain == Strain::NoTrump ? 4 : static_cast<int>(strain) - 1;
}

int SolverVulnerability(std::string_view vulnerability) {
    if (vulnerability == "All")
        return 1;
    if (vulnerability == "NS")
        return 2;
    if (vulnerability == "EW")
        return 3;
    return 0;
}

ddTableResults SolverTable(const TrickTable& table) {
    ddTableResults results{};
    for (int seat = 0; seat < 4; ++seat) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            results.resTable[SolverStrain(static_cast<Strain>(strain))][seat] = table[seat][strain];
        }
    }
    return results;
}

TrickTable TableOf(const ddTableResults& results) {
    TrickTable table{};
    for (int seat = 0; seat < 4; ++seat) {
        for (int strain = 0; strain < kStrainCount; ++strain) {
            table[seat][strain] = results.resTable[SolverStrain(static_cast<Strain>(strain))][seat];
        }
    }
    return table;
}

// The library's seats (N, E, S, W, NS, EW) and strains (NT, S, H, D, C) in a par contract are
// in ParDeclarer's and Strain's order.
std::optional<ParContract> ContractOf(const contractType& contract) {
    if (contract.level < 1 || contract.level > 7 || contract.denom < 0 ||
        contract.denom >= kStrainCount || contract.seats < 0 || contract.seats > 5) {
        return std::nullopt;
    }
    ParContract par;
    par.level = contract.level;
    par.strain = static_cast<Strain>(contract.denom);
    par.declarer = static_cast<ParDeclarer>(contract.seats);
    par.doubled = contract.underTricks > 0;
    par.overtricks = par.doubled ? -contract.underTricks : contract.overTricks;
    return par;
}

}  // namespace

std::string SolverFailureText(int returnCode) {
    char line[80] = {};
    ErrorMessage(returnCode, line);
    line[sizeof line - 1] = '\0';
    return "The double-dummy solver failed: " + std::string(line) + ".";
}

std::string SolverDealText(const tDeal& deal) {
    return DealValue(deal, Seat::North);
}

StatusOr<std::vector<TrickTable>> DdsSolver::SolveTables(const std::vector<std::string>& pbnDeals) {
    StatusOr<std::vector<TrickTable>> result;
    if (pbnDeals.empty() || pbnDeals.size() > kMaxDealsPerSolverCall) {
        result.status = Status::Failure(SolverFailureText(RETURN_TOO_MANY_TABLES));
        return result;
    }
    // The solver's structures are large; on a thread's stack they crashed its workers.
    auto deals = std::make_unique<ddTableDealsPBN>();
    auto tables = std::make_unique<ddTablesRes>();
    auto pars = std::make_unique<allParResults>();
    deals->noOfTables = static_cast<int>(pbnDeals.size());
    for (std::size_t i = 0; i < pbnDeals.size(); ++i) {
        char* cards = deals->deals[i].cards;
        if (pbnDeals[i].size() >= sizeof deals->deals[i].cards) {
            result.status = Status::Failure(SolverFailureText(RETURN_PBN_FAULT));
            return result;
        }
        pbnDeals[i].copy(cards, pbnDeals[i].size());
        cards[pbnDeals[i].size()] = '\0';
    }
    int allStrains[DDS_STRAINS] = {0, 0, 0, 0, 0};
    constexpr int kNoPar = -1;  // par follows per board, for its own dealer and vulnerability

    int returnCode = RETURN_NO_FAULT;
    {
        const std::lock_guard lock(SolverLock());
        FitSolverThreads();
        returnCode = CalcAllTablesPBN(deals.get(), kNoPar, allStrains, tables.get(), pars.get());
    }
    if (returnCode != RETURN_NO_FAULT) {
        result.status = Status::Failure(SolverFailureText(returnCode));
        return result;
    }
    result.value.reserve(pbnDeals.size());
    for (std::size_t i = 0; i < pbnDeals.size(); ++i) {
        result.value.push_back(TableOf(tables->results[i]));
    }
    return result;
}

// DealerParBin: the board's dealer is known, so par is one score for one side (the library's
// side-by-side par can differ by who bids first), and its contracts come as numbers, not text
// to be parsed again.
StatusOr<ParResult> DdsSolver::Par(const TrickTable& table, Seat dealer,
                                   std::string_view vulnerability) {
    StatusOr<ParResult> result;
    ddTableResults results = SolverTable(table);
    parResultsMaster par{};
    int returnCode = RETURN_NO_FAULT;
    {
        const std::lock_guard lock(SolverLock());
        ChosenSolverThreads();
        returnCode = DealerParBin(&results, &par, static_cast<int>(dealer),
                                  SolverVulnerability(vulnerability));
    }
    if (returnCode != RETURN_NO_FAULT) {
        result.status = Status::Failure(SolverFailureText(returnCode));
        return result;
    }
    result.value.scoreNS = par.score;
    // A passed-out deal scores 0 and names no contract the library fills in.
    if (par.score != 0) {
        for (int i = 0; i < par.number && i < static_cast<int>(std::size(par.contracts)); ++i) {
            if (const std::optional<ParContract> contract = ContractOf(par.contracts[i]))
                result.value.contracts.push_back(*contract);
        }
    }
    return result;
}

std::size_t DdsSolver::Threads() {
    const std::lock_guard lock(SolverLock());
    return static_cast<std::size_t>(ChosenSolverThreads());
}

DoubleDummySolver& TheDdsSolver() {
    static DdsSolver solver;
    return solver;
}

}  // namespace kesto
