#include "kesto/analysis/dds_solver.h"

// The library's header, for its types and the types of its functions only: the program is not
// linked with the library.
#include <dds/dll.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <optional>

#include "kesto/analysis/solver_threads.h"
#include "kesto/deal/deal_notation.h"

// The leak checker's check, run at exit by the sanitizer builds; null in other builds.
extern "C" [[gnu::weak]] void __lsan_do_leak_check();

namespace kesto {

// The library's functions the solver calls.
struct DdsSolver::Library {
    std::unique_ptr<SharedLibrary> file;
    decltype(&::CalcAllTablesPBN) calcAllTablesPBN = nullptr;
    decltype(&::DealerParBin) dealerParBin = nullptr;
    decltype(&::SetMaxThreads) setMaxThreads = nullptr;
    decltype(&::GetDDSInfo) getDDSInfo = nullptr;
    decltype(&::ErrorMessage) errorMessage = nullptr;
};

namespace {

// The solver's library by its soname, and the Debian package that installs it.
constexpr const char* kSolverLibraryFile = "libdds.so.0";
constexpr const char* kSolverPackage = "libdds0";

static_assert(kMaxDealsPerSolverCall <= MAXNOOFTABLES);
static_assert(DDS_STRAINS == kStrainCount && DDS_HANDS == 4);

// The library keeps one set of working memory per thread of its own: two calls at once would
// share it, so every call goes through this lock.
std::mutex& SolverLock() {
    static std::mutex lock;
    return lock;
}

// The library stays loaded for good (a library it needs binds back to it, so the system would
// not unload it either). Its own clean-up then runs with the last of the process's exit work,
// after the C++ runtime has destroyed the data the library made as it loaded (what is made last
// goes first), and that clean-up still reads it: the process would crash as it ends. So a process
// that loaded the library ends here, in a handler registered after the load and so run before that
// data goes: with its output written, a leak check when one is built in, and its exit status.
void EndBeforeTheSolversDataGoes(int status, void*) {
    std::cout.flush();
    std::cerr.flush();
    std::clog.flush();
    std::fflush(nullptr);
    if (__lsan_do_leak_check != nullptr) {
        __lsan_do_leak_check();
    }
    std::_Exit(status);
}

// The number of threads the library chose for this machine's cores and memory at its first
// use. Call with SolverLock held.
int ChosenSolverThreads(const DdsSolver::Library& library) {
    static int chosen = 0;
    if (chosen == 0) {
        library.setMaxThreads(0);
        DDSInfo info{};
        library.getDDSInfo(&info);
        chosen = std::max(1, info.noOfThreads);
    }
    return chosen;
}

// Before each call that hands the library work: it may use its chosen threads only as far as
// they can start now, since its threading ends the program when one cannot. Fewer threads
// only make it slower. Call with SolverLock held.
void FitSolverThreads(const DdsSolver::Library& library) {
    const int chosen = ChosenSolverThreads(library);
    static int current = chosen;
    const int startable = StartableThreads(chosen);
    if (startable != current) {
        library.setMaxThreads(startable);
        current = startable;
    }
}

// The library's strain order is spades, hearts, diamonds, clubs, no trump; ours starts with
// no trump, as PBN's does.
int SolverStrain(Strain strain) {
    return strain == Strain::NoTrump ? 4 : static_cast<int>(strain) - 1;
}

int SolverVulnerability(std::string_view vulnerability) {
    if (vulnerability == "All") {
        return 1;
    }
    if (vulnerability == "NS") {
        return 2;
    }
    if (vulnerability == "EW") {
        return 3;
    }
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

// "... the double-dummy solver failed (<the solver's text>)." for a solver return code.
Status SolverFailure(const DdsSolver::Library& library, int returnCode) {
    char line[80] = {};
    library.errorMessage(returnCode, line);
    line[sizeof line - 1] = '\0';
    return AnalysisFailure("the double-dummy solver failed (" + std::string(line) + ")");
}

// "... the double-dummy solver libdds.so.0 <why>"
Status SolverUnusable(const std::string& why) {
    return AnalysisFailure(std::string("the double-dummy solver ") + kSolverLibraryFile + " " +
                           why);
}

// What stands in the way of loading the library, as the loader said it.
Status LoadFailure(const Status& loader) {
    if (loader.IsNotFound()) {
        return SolverUnusable(std::string("is not installed (install the package ") +
                              kSolverPackage + ")");
    }
    return SolverUnusable("could not be loaded (\"" + loader.Reason() + "\")");
}

}  // namespace

Status AnalysisFailure(std::string_view what) {
    return Status::Failure("The makeable contracts could not be worked out: " + std::string(what) +
                           ".");
}

StatusOr<std::unique_ptr<SharedLibrary>> LoadSystemSolverLibrary() {
    return LoadSystemLibrary(kSolverLibraryFile);
}

DdsSolver::DdsSolver(SolverLibraryLoader loader) : loader_(std::move(loader)) {}

DdsSolver::~DdsSolver() = default;

StatusOr<const DdsSolver::Library*> DdsSolver::Loaded() {
    StatusOr<const Library*> result;
    if (library_) {
        result.value = library_.get();
        return result;
    }
    StatusOr<std::unique_ptr<SharedLibrary>> loaded = loader_();
    if (!loaded.status.Ok()) {
        result.status = LoadFailure(loaded.status);
        return result;
    }
    std::unique_ptr<SharedLibrary> file = std::move(loaded.value);
    auto library = std::make_unique<Library>();
    std::string missing;
    const auto find = [&file, &missing]<typename Function>(Function& entry, const char* name) {
        entry = file->EntryAs<Function>(name);
        if (entry == nullptr && missing.empty()) {
            missing = name;
        }
    };
    find(library->calcAllTablesPBN, "CalcAllTablesPBN");
    find(library->dealerParBin, "DealerParBin");
    find(library->setMaxThreads, "SetMaxThreads");
    find(library->getDDSInfo, "GetDDSInfo");
    find(library->errorMessage, "ErrorMessage");
    if (!missing.empty()) {
        result.status = SolverUnusable("has no function " + missing +
                                       ": it is not the version Kesto works with (install the "
                                       "package " +
                                       std::string(kSolverPackage) + ")");
        return result;
    }
    library->file = std::move(file);
    ::on_exit(EndBeforeTheSolversDataGoes, nullptr);
    library_ = std::move(library);
    result.value = library_.get();
    return result;
}

std::string SolverDealText(const tDeal& deal) {
    return DealValue(deal, Seat::North);
}

StatusOr<std::vector<TrickTable>> DdsSolver::SolveTables(const std::vector<std::string>& pbnDeals) {
    StatusOr<std::vector<TrickTable>> result;
    const std::lock_guard lock(SolverLock());
    const StatusOr<const Library*> loaded = Loaded();
    if (!loaded.status.Ok()) {
        result.status = loaded.status;
        return result;
    }
    const Library& library = *loaded.value;
    if (pbnDeals.empty() || pbnDeals.size() > kMaxDealsPerSolverCall) {
        result.status = SolverFailure(library, RETURN_TOO_MANY_TABLES);
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
            result.status = SolverFailure(library, RETURN_PBN_FAULT);
            return result;
        }
        pbnDeals[i].copy(cards, pbnDeals[i].size());
        cards[pbnDeals[i].size()] = '\0';
    }
    int allStrains[DDS_STRAINS] = {0, 0, 0, 0, 0};
    constexpr int kNoPar = -1;  // par follows per board, for its own dealer and vulnerability

    FitSolverThreads(library);
    const int returnCode =
        library.calcAllTablesPBN(deals.get(), kNoPar, allStrains, tables.get(), pars.get());
    if (returnCode != RETURN_NO_FAULT) {
        result.status = SolverFailure(library, returnCode);
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
    const std::lock_guard lock(SolverLock());
    const StatusOr<const Library*> loaded = Loaded();
    if (!loaded.status.Ok()) {
        result.status = loaded.status;
        return result;
    }
    ChosenSolverThreads(*loaded.value);
    const int returnCode = loaded.value->dealerParBin(&results, &par, static_cast<int>(dealer),
                                                      SolverVulnerability(vulnerability));
    if (returnCode != RETURN_NO_FAULT) {
        result.status = SolverFailure(*loaded.value, returnCode);
        return result;
    }
    result.value.scoreNS = par.score;
    // A passed-out deal scores 0 and names no contract the library fills in.
    if (par.score != 0) {
        for (int i = 0; i < par.number && i < static_cast<int>(std::size(par.contracts)); ++i) {
            if (const std::optional<ParContract> contract = ContractOf(par.contracts[i])) {
                result.value.contracts.push_back(*contract);
            }
        }
    }
    return result;
}

std::size_t DdsSolver::Threads() {
    const std::lock_guard lock(SolverLock());
    const StatusOr<const Library*> loaded = Loaded();
    return loaded.status.Ok() ? static_cast<std::size_t>(ChosenSolverThreads(*loaded.value)) : 1;
}

DoubleDummySolver& TheDdsSolver() {
    static DdsSolver solver;
    return solver;
}

}  // namespace kesto
