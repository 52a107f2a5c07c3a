#pragma once
// What Kesto and the solver's own process (kesto-solver) say to each other: one request line,
// one answer line, in plain text.
//
//   threads                              ok 2
//   tables N:AKQ.T98.765.432 ...|E:...   ok 65657656576867568675 94a8694a863923739237
//   par 0 None 65657656576867568675      ok -110 2,1,5,0,0
//   (any request)                        failed The makeable contracts could not be ...
//
// A table is 20 hexadecimal counts in TrickTable's order (each seat N, E, S, W, each strain NT,
// S, H, D, C); a par request gives the dealer (Seat's number), the vulnerability as
// BoardVulnerability writes it and the table; a par answer the score for North-South and each
// contract as level,strain,declarer,doubled,overtricks (the numbers of Strain and ParDeclarer,
// doubled 0 or 1). A failure gives the solver's own sentence.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "kesto/analysis/dds_solver.h"

namespace kesto {

// The longest answer line there is: tables for the most deals one call takes, or a failure.
inline constexpr std::size_t kLongestSolverAnswer = 4096;

std::string ThreadsRequest();
// Deals with a "|" or a line feed in them cannot be sent: the caller refuses them.
std::string TablesRequest(const std::vector<std::string>& pbnDeals);
std::string ParRequest(const TrickTable& table, Seat dealer, std::string_view vulnerability);

// The answers as the solver's process reads them; nullopt for a line that is no such answer
// (for tables: not `count` of them).
std::optional<std::size_t> ReadThreadsAnswer(std::string_view line);
std::optional<StatusOr<std::vector<TrickTable>>> ReadTablesAnswer(std::string_view line,
                                                                  std::size_t count);
std::optional<StatusOr<ParResult>> ReadParAnswer(std::string_view line);

// The solver process's side: the answer of solver to one request line.
std::string AnswerSolverRequest(std::string_view request, DoubleDummySolver& solver);

}  // namespace kesto
